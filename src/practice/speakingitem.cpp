// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/speakingitem.h"

#include <QLayout>
#include <QMdiSubWindow>

#include "course/practicesession.h"
#include "course/recordingname.h"
#include "course/stresstable.h"
#include "practice/practicespeaker.h"
#include "practice/speakingpanel.h"

namespace Practice {

namespace {

// The window grows to hold the panel at the size it asks for (the melodies need their
// height to be read), as the lesson windows grow to hold what they show; a frame around it
// in the main window grows with it, and the main window makes room for the frame.
void growToHold(QWidget *window)
{
    if (!window || !window->layout())
        return;
    window->layout()->activate();
    const QSize wanted = window->size().expandedTo(window->sizeHint());
    if (wanted == window->size())
        return;
    auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    const QSize border = frame ? frame->size() - window->size() : QSize();
    window->resize(wanted);
    if (frame)
        frame->resize(wanted + border);
}

} // namespace

void presentSpeaking(SpeakingPanel *panel, PracticeSpeaker &speaker, const Course::PracticeItem *item, bool readable)
{
    if (!panel)
        return;
    panel->stopAll();
    if (!item) {
        panel->hide();
        return;
    }
    const QString russian = item->spoken;
    panel->setPhrase({Course::recordingName(item->key.lesson, item->key.record),
                      russian,
                      {Course::lessonPlace(item->key.lesson), russian},
                      {}},
                     readable);
    panel->show();
    growToHold(panel->parentWidget());
    // The speech comes only while the panel lives, and the panel drops one that comes
    // after it has moved on to another phrase.
    speaker.requestSpeech(russian, panel, [panel, russian](const Platform::Utterance &speech) {
        panel->setGenieSpeech(russian, speech);
    });
}

} // namespace Practice
