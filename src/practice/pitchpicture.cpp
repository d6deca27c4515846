// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/pitchpicture.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

namespace Practice {

namespace {

constexpr int kMargin = 6;
constexpr int kNameWidth = 70;
// The scale shows at least this many semitones either side of the middle pitch.
constexpr double kLeastRange = 6;

const QColor kGenieColour(40, 90, 200);
const QColor kLearnerColour(210, 100, 20);
const QColor kStressShade(255, 230, 150);

struct Scale {
    QRectF plot;
    double durationMs;
    double low;
    double high;

    double x(double ms) const { return plot.left() + plot.width() * std::clamp(ms / durationMs, 0.0, 1.0); }
    double y(const QRectF &band, double semitones) const
    {
        return band.bottom() - band.height() * (semitones - low) / (high - low);
    }
};

void drawCurve(QPainter &painter, const QList<Course::PitchPoint> &curve, const Scale &scale, const QRectF &band,
               const QColor &colour)
{
    QPainterPath path;
    int run = -1;
    for (const Course::PitchPoint &point : curve) {
        const QPointF at(scale.x(point.ms), scale.y(band, point.semitones));
        if (point.run != run)
            path.moveTo(at);
        else
            path.lineTo(at);
        run = point.run;
    }
    painter.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// \a syllable with the stress mark after its vowel.
QString withAccent(const QString &syllable)
{
    for (qsizetype i = 0; i < syllable.size(); ++i) {
        if (QStringView(u"аеёиоуыэюяАЕЁИОУЫЭЮЯ").contains(syllable.at(i)))
            return syllable.left(i + 1) + QChar(0x0301) + syllable.mid(i + 1);
    }
    return syllable;
}

void drawBandFrame(QPainter &painter, const QRectF &band, const Scale &scale, const QPalette &palette)
{
    painter.setPen(QPen(palette.color(QPalette::Mid), 1, Qt::DotLine));
    const double middle = scale.y(band, 0);
    painter.drawLine(QPointF(band.left(), middle), QPointF(band.right(), middle));
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawRect(band);
}

} // namespace

PitchPicture::PitchPicture(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void PitchPicture::setGenie(const QList<Course::PitchPoint> &curve, const QList<Course::TimedSyllable> &syllables,
                            double durationMs)
{
    m_genie = curve;
    m_syllables = syllables;
    m_durationMs = durationMs;
    m_learner.clear();
    m_learnerMessage.clear();
    updateDescription();
    update();
}

void PitchPicture::setLearner(const QList<Course::PitchPoint> &curve)
{
    m_learner = curve;
    m_learnerMessage.clear();
    updateDescription();
    update();
}

void PitchPicture::setLearnerMessage(const QString &message)
{
    m_learner.clear();
    m_learnerMessage = message;
    updateDescription();
    update();
}

void PitchPicture::setBandNames(const QString &genie, const QString &learner)
{
    m_genieName = genie;
    m_learnerName = learner;
    updateDescription();
    update();
}

void PitchPicture::setSyllablesShown(bool shown)
{
    m_syllablesShown = shown;
    updateDescription();
    update();
}

void PitchPicture::updateDescription()
{
    // A screen reader hears the stressed syllables only once the phrase may be read.
    QStringList stressed;
    for (const Course::TimedSyllable &syllable : std::as_const(m_syllables)) {
        if (syllable.stressed && m_syllablesShown)
            stressed << syllable.text;
    }
    setAccessibleDescription(QStringList{m_genieName, stressed.join(u' '), m_learnerMessage}.join(u' ').trimmed());
}

QSize PitchPicture::sizeHint() const
{
    return {520, 230};
}

QSize PitchPicture::minimumSizeHint() const
{
    return {240, 150};
}

void PitchPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int labelHeight = metrics.height() + 4;
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const double bandHeight = (area.height() - labelHeight - kMargin) / 2;
    const QRectF genieBand(area.left() + kNameWidth, area.top(), area.width() - kNameWidth, bandHeight);
    const QRectF syllableRow(genieBand.left(), genieBand.bottom(), genieBand.width(), labelHeight);
    const QRectF learnerBand(genieBand.left(), syllableRow.bottom() + kMargin, genieBand.width(), bandHeight);

    double low = -kLeastRange;
    double high = kLeastRange;
    for (const auto *curve : {&m_genie, &m_learner}) {
        for (const Course::PitchPoint &point : *curve) {
            low = std::min(low, point.semitones - 1);
            high = std::max(high, point.semitones + 1);
        }
    }
    const Scale scale{genieBand, std::max(1.0, m_durationMs), low, high};

    // The stressed syllables' stretches, shaded through both bands.
    for (const Course::TimedSyllable &syllable : std::as_const(m_syllables)) {
        if (!syllable.stressed)
            continue;
        const double left = scale.x(double(syllable.startMs));
        const double right = scale.x(double(syllable.endMs));
        painter.fillRect(QRectF(left, genieBand.top(), right - left, learnerBand.bottom() - genieBand.top()),
                         kStressShade);
    }
    drawBandFrame(painter, genieBand, scale, palette());
    drawBandFrame(painter, learnerBand, scale, palette());

    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(area.left(), genieBand.top(), kNameWidth - 4, genieBand.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_genieName);
    painter.drawText(QRectF(area.left(), learnerBand.top(), kNameWidth - 4, learnerBand.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_learnerName);

    // Syllables under the genie's curve, each centred on its stretch; the stressed one bold
    // with an accent on its vowel. Hidden syllables are dots, the stressed one larger.
    QFont bold = font();
    bold.setBold(true);
    for (const Course::TimedSyllable &syllable : std::as_const(m_syllables)) {
        const double left = scale.x(double(syllable.startMs));
        const double right = scale.x(double(syllable.endMs));
        const QRectF cell(left, syllableRow.top(), std::max(1.0, right - left), syllableRow.height());
        painter.setFont(syllable.stressed ? bold : font());
        painter.setPen(palette().color(QPalette::Text));
        const QString dot = syllable.stressed ? QStringLiteral("\u25CF") : QStringLiteral("\u00B7");
        const QString text = !m_syllablesShown ? dot : syllable.stressed ? withAccent(syllable.text) : syllable.text;
        painter.drawText(cell.adjusted(-20, 0, 20, 0), Qt::AlignCenter, text);
        painter.setPen(QPen(palette().color(QPalette::Mid), 1));
        painter.drawLine(QPointF(left, syllableRow.top()), QPointF(left, syllableRow.top() + 4));
    }
    painter.setFont(font());

    drawCurve(painter, m_genie, scale, genieBand, kGenieColour);
    if (!m_learner.isEmpty()) {
        drawCurve(painter, m_learner, scale, learnerBand, kLearnerColour);
    } else if (!m_learnerMessage.isEmpty()) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(learnerBand.adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap, m_learnerMessage);
    }
}

} // namespace Practice
