#include "Narrator.h"

#include <QLocale>
#include <QTextToSpeech>

#include <cstdio>

namespace kelvora {

Narrator::Narrator(QObject *parent) : QObject(parent) {}

Narrator::~Narrator() = default;

void Narrator::prepare()
{
    if (m_prepared)
        return;
    m_prepared = true;
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.isEmpty()) {
        m_silent = true;
        tell(QStringLiteral("no speech engine is installed; the explanations are not spoken"));
        return;
    }
    // speech-dispatcher where it is there: it speaks with the system's voices, espeak-ng's among them.
    const QString engine = engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : engines.first();
    m_speech = new QTextToSpeech(engine, this);
    if (m_speech->state() == QTextToSpeech::Error) {
        m_silent = true;
        tell(QStringLiteral("the speech engine '%1' does not work; the explanations are not spoken").arg(engine));
        return;
    }
    speakCurrent();
}

void Narrator::say(const QString &text, const QString &languageTag)
{
    m_text = text;
    m_tag = languageTag;
    speakCurrent();
}

void Narrator::repeat()
{
    speakCurrent();
}

bool Narrator::chooseVoice(const QString &languageTag)
{
    if (languageTag == m_voiceTag)
        return !m_voiceLocale.isEmpty();
    m_voiceTag = languageTag;
    m_voiceLocale.clear();
    const QLocale wanted(languageTag);
    const QList<QLocale> locales = m_speech->availableLocales();
    // The tag's own region first (pt-BR), else any voice of its language.
    for (const QLocale &locale : locales) {
        if (locale == wanted)
            m_voiceLocale = locale.name();
    }
    for (const QLocale &locale : locales) {
        if (m_voiceLocale.isEmpty() && locale.language() == wanted.language())
            m_voiceLocale = locale.name();
    }
    if (m_voiceLocale.isEmpty()) {
        tell(QStringLiteral("no voice speaks '%1'; its explanations are not spoken").arg(languageTag));
        return false;
    }
    m_speech->setLocale(QLocale(m_voiceLocale));
    return true;
}

void Narrator::speakCurrent()
{
    if (!m_speech || m_silent)
        return;
    m_speech->stop();
    if (m_text.isEmpty() || !chooseVoice(m_tag))
        return;
    m_speech->say(m_text);
    emit speaking(m_text);
}

void Narrator::tell(const QString &problem)
{
    if (m_told.contains(problem))
        return;
    m_told << problem;
    std::fprintf(stderr, "kelvora-trainer: %s\n", qPrintable(problem));
}

} // namespace kelvora
