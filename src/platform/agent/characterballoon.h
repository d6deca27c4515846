// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>
#include <optional>

#include <QFont>
#include <QStringList>
#include <QTimer>

class QWidget;

namespace Platform {

class BalloonWindow;

/// A character's speech balloon as the service drives it: the style word and font that the
/// windows set, the learner's choice to see balloons at all, and the words of the speech
/// in progress.
///
/// Style word: bit 0x1 shows the balloon at all, bit 0x4 hides it a moment after the speech
/// ends (otherwise it stays until the next speech). Bits 16–23 give the most lines shown at
/// once (older lines scroll away; 0 means 2), bits 24–31 the line width in units of eight
/// average characters (0 means 32 characters). Other bits are kept but change nothing.
class CharacterBalloon final {
public:
    static constexpr quint32 kDefaultStyle = 0x0000000D;

    /// A balloon that points at \a figure, which must outlive it.
    explicit CharacterBalloon(const QWidget &figure);
    ~CharacterBalloon();
    CharacterBalloon(const CharacterBalloon &) = delete;
    CharacterBalloon &operator=(const CharacterBalloon &) = delete;

    BalloonWindow *window() const { return m_window.get(); }
    quint32 style() const { return m_style; }
    void setStyle(quint32 style);
    void setFontSize(int points);
    /// A family the system lacks falls back to a similar one with Cyrillic letters.
    void setFontFamily(const QString &family);
    /// The learner's choice; false hides the balloon now and for later speech.
    void setAllowed(bool allowed);

    /// A speech of \a words begins: the balloon opens empty beside the figure when it is
    /// wanted (allowed, style bit 0x1, figure shown, something to show).
    void beginSpeech(const QStringList &words, bool figureShown);
    /// Shows the first \a count words of the speech. Returns the text now shown, or nothing
    /// when it did not change.
    std::optional<QString> showWords(int count);
    /// Keeps the balloon beside the figure while it moves.
    void followFigure();
    /// The speech is over: with style bit 0x4 the balloon hides after \a hideAfterMs.
    void endSpeech(int hideAfterMs);

private:
    void applyLook();

    const QWidget &m_figure;
    std::unique_ptr<BalloonWindow> m_window;
    quint32 m_style = kDefaultStyle;
    QFont m_font;
    bool m_allowed = true;
    QStringList m_words;
    int m_wordsShown = -1;
    QTimer m_hideTimer;
};

} // namespace Platform
