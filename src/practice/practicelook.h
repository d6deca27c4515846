// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace Practice {

/// The course's look, as the lesson windows have it: white windows, Russian text in red
/// serif type, translations in dark red, coloured command buttons.

/// The practice and progress windows' size in twips, that of the lesson windows.
inline constexpr int kWindowWidth = 8300;
inline constexpr int kWindowHeight = 7800;

inline const QColor kRussianColour(255, 0, 0);
inline const QColor kMeaningColour(128, 0, 0);
inline const QColor kCaptionColour(0, 128, 0);
inline const QColor kRepeatColour(255, 128, 0);
inline const QColor kNextColour(255, 255, 0);
inline const QColor kChoiceColour(128, 128, 255);
inline const QColor kGradeColours[4] = {QColor(255, 160, 160), QColor(255, 200, 120), QColor(0, 255, 0),
                                        QColor(128, 255, 255)};
/// The background of letters that differ between the learner's answer and the right one.
inline const QColor kDifferenceColour(255, 200, 200);

/// The serif face Russian text is shown in, at \a pointSize, with free faces behind it that
/// hold Cyrillic letters.
QFont russianFont(qreal pointSize);
/// The face of translations and captions.
QFont captionFont(qreal pointSize);

/// A push button named \a name with \a caption (also its name for screen readers), in
/// \a colour.
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, const QColor &colour);
/// A label named \a name that wraps its text, in \a colour and \a font.
QLabel *addLabel(QWidget *parent, const QString &name, const QColor &colour, const QFont &font);
/// Sets a button's caption and its name for screen readers together.
void setCaption(QPushButton *button, const QString &caption);

} // namespace Practice
