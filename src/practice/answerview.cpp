// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/answerview.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QVBoxLayout>

#include "course/coursefiles.h"
#include "course/practicesession.h"
#include "platform/core/apppaths.h"
#include "platform/ui/twips.h"
#include "practice/practicelook.h"
#include "practice/practicetexts.h"
#include "practice/russiandisplay.h"

namespace Practice {

namespace {

const QColor kRightColour(0, 128, 0);
const QColor kWrongColour(192, 0, 0);
constexpr int kPictureTwips = 1400;

// A caption before a Russian text, in the captions' face and size.
QString captionHtml(const QString &caption)
{
    return QStringLiteral("<span style=\"font-family:'%1', sans-serif; font-size:10pt; color:%2\">%3</span>&nbsp; ")
        .arg(captionFont(10).families().join(QStringLiteral("', '")), QColor(Qt::black).name(),
             caption.toHtmlEscaped());
}

} // namespace

AnswerView::AnswerView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraAnswer"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    m_verdict = addLabel(this, QStringLiteral("lblVerdict"), kRightColour, captionFont(11));
    QFont bold = m_verdict->font();
    bold.setBold(true);
    m_verdict->setFont(bold);
    m_answer = addLabel(this, QStringLiteral("lblAnswer"), kRussianColour, russianFont(16));
    m_answer->setTextFormat(Qt::RichText);
    m_meaning = addLabel(this, QStringLiteral("lblMeaning"), kMeaningColour, captionFont(11));
    m_yourAnswer = addLabel(this, QStringLiteral("lblYourAnswer"), Qt::black, russianFont(14));
    m_yourAnswer->setTextFormat(Qt::RichText);
    for (QLabel *label : {m_verdict, m_answer, m_meaning, m_yourAnswer}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        texts->addWidget(label);
    }
    texts->addStretch(1);
    layout->addLayout(texts, 1);
    m_picture = addLabel(this, QStringLiteral("Picture1"), Qt::black, captionFont(10));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFixedSize(Platform::Twips::toPixels(kPictureTwips, this),
                            Platform::Twips::toPixels(kPictureTwips, this));
    layout->addWidget(m_picture, 0, Qt::AlignTop);
    clear();
}

void AnswerView::clear()
{
    for (QLabel *label : {m_verdict, m_answer, m_meaning, m_yourAnswer}) {
        label->clear();
        label->setAccessibleName(QString());
        label->hide();
    }
    m_picture->clear();
    m_picture->hide();
}

QString AnswerView::markedText(const QList<Course::AnswerCheck::Piece> &pieces)
{
    QString html;
    for (const Course::AnswerCheck::Piece &piece : pieces) {
        const QString text = piece.text.toHtmlEscaped();
        html += piece.differs
            ? QStringLiteral("<span style=\"background-color:%1; text-decoration:underline\">%2</span>")
                  .arg(kDifferenceColour.name(), text)
            : text;
    }
    return html;
}

void AnswerView::showAnswer(const Course::SessionEntry &entry, const std::optional<Course::AnswerOutcome> &outcome,
                            const QString &typed, int language, const Platform::AppPaths &paths)
{
    clear();
    if (outcome) {
        const bool right = outcome->right;
        m_verdict->setText(practiceText(language, right ? QStringLiteral("right") : QStringLiteral("wrong")));
        Platform::Twips::setColours(m_verdict, right ? kRightColour : kWrongColour, Qt::white);
        m_verdict->setAccessibleName(m_verdict->text());
        m_verdict->show();
    }
    const QString answerPrefix = practiceText(language, QStringLiteral("rightAnswer")) + u' ';
    const QString shownPrefix = captionHtml(practiceText(language, QStringLiteral("rightAnswer")));
    const bool typedAnswer = entry.exercise == Course::Exercise::ListenType;
    if (typedAnswer) {
        const Course::AnswerCheck::Comparison comparison = Course::AnswerCheck::compare(typed, entry.item.russian);
        m_answer->setText(shownPrefix + markedText(comparison.right));
        m_yourAnswer->setText(captionHtml(practiceText(language, QStringLiteral("yourAnswer")))
                              + markedText(comparison.typed));
        m_yourAnswer->setAccessibleName(practiceText(language, QStringLiteral("yourAnswer")) + u' ' + typed);
        m_yourAnswer->show();
    } else {
        const QString shown = m_russianDisplay
            ? shownRussian(entry.item.russian, entry.item.key.lesson, *m_russianDisplay)
            : entry.item.russian;
        m_answer->setText(shownPrefix + shown.toHtmlEscaped());
    }
    m_answer->setAccessibleName(answerPrefix + entry.item.russian);
    m_answer->show();
    const QString meaning = Course::meaningFor(entry.item, language);
    if (!meaning.isEmpty()) {
        m_meaning->setText(meaning);
        m_meaning->setAccessibleName(meaning);
        m_meaning->show();
    }
    if (!entry.item.picture.isEmpty())
        showPicture(paths.join(Course::Files::kPictures + entry.item.picture));
}

void AnswerView::showPicture(const QString &path)
{
    QImageReader reader(path);
    const QSize box = m_picture->contentsRect().size();
    const QSize own = reader.size();
    const qreal ratio = m_picture->devicePixelRatioF();
    if (own.isValid() && !box.isEmpty())
        reader.setScaledSize(own.scaled(box * ratio, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return;
    image.setDevicePixelRatio(ratio);
    m_picture->setPixmap(QPixmap::fromImage(image));
    m_picture->show();
}

} // namespace Practice
