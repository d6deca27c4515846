// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <span>

#include <QHash>
#include <QList>

#include "course/exercise.h"

class QStackedWidget;
class QWidget;

namespace Practice {

class ItemView;

/// How the practice window asks one kind of item: the caption keys of its task line and of
/// its key hint, the view that asks it (kinds naming the same maker share one view), and
/// whether the genie says the phrase once the answer is recorded.
struct ItemKind {
    Course::Exercise exercise;
    const char *taskKey;
    const char *hintKey;
    ItemView *(*makeView)(QWidget *parent);
    bool saysAfterAnswer;
};

/// Every kind the practice window asks, one row each.
std::span<const ItemKind> itemKinds();
/// The row of \a exercise; every exercise has one.
const ItemKind &itemKind(Course::Exercise exercise);

/// The views of all kinds, built once each onto \a stack.
class ItemViews final {
public:
    explicit ItemViews(QStackedWidget &stack);

    ItemView &viewFor(Course::Exercise exercise) const;
    /// Each view once, in the order the kinds list them.
    QList<ItemView *> all() const;

private:
    QHash<Course::Exercise, ItemView *> m_views;
    QList<ItemView *> m_all;
};

} // namespace Practice
