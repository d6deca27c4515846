// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QObject>
#include <QString>

namespace Course {

/// Where the learner's own choices are kept (how Russian text is shown, whether their
/// recordings are kept): the file Learning.ini beside the course's settings file, group
/// [Learning], each key "true" or "false".
namespace LearningKeys {
inline const QString kFileName = QStringLiteral("Learning.ini");
inline const QString kSection = QStringLiteral("Learning");
inline const QString kStressMarks = QStringLiteral("StressMarks");
inline const QString kTransliteration = QStringLiteral("Transliteration");
inline const QString kKeepRecordings = QStringLiteral("KeepRecordings");
} // namespace LearningKeys

/// How the learner wants Russian text shown, and whether their voice is kept. The defaults
/// are what a learner who never chose gets: stress marks on, no transliteration, the last
/// recording of each phrase kept.
struct LearningChoices {
    /// An acute accent after the stressed vowel of every word of two or more syllables.
    bool stressMarks = true;
    /// A line under the Russian text in the interface language's own transliteration.
    bool transliteration = false;
    /// The last recording of each phrase is kept for the learner to hear their progress.
    bool keepRecordings = true;

    /// The choices from their stored texts; a text that is neither "true" nor "false" (in
    /// any case, "1" and "0" too) — missing, empty or garbled — gives that choice's default.
    static LearningChoices fromStored(const QString &stressMarks, const QString &transliteration,
                                      const QString &keepRecordings = QString());
    /// The stored text of a choice: "true" or "false".
    static QString storedText(bool on);

    bool operator==(const LearningChoices &) const = default;
};

/// The choices in force for the whole program, owned by the shell and handed to every
/// window that shows Russian text: the windows read them when they render and re-render
/// when choicesChanged() comes. Storing them is the owner's business.
class LearningChoicesNotifier final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LearningChoicesNotifier)
public:
    explicit LearningChoicesNotifier(QObject *parent = nullptr);
    ~LearningChoicesNotifier() override;

    LearningChoices choices() const { return m_choices; }
    /// Puts \a choices in force; emits choicesChanged() when they differ from those before.
    void setChoices(const LearningChoices &choices);

Q_SIGNALS:
    void choicesChanged(const Course::LearningChoices &choices);

private:
    LearningChoices m_choices;
};

/// The choices of \a notifier, or the defaults when there is none.
LearningChoices choicesOf(const LearningChoicesNotifier *notifier);

} // namespace Course
