// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QWidget>

#include "course/pitchcomparison.h"
#include "course/syllabletiming.h"

namespace Practice {

/// Two pitch curves one above the other on the genie's time line: the genie's melody with
/// the phrase's syllables under it (the stressed syllable of each word marked and its
/// stretch shaded), and below it the learner's melody moved onto the genie's moments. Both
/// are in semitones around each speaker's own middle pitch, on the same scale.
///
/// Without a recording the lower band shows a hint; a recording without voiced sound shows
/// the message it is given instead of an empty band. While the phrase is not to be read yet,
/// each syllable is a dot under its stretch (the stressed one larger): the rhythm and the
/// stress without the words.
class PitchPicture final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PitchPicture)
public:
    explicit PitchPicture(QWidget *parent = nullptr);

    /// The genie's voiced frames and syllables over \a durationMs; clears the learner's band.
    void setGenie(const QList<Course::PitchPoint> &curve, const QList<Course::TimedSyllable> &syllables,
                  double durationMs);
    /// The learner's frames on the genie's time line (PitchAlignment::learner).
    void setLearner(const QList<Course::PitchPoint> &curve);
    /// Shows \a message in the learner's band instead of a curve.
    void setLearnerMessage(const QString &message);
    /// The names of the two bands.
    void setBandNames(const QString &genie, const QString &learner);
    /// Whether the syllables' text is shown under the genie's melody, or only a dot each.
    void setSyllablesShown(bool shown);
    bool syllablesShown() const { return m_syllablesShown; }

    QList<Course::TimedSyllable> syllables() const { return m_syllables; }
    QString learnerMessage() const { return m_learnerMessage; }
    bool showsLearnerCurve() const { return !m_learner.isEmpty(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateDescription();

    QList<Course::PitchPoint> m_genie;
    QList<Course::PitchPoint> m_learner;
    QList<Course::TimedSyllable> m_syllables;
    double m_durationMs = 0;
    QString m_learnerMessage;
    QString m_genieName;
    QString m_learnerName;
    bool m_syllablesShown = true;
};

} // namespace Practice
