// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/practicelook.h"

#include <QLabel>
#include <QPushButton>

#include "platform/ui/markfont.h"
#include "platform/ui/twips.h"

namespace Practice {

QFont russianFont(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    // Marked text needs a face that puts the accent on its letter.
    return Platform::fontPlacingMarks(font);
}

QFont captionFont(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, const QColor &colour)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    Platform::Twips::setButtonColour(button, colour);
    setCaption(button, caption);
    return button;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QColor &colour, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    // Course texts are shown as they are, never read as markup; labels that show marked
    // letters set rich text themselves and escape what they show.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    Platform::Twips::setColours(label, colour, Qt::white);
    return label;
}

void setCaption(QPushButton *button, const QString &caption)
{
    button->setText(caption);
    button->setAccessibleName(caption);
}

} // namespace Practice
