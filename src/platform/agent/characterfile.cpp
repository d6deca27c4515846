// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/characterfile.h"

#include <algorithm>

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

namespace Platform {

namespace {

Error invalid(int line, const QString &reason)
{
    return Error{ErrorCode::CharacterFileInvalid, QStringLiteral("line %1: %2").arg(line).arg(reason)};
}

std::optional<qreal> number(const QString &text)
{
    bool ok = false;
    const qreal value = text.toDouble(&ok);
    return ok && qIsFinite(value) ? std::optional<qreal>(value) : std::nullopt;
}

// Applies "part.property=value" to a frame; an empty result on success.
std::optional<QString> applyPose(const CharacterDefinition &definition, CharacterFrame &frame, const QString &op)
{
    const qsizetype dot = op.indexOf(u'.');
    const qsizetype equals = op.indexOf(u'=');
    if (dot <= 0 || equals <= dot + 1)
        return QStringLiteral("expected part.property=value, got \"%1\"").arg(op);
    const QString part = op.left(dot);
    const QString property = op.mid(dot + 1, equals - dot - 1);
    const auto value = number(op.mid(equals + 1));
    const bool known = std::any_of(definition.parts.cbegin(), definition.parts.cend(),
                                   [&](const CharacterPart &p) { return p.name == part; });
    if (!known)
        return QStringLiteral("unknown part \"%1\"").arg(part);
    if (!value)
        return QStringLiteral("not a number in \"%1\"").arg(op);
    PartPose &pose = frame.poses[part];
    if (property == u"rot")
        pose.rotation = *value;
    else if (property == u"dx")
        pose.dx = *value;
    else if (property == u"dy")
        pose.dy = *value;
    else if (property == u"sx")
        pose.scaleX = *value;
    else if (property == u"sy")
        pose.scaleY = *value;
    else if (property == u"scale")
        pose.scaleX = pose.scaleY = *value;
    else if (property == u"alpha")
        pose.opacity = std::clamp<qreal>(*value, 0, 1);
    else if (property == u"show")
        pose.shown = *value != 0;
    else
        return QStringLiteral("unknown property \"%1\"").arg(property);
    return std::nullopt;
}

} // namespace

const CharacterAnimation *CharacterDefinition::animation(const QString &name) const
{
    for (const CharacterAnimation &candidate : animations) {
        if (candidate.name.compare(name, Qt::CaseInsensitive) == 0)
            return &candidate;
    }
    return nullptr;
}

Result<CharacterDefinition> parseCharacterFile(const QByteArray &utf8)
{
    enum class Section { Header, Defs, Part, Animation };
    CharacterDefinition definition;
    Section section = Section::Header;
    bool sawFormat = false;
    const QStringList lines = QString::fromUtf8(utf8).split(u'\n');
    for (int index = 0; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        const QString raw = lines.at(index);
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                return invalid(lineNumber, QStringLiteral("section header without \"]\""));
            if (!sawFormat)
                return invalid(lineNumber, QStringLiteral("the file does not start with its format line"));
            const QStringList words = line.mid(1, line.size() - 2).simplified().split(u' ', Qt::SkipEmptyParts);
            const QString kind = words.value(0);
            if (kind == u"defs" && words.size() == 1) {
                section = Section::Defs;
            } else if (kind == u"part" && words.size() >= 2) {
                CharacterPart part;
                part.name = words.at(1);
                for (const CharacterPart &other : std::as_const(definition.parts)) {
                    if (other.name == part.name)
                        return invalid(lineNumber, QStringLiteral("part \"%1\" twice").arg(part.name));
                }
                for (qsizetype w = 2; w < words.size(); ++w) {
                    const QString &attribute = words.at(w);
                    if (attribute == u"hidden") {
                        part.hidden = true;
                    } else if (attribute.startsWith(u"parent=")) {
                        part.parent = attribute.mid(7);
                        const bool earlier = std::any_of(definition.parts.cbegin(), definition.parts.cend(),
                                                         [&](const CharacterPart &p) { return p.name == part.parent; });
                        if (!earlier)
                            return invalid(lineNumber,
                                           QStringLiteral("parent \"%1\" is not an earlier part").arg(part.parent));
                    } else if (attribute.startsWith(u"pivot=")) {
                        const QStringList xy = attribute.mid(6).split(u',');
                        const auto x = number(xy.value(0));
                        const auto y = number(xy.value(1));
                        if (xy.size() != 2 || !x || !y)
                            return invalid(lineNumber, QStringLiteral("pivot needs x,y"));
                        part.pivot = QPointF(*x, *y);
                    } else {
                        return invalid(lineNumber, QStringLiteral("unknown part attribute \"%1\"").arg(attribute));
                    }
                }
                definition.parts << part;
                section = Section::Part;
            } else if (kind == u"animation" && words.size() == 2) {
                if (definition.animation(words.at(1)))
                    return invalid(lineNumber, QStringLiteral("animation \"%1\" twice").arg(words.at(1)));
                definition.animations << CharacterAnimation{words.at(1), {}};
                section = Section::Animation;
            } else {
                return invalid(lineNumber, QStringLiteral("unknown section \"%1\"").arg(line));
            }
            continue;
        }
        // SVG keeps its lines as they are; elsewhere blank lines and comments are skipped.
        if (section == Section::Defs || section == Section::Part) {
            QByteArray &target = section == Section::Defs ? definition.defs : definition.parts.last().svg;
            target += raw.toUtf8() + '\n';
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList words = line.simplified().split(u' ');
        if (section == Section::Header) {
            if (!sawFormat) {
                if (words
                    != QStringList{QStringLiteral("format"), QStringLiteral("veskora-character"), QStringLiteral("1")})
                    return invalid(lineNumber, QStringLiteral("expected \"format veskora-character 1\""));
                sawFormat = true;
            } else if (words.value(0) == u"character" && words.size() == 2) {
                definition.name = words.at(1);
            } else if (words.value(0) == u"size" && words.size() == 3) {
                const int width = words.at(1).toInt();
                const int height = words.at(2).toInt();
                if (width < 1 || height < 1 || width > 2000 || height > 2000)
                    return invalid(lineNumber, QStringLiteral("size out of range"));
                definition.size = QSize(width, height);
            } else if (words.value(0) == u"mouth" && words.size() == 3) {
                definition.mouthOpen = words.at(1);
                definition.mouthClosed = words.at(2);
            } else {
                return invalid(lineNumber, QStringLiteral("unknown header line \"%1\"").arg(line));
            }
            continue;
        }
        // Animation section: "frame <ms> part.property=value …"
        if (words.value(0) != u"frame" || words.size() < 2)
            return invalid(lineNumber, QStringLiteral("expected a frame line"));
        CharacterFrame frame;
        frame.durationMs = words.at(1).toInt();
        if (frame.durationMs < 1 || frame.durationMs > 10000)
            return invalid(lineNumber, QStringLiteral("frame duration must be 1 to 10000 ms"));
        for (qsizetype w = 2; w < words.size(); ++w) {
            if (const auto error = applyPose(definition, frame, words.at(w)))
                return invalid(lineNumber, *error);
        }
        definition.animations.last().frames << frame;
    }
    if (!sawFormat)
        return invalid(1, QStringLiteral("expected \"format veskora-character 1\""));
    if (definition.name.isEmpty() || definition.size.isEmpty() || definition.parts.isEmpty())
        return invalid(int(lines.size()), QStringLiteral("character name, size and parts are required"));
    for (const QString &mouth : {definition.mouthOpen, definition.mouthClosed}) {
        const bool known = mouth.isEmpty()
            || std::any_of(definition.parts.cbegin(), definition.parts.cend(),
                           [&](const CharacterPart &p) { return p.name == mouth; });
        if (!known)
            return invalid(int(lines.size()), QStringLiteral("mouth part \"%1\" does not exist").arg(mouth));
    }
    for (const CharacterAnimation &animation : std::as_const(definition.animations)) {
        if (animation.frames.isEmpty())
            return invalid(int(lines.size()), QStringLiteral("animation \"%1\" has no frames").arg(animation.name));
    }
    for (const CharacterPart &part : std::as_const(definition.parts)) {
        const QByteArray document = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 "
            + QByteArray::number(definition.size.width()) + ' ' + QByteArray::number(definition.size.height())
            + "\"><defs>" + definition.defs + "</defs>" + part.svg + "</svg>";
        if (!QSvgRenderer(document).isValid())
            return invalid(int(lines.size()), QStringLiteral("part \"%1\" is not valid SVG").arg(part.name));
    }
    return definition;
}

Result<CharacterDefinition> loadCharacterFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{ErrorCode::FileNotFound, path};
    auto result = parseCharacterFile(file.readAll());
    if (!result)
        return Error{result.error().code, path + QStringLiteral(": ") + result.error().detail};
    return result;
}

CharacterRenderer::CharacterRenderer(const CharacterDefinition &definition)
    : m_definition(&definition)
{
    for (const CharacterPart &part : definition.parts) {
        const QByteArray document = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 "
            + QByteArray::number(definition.size.width()) + ' ' + QByteArray::number(definition.size.height())
            + "\"><defs>" + definition.defs + "</defs>" + part.svg + "</svg>";
        m_parts.push_back(std::make_unique<QSvgRenderer>(document));
    }
}

CharacterRenderer::~CharacterRenderer() = default;

QImage CharacterRenderer::render(const CharacterFrame *frame, bool mouthOpen, qreal scale) const
{
    const CharacterDefinition &definition = *m_definition;
    const QSize pixels = (QSizeF(definition.size) * scale).toSize();
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A part moves, fades and hides with its parent.
    QHash<QString, QTransform> transforms;
    QHash<QString, qreal> opacities;
    QHash<QString, bool> visible;
    for (qsizetype i = 0; i < definition.parts.size(); ++i) {
        const CharacterPart &part = definition.parts.at(i);
        const PartPose pose = frame ? frame->poses.value(part.name) : PartPose{};
        QTransform own;
        own.translate(part.pivot.x() + pose.dx, part.pivot.y() + pose.dy);
        own.rotate(pose.rotation);
        own.scale(pose.scaleX, pose.scaleY);
        own.translate(-part.pivot.x(), -part.pivot.y());
        const bool hasParent = !part.parent.isEmpty();
        const QTransform transform = hasParent ? own * transforms.value(part.parent) : own;
        const qreal opacity = pose.opacity * (hasParent ? opacities.value(part.parent, 1) : 1);
        bool shown = pose.shown.value_or(!part.hidden) && (!hasParent || visible.value(part.parent, true));
        transforms.insert(part.name, transform);
        opacities.insert(part.name, opacity);
        visible.insert(part.name, shown);

        if (mouthOpen && !definition.mouthOpen.isEmpty() && part.name == definition.mouthOpen)
            shown = true;
        if (mouthOpen && !definition.mouthClosed.isEmpty() && part.name == definition.mouthClosed)
            shown = false;
        if (!shown || opacity <= 0)
            continue;
        painter.save();
        painter.setOpacity(opacity);
        painter.setTransform(transform * QTransform::fromScale(scale, scale));
        m_parts.at(std::size_t(i))->render(&painter, QRectF(QPointF(0, 0), QSizeF(definition.size)));
        painter.restore();
    }
    return image;
}

} // namespace Platform
