// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

namespace Course {
class StressTable;
}
namespace Platform {
class RecordingStore;
class SoundPlayer;
class SoundRecorder;
} // namespace Platform

namespace Practice {

/// What the speaking panel needs from the program. Nothing is owned; every pointer may be
/// null: without a recorder the Record control is off (as for a machine without an input),
/// without a player nothing is played back, without a store nothing is kept, without a
/// stress table no syllable is marked but those with ё and words of one syllable.
struct SpeakingServices {
    Platform::SoundRecorder *recorder = nullptr;
    Platform::SoundPlayer *player = nullptr;
    Platform::RecordingStore *recordings = nullptr;
    /// The course's stress table, read when first asked for; may be unset or give null.
    std::function<const Course::StressTable *()> stress;
    /// The learner's choice to keep their last recording of each phrase; kept when unset.
    std::function<bool()> keepRecordings;

    bool keepsRecordings() const { return !keepRecordings || keepRecordings(); }
};

} // namespace Practice
