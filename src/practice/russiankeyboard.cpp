// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/russiankeyboard.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "practice/practicetexts.h"

namespace Practice {

namespace {

// The letters in the rows of a Russian keyboard.
const char16_t *const kRows[] = {u"йцукенгшщзхъ", u"фывапролджэ", u"ячсмитьбюё"};

} // namespace

RussianKeyboard::RussianKeyboard(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraKeyboard"));
    // One style for all keys: per-key style sheets would cost more than the keys themselves.
    setStyleSheet(QStringLiteral("QPushButton { background-color: #ffffff; color: #000000; border: 1px solid #808080;"
                                 " border-radius: 3px; min-width: 24px; min-height: 21px; padding: 0px; }"
                                 " QPushButton:pressed { background-color: #ffd080; }"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    int row = 0;
    for (const char16_t *letters : kRows) {
        const QString rowLetters = QString::fromUtf16(letters);
        for (qsizetype column = 0; column < rowLetters.size(); ++column) {
            const QString letter = rowLetters.mid(column, 1);
            auto *key = new QPushButton(letter, this);
            key->setObjectName(QStringLiteral("cmdKey_") + letter);
            key->setAccessibleName(letter);
            key->setFocusPolicy(Qt::NoFocus);
            connect(key, &QPushButton::clicked, this, [this, letter] { type(letter); });
            // Rows are offset by half a key, as on a real keyboard.
            grid->addWidget(key, row, int(column) * 2 + row, 1, 2);
        }
        ++row;
    }
    auto *space = new QPushButton(this);
    space->setObjectName(QStringLiteral("cmdKeySpace"));
    space->setFocusPolicy(Qt::NoFocus);
    connect(space, &QPushButton::clicked, this, [this] { type(QStringLiteral(" ")); });
    grid->addWidget(space, row, 4, 1, 14);
    auto *back = new QPushButton(QStringLiteral("⌫"), this);
    back->setObjectName(QStringLiteral("cmdKeyBackspace"));
    back->setFocusPolicy(Qt::NoFocus);
    connect(back, &QPushButton::clicked, this, &RussianKeyboard::deleteBack);
    grid->addWidget(back, row, 19, 1, 4);
    setLanguage(0);
}

RussianKeyboard::~RussianKeyboard() = default;

void RussianKeyboard::setLanguage(int language)
{
    setAccessibleName(practiceText(language, QStringLiteral("keyboard")));
    if (auto *space = findChild<QPushButton *>(QStringLiteral("cmdKeySpace")))
        space->setAccessibleName(practiceText(language, QStringLiteral("space")));
    if (auto *back = findChild<QPushButton *>(QStringLiteral("cmdKeyBackspace"))) {
        back->setAccessibleName(practiceText(language, QStringLiteral("backspace")));
        back->setToolTip(back->accessibleName());
    }
}

void RussianKeyboard::type(const QString &text)
{
    if (!m_box || !m_box->isEnabled() || m_box->isReadOnly())
        return;
    m_box->insert(text);
    m_box->setFocus(Qt::OtherFocusReason);
}

void RussianKeyboard::deleteBack()
{
    if (!m_box || !m_box->isEnabled() || m_box->isReadOnly())
        return;
    m_box->backspace();
    m_box->setFocus(Qt::OtherFocusReason);
}

} // namespace Practice
