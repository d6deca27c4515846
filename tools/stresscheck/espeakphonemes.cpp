// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "espeakphonemes.h"

#include <array>

#include <espeak-ng/speak_lib.h>

#include <QRegularExpression>

namespace StressCheck {

namespace {

int ignoreAudio(short *, int, espeak_EVENT *)
{
    return 0;
}

// The vowel phonemes of the Russian voice, longer names first so that "a#" wins over "a".
constexpr std::array<const char16_t *, 28> kVowels = {
    u"u\"", u"a#", u"E#", u"E2", u"E3", u"I#", u"I2", u"I3", u"u#", u"V#", u"ja", u"ju", u"V", u"i",
    u"A",   u"o",  u"a",  u"e",  u"u",  u"y",  u"I",  u"E",  u"8",  u"@",  u"O",  u"Y",  u"0", u"3"};

} // namespace

EspeakPhonemes::~EspeakPhonemes()
{
    if (m_trace) {
        espeak_SetPhonemeTrace(0, nullptr);
        std::fclose(m_trace);
    }
    std::free(m_buffer);
}

bool EspeakPhonemes::start(QString *error)
{
    if (m_trace)
        return true;
    if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) <= 0) {
        *error = QStringLiteral("espeak-ng could not start (no espeak-ng-data?)");
        return false;
    }
    if (espeak_SetVoiceByName("ru") != EE_OK) {
        *error = QStringLiteral("espeak-ng has no voice \"ru\"");
        return false;
    }
    m_trace = open_memstream(&m_buffer, &m_size);
    if (!m_trace) {
        *error = QStringLiteral("no memory for the phoneme trace");
        return false;
    }
    espeak_SetSynthCallback(ignoreAudio);
    espeak_SetPhonemeTrace(espeakPHONEMES_SHOW, m_trace);
    return true;
}

QString EspeakPhonemes::phonemes(const QString &text)
{
    if (!m_trace)
        return {};
    std::fflush(m_trace);
    const size_t before = m_size;
    const QByteArray utf8 = text.toUtf8();
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8 | espeakPHONEMES,
                 nullptr, nullptr);
    espeak_Synchronize();
    std::fflush(m_trace);
    return QString::fromUtf8(m_buffer + before, qsizetype(m_size - before));
}

QStringList traceWords(const QString &trace)
{
    static const QRegularExpression otherLanguage(QStringLiteral("\\((?!ru\\))[a-z-]+\\).*?(\\(ru\\)|$)"),
                                                  QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression pause(QStringLiteral("_[:!]*"));
    QString text = trace;
    text.replace(otherLanguage, QStringLiteral(" "));
    text.replace(pause, QStringLiteral(" "));
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QList<PhonemeVowel> phonemeVowels(QStringView word)
{
    QList<PhonemeVowel> vowels;
    QChar mark;
    qsizetype i = 0;
    while (i < word.size()) {
        if (word.at(i) == u'\'' || word.at(i) == u',') {
            mark = word.at(i);
            ++i;
            continue;
        }
        if (word.mid(i).startsWith(u"@-") || word.mid(i).startsWith(u"I^")) {
            i += 2;
            continue;
        }
        const auto vowel = std::find_if(kVowels.cbegin(), kVowels.cend(), [&](const char16_t *name) {
            return word.mid(i).startsWith(QStringView(name));
        });
        if (vowel == kVowels.cend()) {
            ++i;
            continue;
        }
        const QStringView name(*vowel);
        vowels.append({name.toString(), mark == u'\'', mark == u','});
        mark = QChar();
        i += name.size();
    }
    return vowels;
}

} // namespace StressCheck
