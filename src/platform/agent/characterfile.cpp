// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/characterfile.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTransform>

#include "platform/ui/pictures.h"

namespace Platform {

namespace {

namespace Limits = CharacterFileLimits;

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

// What a too long name shows of itself in a message.
QString shortened(const QString &text)
{
    return text.size() <= Limits::kMaxNameLength ? text : text.left(Limits::kMaxNameLength) + u'…';
}

std::optional<QString> checkName(const QString &what, const QString &name)
{
    if (name.size() <= Limits::kMaxNameLength)
        return std::nullopt;
    return QStringLiteral("%1 \"%2\" is longer than %3 characters")
        .arg(what, shortened(name))
        .arg(Limits::kMaxNameLength);
}

// Applies "part.property=value" to a frame; an empty result on success.
std::optional<QString> applyPose(const QSet<QString> &parts, CharacterFrame &frame, const QString &op)
{
    const qsizetype dot = op.indexOf(u'.');
    const qsizetype equals = op.indexOf(u'=');
    if (dot <= 0 || equals <= dot + 1)
        return QStringLiteral("expected part.property=value, got \"%1\"").arg(shortened(op));
    const QString part = op.left(dot);
    const QString property = op.mid(dot + 1, equals - dot - 1);
    const auto value = number(op.mid(equals + 1));
    if (!parts.contains(part))
        return QStringLiteral("unknown part \"%1\"").arg(shortened(part));
    if (!value)
        return QStringLiteral("not a number in \"%1\"").arg(shortened(op));
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
        return QStringLiteral("unknown property \"%1\"").arg(shortened(property));
    return std::nullopt;
}

// The document a part is drawn from: its shapes with the shared definitions.
QByteArray partDocument(const CharacterDefinition &definition, const CharacterPart &part)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + QByteArray::number(definition.size.width())
        + ' ' + QByteArray::number(definition.size.height()) + "\"><defs>" + definition.defs + "</defs>" + part.svg
        + "</svg>";
}

// Reads a character file line by line. Names are looked up in sets, so a file's size costs
// time in proportion to it.
class CharacterFileReader {
public:
    Result<CharacterDefinition> read(const QByteArray &utf8);

private:
    enum class Section { Header, Defs, Part, Animation };

    std::optional<QString> sectionLine(const QString &line);
    std::optional<QString> partSection(const QStringList &words);
    std::optional<QString> headerLine(const QStringList &words, const QString &line);
    std::optional<QString> frameLine(const QStringList &words);
    std::optional<QString> drawingLine(const QString &raw);
    std::optional<QString> finish();
    /// Clears the shared definitions and the parts that refer outside the file; the number
    /// of parts left out.
    qsizetype leaveOutPartsFromOutside();

    CharacterDefinition m_definition;
    Section m_section = Section::Header;
    bool m_sawFormat = false;
    QSet<QString> m_partNames;
    QSet<QString> m_animationNames; // case-folded, as animations are looked up in any case
    int m_frames = 0;
};

std::optional<QString> CharacterFileReader::sectionLine(const QString &line)
{
    if (!line.endsWith(u']'))
        return QStringLiteral("section header without \"]\"");
    if (!m_sawFormat)
        return QStringLiteral("the file does not start with its format line");
    const QStringList words = line.mid(1, line.size() - 2).simplified().split(u' ', Qt::SkipEmptyParts);
    const QString kind = words.value(0);
    if (kind == u"defs" && words.size() == 1) {
        m_section = Section::Defs;
        return std::nullopt;
    }
    if (kind == u"part" && words.size() >= 2)
        return partSection(words);
    if (kind == u"animation" && words.size() == 2) {
        const QString &name = words.at(1);
        if (const auto error = checkName(QStringLiteral("animation"), name))
            return error;
        if (m_definition.animations.size() >= Limits::kMaxAnimations)
            return QStringLiteral("more than %1 animations").arg(Limits::kMaxAnimations);
        if (m_animationNames.contains(name.toCaseFolded()))
            return QStringLiteral("animation \"%1\" twice").arg(name);
        m_animationNames.insert(name.toCaseFolded());
        m_definition.animations << CharacterAnimation{name, {}};
        m_section = Section::Animation;
        return std::nullopt;
    }
    return QStringLiteral("unknown section \"%1\"").arg(shortened(line));
}

std::optional<QString> CharacterFileReader::partSection(const QStringList &words)
{
    CharacterPart part;
    part.name = words.at(1);
    if (const auto error = checkName(QStringLiteral("part"), part.name))
        return error;
    if (m_definition.parts.size() >= Limits::kMaxParts)
        return QStringLiteral("more than %1 parts").arg(Limits::kMaxParts);
    if (m_partNames.contains(part.name))
        return QStringLiteral("part \"%1\" twice").arg(part.name);
    for (qsizetype w = 2; w < words.size(); ++w) {
        const QString &attribute = words.at(w);
        if (attribute == u"hidden") {
            part.hidden = true;
        } else if (attribute.startsWith(u"parent=")) {
            part.parent = attribute.mid(7);
            if (!m_partNames.contains(part.parent))
                return QStringLiteral("parent \"%1\" is not an earlier part").arg(shortened(part.parent));
        } else if (attribute.startsWith(u"pivot=")) {
            const QStringList xy = attribute.mid(6).split(u',');
            const auto x = number(xy.value(0));
            const auto y = number(xy.value(1));
            if (xy.size() != 2 || !x || !y)
                return QStringLiteral("pivot needs x,y");
            part.pivot = QPointF(*x, *y);
        } else {
            return QStringLiteral("unknown part attribute \"%1\"").arg(shortened(attribute));
        }
    }
    m_partNames.insert(part.name);
    m_definition.parts << part;
    m_section = Section::Part;
    return std::nullopt;
}

std::optional<QString> CharacterFileReader::headerLine(const QStringList &words, const QString &line)
{
    if (!m_sawFormat) {
        if (words != QStringList{QStringLiteral("format"), QStringLiteral("veskora-character"), QStringLiteral("1")})
            return QStringLiteral("expected \"format veskora-character 1\"");
        m_sawFormat = true;
    } else if (words.value(0) == u"character" && words.size() == 2) {
        if (const auto error = checkName(QStringLiteral("character"), words.at(1)))
            return error;
        m_definition.name = words.at(1);
    } else if (words.value(0) == u"size" && words.size() == 3) {
        const int width = words.at(1).toInt();
        const int height = words.at(2).toInt();
        if (width < 1 || height < 1 || width > 2000 || height > 2000)
            return QStringLiteral("size out of range");
        m_definition.size = QSize(width, height);
    } else if (words.value(0) == u"mouth" && words.size() == 3) {
        m_definition.mouthOpen = words.at(1);
        m_definition.mouthClosed = words.at(2);
    } else {
        return QStringLiteral("unknown header line \"%1\"").arg(shortened(line));
    }
    return std::nullopt;
}

// "frame <ms> part.property=value …"
std::optional<QString> CharacterFileReader::frameLine(const QStringList &words)
{
    if (words.value(0) != u"frame" || words.size() < 2)
        return QStringLiteral("expected a frame line");
    if (m_frames >= Limits::kMaxFrames)
        return QStringLiteral("more than %1 frames").arg(Limits::kMaxFrames);
    if (words.size() - 2 > Limits::kMaxPropertiesPerFrame)
        return QStringLiteral("a frame sets more than %1 properties").arg(Limits::kMaxPropertiesPerFrame);
    CharacterFrame frame;
    frame.durationMs = words.at(1).toInt();
    if (frame.durationMs < 1 || frame.durationMs > 10000)
        return QStringLiteral("frame duration must be 1 to 10000 ms");
    for (qsizetype w = 2; w < words.size(); ++w) {
        if (const auto error = applyPose(m_partNames, frame, words.at(w)))
            return error;
    }
    m_definition.animations.last().frames << frame;
    ++m_frames;
    return std::nullopt;
}

// SVG keeps its lines as they are.
std::optional<QString> CharacterFileReader::drawingLine(const QString &raw)
{
    QByteArray &target = m_section == Section::Defs ? m_definition.defs : m_definition.parts.last().svg;
    target += raw.toUtf8() + '\n';
    if (target.size() > Limits::kMaxSvgSectionLength)
        return QStringLiteral("a drawing holds more than %1 bytes").arg(Limits::kMaxSvgSectionLength);
    return std::nullopt;
}

Result<CharacterDefinition> CharacterFileReader::read(const QByteArray &utf8)
{
    const QStringList lines = QString::fromUtf8(utf8).split(u'\n');
    for (int index = 0; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        const QString &raw = lines.at(index);
        const QString line = raw.trimmed();
        std::optional<QString> error;
        if (line.startsWith(u'['))
            error = sectionLine(line);
        else if (m_section == Section::Defs || m_section == Section::Part)
            error = drawingLine(raw);
        else if (line.isEmpty() || line.startsWith(u'#'))
            continue; // outside drawings blank lines and comments are skipped
        else if (m_section == Section::Header)
            error = headerLine(line.simplified().split(u' '), line);
        else
            error = frameLine(line.simplified().split(u' '));
        if (error)
            return invalid(lineNumber, *error);
    }
    if (const auto error = finish())
        return invalid(m_sawFormat ? int(lines.size()) : 1, *error);
    return std::move(m_definition);
}

std::optional<QString> CharacterFileReader::finish()
{
    if (!m_sawFormat)
        return QStringLiteral("expected \"format veskora-character 1\"");
    if (m_definition.name.isEmpty() || m_definition.size.isEmpty() || m_definition.parts.isEmpty())
        return QStringLiteral("character name, size and parts are required");
    for (const QString &mouth : {m_definition.mouthOpen, m_definition.mouthClosed}) {
        if (!mouth.isEmpty() && !m_partNames.contains(mouth))
            return QStringLiteral("mouth part \"%1\" does not exist").arg(shortened(mouth));
    }
    for (const CharacterAnimation &animation : std::as_const(m_definition.animations)) {
        if (animation.frames.isEmpty())
            return QStringLiteral("animation \"%1\" has no frames").arg(animation.name);
    }
    // Nothing reaches the SVG renderer before it is known to draw from the file alone: the
    // renderer would open any file a drawing names, a device such as /dev/zero among them.
    if (leaveOutPartsFromOutside() == m_definition.parts.size())
        return QStringLiteral("no part draws from the file alone: ") + m_definition.refusedDrawings.join(u"; ");
    for (const CharacterPart &part : std::as_const(m_definition.parts)) {
        if (!QSvgRenderer(partDocument(m_definition, part)).isValid())
            return QStringLiteral("part \"%1\" is not valid SVG").arg(part.name);
    }
    return std::nullopt;
}

qsizetype CharacterFileReader::leaveOutPartsFromOutside()
{
    const QByteArray defs = "<svg xmlns=\"http://www.w3.org/2000/svg\"><defs>" + m_definition.defs + "</defs></svg>";
    if (const Status status = Pictures::checkSelfContainedSvg(defs); status.failed()) {
        m_definition.refusedDrawings << QStringLiteral("[defs]: ") + status.error().detail;
        m_definition.defs.clear();
    }
    // Each part is checked as it is drawn, with the definitions.
    qsizetype refusedParts = 0;
    for (CharacterPart &part : m_definition.parts) {
        if (const Status status = Pictures::checkSelfContainedSvg(partDocument(m_definition, part)); status.failed()) {
            m_definition.refusedDrawings << QStringLiteral("part %1: ").arg(part.name) + status.error().detail;
            part.svg.clear();
            ++refusedParts;
        }
    }
    return refusedParts;
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
    if (utf8.size() > Limits::kMaxFileBytes)
        return invalid(1, QStringLiteral("the file holds more than %1 bytes").arg(Limits::kMaxFileBytes));
    return CharacterFileReader().read(utf8);
}

Result<CharacterDefinition> loadCharacterFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Error{ErrorCode::FileNotFound, path};
    // A link to a device or a pipe (/dev/zero) would never end.
    if (!info.isFile())
        return Error{ErrorCode::CharacterFileInvalid, path + QStringLiteral(": not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{ErrorCode::FileNotFound, path};
    const QByteArray bytes = file.read(Limits::kMaxFileBytes + 1);
    if (bytes.size() > Limits::kMaxFileBytes)
        return Error{ErrorCode::CharacterFileInvalid,
                     path + QStringLiteral(": more than %1 bytes").arg(Limits::kMaxFileBytes)};
    auto result = parseCharacterFile(bytes);
    if (!result)
        return Error{result.error().code, path + QStringLiteral(": ") + result.error().detail};
    return result;
}

CharacterRenderer::CharacterRenderer(const CharacterDefinition &definition)
    : m_definition(&definition)
{
    for (const CharacterPart &part : definition.parts)
        m_parts.push_back(std::make_unique<QSvgRenderer>(partDocument(definition, part)));
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
