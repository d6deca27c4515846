// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QImage>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace Platform {

/// The on-screen figure: a frameless, always-on-top window without focus whose shape is
/// the figure's own outline (a mask from the frame's alpha, so no compositor is needed).
/// While shown it raises itself again every couple of seconds, since other windows that
/// come to the front would otherwise cover it.
class CharacterWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharacterWindow)
public:
    explicit CharacterWindow(QWidget *parent = nullptr);

    /// Shows \a frame and reshapes the window to it.
    void setFrame(const QImage &frame);
    QImage frame() const { return m_frame; }

Q_SIGNALS:
    /// The learner right-clicked the figure at \a globalPos.
    void contextMenuRequested(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QImage m_frame;
    QTimer m_raise;
};

/// The speech balloon: the shown words so far in a rounded box whose tail points at the
/// figure. Its size follows the text within a line width and a number of lines; older
/// lines scroll away.
class BalloonWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BalloonWindow)
public:
    explicit BalloonWindow(QWidget *parent = nullptr);

    /// Line width in average characters and the most lines shown at once.
    void setLayoutLimits(int charactersPerLine, int lines);
    /// Shows \a words (all words said so far) and sizes the balloon to them.
    void setWords(const QStringList &words);
    QString text() const { return m_text; }
    /// Puts the balloon above the figure at \a figure (below it when there is no room).
    void placeBeside(const QRect &figure);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textRect() const;
    QPainterPath outline() const;

    QString m_text;
    int m_charactersPerLine = 32;
    int m_lines = 2;
    bool m_tailDown = true;
    int m_tailX = 30;
};

} // namespace Platform
