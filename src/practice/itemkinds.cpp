// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/itemkinds.h"

#include <algorithm>
#include <array>

#include <QStackedWidget>

#include "practice/exercisepanels.h"

namespace Practice {

namespace {

template<typename View>
ItemView *make(QWidget *parent)
{
    return new View(parent);
}

using Course::Exercise;

// A new kind of item is a row here, an Exercise in course/exercise.h (with its stored name
// and the session's rule for when to ask it), its captions in captions/practice.txt and,
// unless an existing view fits, an ItemView of its own.
const std::array kKinds = {
    ItemKind{Exercise::ListenChoose, "taskListenChoose", "hintChoice", &make<ChoicePanel>, false},
    ItemKind{Exercise::ReadChoose, "taskReadChoose", "hintRead", &make<ChoicePanel>, true},
    ItemKind{Exercise::ListenType, "taskListenType", "hintType", &make<TypingPanel>, true},
    ItemKind{Exercise::Recall, "taskRecall", "hintRecall", &make<RecallPanel>, false},
    ItemKind{Exercise::LetterSound, "taskLetterSound", "hintChoice", &make<ChoicePanel>, false},
    // Repeating is graded as recall is: the learner shows the phrase and grades themselves.
    ItemKind{Exercise::ListenRepeat, "taskListenRepeat", "hintListenRepeat", &make<RecallPanel>, false},
};

} // namespace

std::span<const ItemKind> itemKinds()
{
    return kKinds;
}

const ItemKind &itemKind(Course::Exercise exercise)
{
    const auto found = std::find_if(kKinds.begin(), kKinds.end(),
                                    [exercise](const ItemKind &kind) { return kind.exercise == exercise; });
    Q_ASSERT(found != kKinds.end());
    return *found;
}

ItemViews::ItemViews(QStackedWidget &stack)
{
    QList<std::pair<ItemView *(*)(QWidget *), ItemView *>> built;
    for (const ItemKind &kind : kKinds) {
        const auto same = std::find_if(built.cbegin(), built.cend(),
                                       [&kind](const auto &made) { return made.first == kind.makeView; });
        ItemView *view = same == built.cend() ? nullptr : same->second;
        if (!view) {
            view = kind.makeView(&stack);
            stack.addWidget(view);
            built.append({kind.makeView, view});
            m_all.append(view);
        }
        m_views.insert(kind.exercise, view);
    }
}

ItemView &ItemViews::viewFor(Course::Exercise exercise) const
{
    ItemView *view = m_views.value(exercise);
    Q_ASSERT(view);
    return *view;
}

QList<ItemView *> ItemViews::all() const
{
    return m_all;
}

} // namespace Practice
