// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace Lessons {

/// Building the lesson windows from their design: controls placed in twips, captions that
/// fit their buttons, the design's fonts, names for screen readers and the reading order.

/// The lesson windows' design size in twips.
inline constexpr int kWindowWidth = 8300;
inline constexpr int kWindowHeight = 7800;

QPushButton *addButton(QWidget *window, const QString &name, const QString &caption, const QColor &colour,
                       const QRect &twips);
QLabel *addLabel(QWidget *window, const QString &name, const QString &accessibleName, const QRect &twips);
QLineEdit *addHiddenBox(QWidget *window, const QString &name, const QString &accessibleName, const QRect &twips);
QPlainTextEdit *addTextBox(QWidget *window, const QString &name, const QString &accessibleName, const QRect &twips,
                           const QColor &text, const QFont &font);

/// Sets a control's caption and the name a screen reader reads for it. A caption too wide
/// for its push button is broken into lines at its blanks; the accessible name keeps the
/// caption in one line.
void setCaption(QWidget *control, const QString &caption);
/// \a caption with line breaks where \a button is too narrow for it.
QString fitCaption(const QPushButton &button, const QString &caption);
/// A font by its Windows design name, with the nearest free fonts behind it.
QFont designFont(const QString &family, qreal pointSize);

/// Names the uncaptioned controls (pictures, text boxes, slider) of \a window for a screen
/// reader in interface language \a language; controls a window lacks are passed over.
void nameControls(QWidget *window, int language);
/// Puts the controls a learner uses into a reading order for Tab and gives \a firstFocus
/// the focus.
void orderTabs(QWidget *window, QWidget *firstFocus);

/// Gives \a window its design size, or more where a control it shows reaches beyond it;
/// inside a main window's frame the frame grows or shrinks with it.
void resizeToDesign(QWidget *window);
/// Moves \a window (or its frame in the main window) to the top left corner.
void moveToCorner(QWidget *window);

} // namespace Lessons
