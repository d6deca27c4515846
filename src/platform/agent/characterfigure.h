// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QObject>
#include <QTimer>

#include "platform/agent/characterfile.h"

namespace Platform {

class CharacterWindow;

/// One character's figure on the desktop: its window and the animation running in it.
/// A requested animation ends with animationFinished(); the idle loop (breathing, now and
/// then a blink) runs until another animation or the mouth takes over the figure.
class CharacterFigure final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharacterFigure)
public:
    /// \a timeScale (owned by the caller, read at every frame) speeds up frame durations.
    CharacterFigure(const QString &characterId, CharacterDefinition definition, const double &timeScale,
                    QObject *parent = nullptr);
    ~CharacterFigure() override;

    CharacterWindow *window() const { return m_window.get(); }
    /// The animation called \a name (any case), or nullptr.
    const CharacterAnimation *animation(const QString &name) const { return m_definition.animation(name); }

    /// Runs the animation called \a name once; animationFinished() follows at its end (at
    /// once for a name the character lacks).
    void play(const QString &name);
    /// Starts the idle loop; nothing happens when the character has no idle animation.
    void startIdle();
    /// Ends the idle loop, if one runs, on the rest pose.
    void stopIdle();
    /// Shows the rest pose with the mouth open or closed (speech).
    void setMouthOpen(bool open);

Q_SIGNALS:
    void animationFinished();

private:
    void run(const QString &name, bool idle);
    void showFrame(int frameIndex);
    /// Shows \a frame (nullptr: the rest pose).
    void draw(const CharacterFrame *frame, bool mouthOpen);

    CharacterDefinition m_definition;
    std::unique_ptr<CharacterRenderer> m_renderer;
    std::unique_ptr<CharacterWindow> m_window;
    const double &m_timeScale;
    const CharacterAnimation *m_animation = nullptr;
    int m_frameIndex = 0;
    bool m_idle = false;
    int m_idleLoops = 0;
    bool m_mouthOpen = false;
    QTimer m_frameTimer;
};

} // namespace Platform
