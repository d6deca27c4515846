// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QObject>

class QPlainTextEdit;
class QWidget;

namespace Platform {
class DataSource;
}

namespace Lessons {

class RussianTextView;
struct LessonServices;

/// The Russian text of a lesson window's current record, as Data1 moves through the lesson:
/// shows it in txtTexten as the learner chose (through a RussianTextView) whenever the
/// record or its text changes, and says recordChanged() when a record with another stored
/// text has become current. A move to a record with the same stored text shows and speaks
/// nothing new; the comparison is of stored texts, so stress marks never make a record new.
class CurrentRecordText final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CurrentRecordText)
public:
    /// \a box, \a below, \a data and \a services must outlive it; \a window holds it and the
    /// transliteration line.
    CurrentRecordText(QPlainTextEdit &box, QWidget &below, const Platform::DataSource &data,
                      const LessonServices &services, QWidget *window);
    ~CurrentRecordText() override;

    /// The lesson whose records are shown: the place of their own stress decisions.
    void setLesson(int lesson);
    /// The text as the window speaks it: decoded, without stress marks.
    QString spokenText() const;

Q_SIGNALS:
    /// A record with another stored Russian text has become current and is shown.
    void recordChanged();

private:
    void onBoundTextChanged(QWidget *control);

    QPlainTextEdit &m_box;
    const Platform::DataSource &m_data;
    /// Owned by the window, like the line it adds.
    RussianTextView *m_view = nullptr;
    /// The stored text of the record last shown.
    std::optional<QString> m_shownText;
};

} // namespace Lessons
