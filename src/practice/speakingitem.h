// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

namespace Course {
struct PracticeItem;
}
namespace Practice {

class PracticeSpeaker;
class SpeakingPanel;

/// Puts \a item's phrase into \a panel and shows it, the window around it grown to hold it,
/// or, without an item, stops and hides the panel. The genie's speech of the phrase is
/// asked of \a speaker and reaches the panel when it comes, so the window never waits for
/// the synthesiser. While \a readable is false the phrase's syllables stay hidden (the
/// learner repeats what they heard). A null \a panel (no speaking here) does nothing.
void presentSpeaking(SpeakingPanel *panel, PracticeSpeaker &speaker, const Course::PracticeItem *item,
                     bool readable = true);

} // namespace Practice
