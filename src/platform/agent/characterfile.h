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

    /// The animation called \a name (any case), or nullptr.
    const CharacterAnimation *animation(const QString &name) const;
};

/// Reads a character file's text. Errors: CharacterFileInvalid with the line number and
/// the reason in the detail.
Result<CharacterDefinition> parseCharacterFile(const QByteArray &utf8);

/// Reads the character file at \a path. Errors: FileNotFound, CharacterFileInvalid.
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
