// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QLoggingCategory>

/// The dictionary library's log: QT_LOGGING_RULES="veskora.dictionary.debug=true" shows it.
Q_DECLARE_LOGGING_CATEGORY(lcDictionary)
