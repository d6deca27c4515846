// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

class QWidget;

namespace Platform {

/// Has assistive technology read \a box, a QPlainTextEdit or QLineEdit, without the
/// characters of \a hidden: marks the box shows to sighted readers only. The box's value,
/// text, caret, selection and character positions are given in terms of the text without
/// them; what the box shows and what its text() returns do not change. Call it before the
/// box is first shown, so that assistive technology never sees it otherwise.
void readWithoutCharacters(QWidget *box, const QString &hidden);

} // namespace Platform
