// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/markfont.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QHash>
#include <QTextLayout>

namespace Platform {

bool placesMarks(const QFont &font)
{
    // A Cyrillic о with an acute accent, measured at a size large enough to tell.
    QFont probe = font;
    probe.setPixelSize(48);
    QTextLayout layout(QStringLiteral("\u043e\u0301"), probe);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QList<QPointF> positions;
    for (const QGlyphRun &run : runs)
        positions += run.positions();
    if (positions.size() < 2)
        return true;
    // A well-made face draws the accent above the letter from the baseline or moves it up
    // a little for a tall letter; never by more than half the letter's size.
    return qAbs(positions.at(1).y() - positions.at(0).y()) < probe.pixelSize() / 2;
}

QFont fontPlacingMarks(const QFont &font)
{
    static QHash<QString, QString> chosen;
    const QFontInfo resolved(font);
    const QString key =
        resolved.family() + u'/' + QString::number(resolved.weight()) + u'/' + QString::number(resolved.italic());
    auto known = chosen.constFind(key);
    if (known == chosen.cend()) {
        QString family = resolved.family();
        if (!placesMarks(font)) {
            for (const QString &candidate : {QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                                             QStringLiteral("Noto Serif"), QStringLiteral("DejaVu Sans Mono")}) {
                QFont other = font;
                other.setFamilies({candidate});
                if (QFontInfo(other).family() == candidate && placesMarks(other)) {
                    family = candidate;
                    break;
                }
            }
        }
        known = chosen.insert(key, family);
    }
    if (*known == resolved.family())
        return font;
    QFont placing = font;
    placing.setFamilies({*known});
    return placing;
}

} // namespace Platform
