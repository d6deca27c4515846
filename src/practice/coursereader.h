// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>

#include "course/practiceitem.h"

namespace Platform {
class AppPaths;
class DatabaseEngine;
} // namespace Platform

namespace Practice {

/// The practice items of every lesson, read from Russian.mdb of the application folder
/// (opened read-only with the course password). A lesson table that cannot be read adds
/// nothing; a course file that cannot be opened gives no items at all.
QList<Course::PracticeItem> readPracticeItems(Platform::DatabaseEngine &databases, const Platform::AppPaths &paths);

} // namespace Practice
