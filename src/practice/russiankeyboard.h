// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QWidget>

class QLineEdit;

namespace Practice {

/// An on-screen Russian keyboard in the usual layout: a key per letter, a space bar and a
/// key that deletes the letter before the cursor. Keys type into the box they are attached
/// to. The keys take no keyboard focus, so Tab passes over them; each is named for screen
/// readers.
class RussianKeyboard final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RussianKeyboard)
public:
    explicit RussianKeyboard(QWidget *parent = nullptr);
    ~RussianKeyboard() override;

    /// The box the keys type into; may be null.
    void attachTo(QLineEdit *box) { m_box = box; }
    /// Names the keyboard, its space bar and its delete key in interface language \a language.
    void setLanguage(int language);

private:
    void type(const QString &text);
    void deleteBack();

    QLineEdit *m_box = nullptr;
};

} // namespace Practice
