// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>

#include "platform/core/error.h"

class QSvgRenderer;

namespace Platform {

/// One drawable part of a figure: SVG shapes in the figure's coordinates, drawn in the
/// order the file lists the parts. A part with a parent moves with it.
struct CharacterPart {
    QString name;
    QString parent;
    QPointF pivot;
    bool hidden = false;
    QByteArray svg;
};

/// How a frame places one part, relative to its rest position.
struct PartPose {
    qreal rotation = 0; ///< degrees, clockwise, around the part's pivot
    qreal dx = 0;
    qreal dy = 0;
    qreal scaleX = 1;
    qreal scaleY = 1;
    qreal opacity = 1;
    std::optional<bool> shown; ///< empty: as the part's default
};

struct CharacterFrame {
    int durationMs = 100;
    QHash<QString, PartPose> poses;
};

struct CharacterAnimation {
    QString name;
    QList<CharacterFrame> frames;
};

/// What a character file may hold. The course's genie has 19 parts, 29 animations, 127 frames
/// (at most 9 properties in one), 15 KB of text and SVG sections under 1 KB; a file beyond
/// these limits comes from a damaged or hostile file and is refused where it is read, since
/// holding it would take the program's memory and its time to load.
namespace CharacterFileLimits {
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;
inline constexpr int kMaxParts = 128;
inline constexpr int kMaxAnimations = 256;
/// Frames of all animations together.
inline constexpr int kMaxFrames = 2048;
/// Properties set on one frame line.
inline constexpr int kMaxPropertiesPerFrame = 64;
/// The bytes (UTF-8) of one [defs] or [part] section's SVG.
inline constexpr int kMaxSvgSectionLength = 64 * 1024;
/// The characters of a character's, part's or animation's name.
inline constexpr int kMaxNameLength = 64;
} // namespace CharacterFileLimits

/// A character file as read: see data/characters/README.md for the format.
struct CharacterDefinition {
    QString name;
    QSize size;
    QByteArray defs;
    QList<CharacterPart> parts;
    /// The parts shown instead of each other while the character speaks.
    QString mouthOpen;
    QString mouthClosed;
    /// Animations by name as the file spells them, in file order.
    QList<CharacterAnimation> animations;
    /// Drawings left out because they refer to something outside the file (the shared
    /// definitions, or a part that then draws nothing), one line each with the reason.
    QStringList refusedDrawings;

    /// The animation called \a name (any case), or nullptr.
    const CharacterAnimation *animation(const QString &name) const;
};

/// Reads a character file's text. Errors: CharacterFileInvalid with the line number and
/// the reason in the detail, also for a file beyond CharacterFileLimits or one whose parts
/// all refer outside the file. Drawings must draw from the file's own bytes only: the shared
/// definitions or a part that refers to anything else (a picture file, another document) are
/// left out and listed in refusedDrawings, and the rest of the character is kept.
Result<CharacterDefinition> parseCharacterFile(const QByteArray &utf8);

/// Reads the character file at \a path. Errors: FileNotFound, CharacterFileInvalid (also for
/// something that is not a regular file, such as a device, and for a file over
/// CharacterFileLimits::kMaxFileBytes).
Result<CharacterDefinition> loadCharacterFile(const QString &path);

/// Draws frames of one character. Building it parses each part's SVG once.
class CharacterRenderer final {
public:
    explicit CharacterRenderer(const CharacterDefinition &definition);
    ~CharacterRenderer();
    CharacterRenderer(const CharacterRenderer &) = delete;
    CharacterRenderer &operator=(const CharacterRenderer &) = delete;

    /// The figure in \a frame (nullptr: the rest pose), with the open mouth when
    /// \a mouthOpen, at \a scale; transparent where there is no figure.
    QImage render(const CharacterFrame *frame, bool mouthOpen, qreal scale = 1) const;

private:
    const CharacterDefinition *m_definition;
    std::vector<std::unique_ptr<QSvgRenderer>> m_parts;
};

} // namespace Platform
