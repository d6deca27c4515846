// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/speakingitem.h"

#include "course/practicesession.h"
#include "course/recordingname.h"
#include "course/stresstable.h"
#include "practice/practicespeaker.h"
#include "speaking/speakingpanel.h"

namespace Practice {

void presentSpeaking(Speaking::SpeakingPanel *panel, PracticeSpeaker &speaker, const Course::PracticeItem *item,
                     bool readable)
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
    // The speech comes only while the panel lives, and the panel drops one that comes
    // after it has moved on to another phrase.
    speaker.requestSpeech(russian, panel, [panel, russian](const Platform::Utterance &speech) {
        panel->setGenieSpeech(russian, speech);
    });
}

} // namespace Practice
