// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QString>

namespace Lessons {

/// The texts a lesson window shows in one interface language.
struct LessonCaptions {
    QString back;
    QString next;
    QString repeat;
    QString last;
    QString end;
    QString nextLesson;
    QString dictionary;
    QString dictionaryTip;
    /// Put before the lesson number in the lesson caption ("Lesson " + "5").
    QString lessonPrefix;
    QString sliderTip;
};

/// Which of the lesson windows' caption sets is meant; they differ in a few words.
enum class CaptionSet {
    /// The lesson windows for lessons 2 to 38.
    Lesson,
    /// The same with the Spanish "End lesson" of the window for lessons 10 to 38.
    ThirdLesson,
    /// The alphabet window, with its own Swedish and Finnish "Start next lesson".
    Alphabet,
};

/// The captions of \a set for the interface language \a language (110 … 160); nothing for
/// any other code, so a window keeps its English design texts.
std::optional<LessonCaptions> lessonCaptions(int language, CaptionSet set = CaptionSet::Lesson);

/// The lesson table column that holds the translation into \a language ("EnglishText" …),
/// or an empty text for an unknown language code.
QString translationColumn(int language);

/// The title of the message shown when the character cannot speak Russian.
QString installCyrillicTitle();

/// The text of that message in \a language. An unknown language code gets the English text,
/// so the learner is never sent away without a word.
QString installCyrillicMessage(int language);

} // namespace Lessons
