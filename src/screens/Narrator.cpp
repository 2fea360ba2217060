#include "Narrator.h"

#include "platform/SoundPlayer.h"

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
        speakCurrent(); // a recording still plays
        return;
    }
    // speech-dispatcher where it is there: it speaks with the system's voices, espeak-ng's among them.
    const QString engine = engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : engines.first();
    m_speech = new QTextToSpeech(engine, this);
    if (m_speech->state() == QTextToSpeech::Error) {
        m_silent = true;
        tell(QStringLiteral("the speech engine '%1' does not work; the explanations are not spoken").arg(engine));
        speakCurrent();
        return;
    }
    speakCurrent();
}

void Narrator::say(const QString &text, const QString &languageTag, const QString &recording)
{
    m_text = text;
    m_tag = languageTag;
    m_recording = recording;
    speakSoon();
}

void Narrator::repeat()
{
    speakSoon();
}

// The speech engine is asked once the press that showed the text has been handled: stopping and starting
// speech waits for the speech server's answers.
void Narrator::speakSoon()
{
    if (m_speakingSoon)
        return;
    m_speakingSoon = true;
    QMetaObject::invokeMethod(this, [this] {
        m_speakingSoon = false;
        speakCurrent();
    }, Qt::QueuedConnection);
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
    if (!m_prepared)
        return;
    if (m_speech)
        m_speech->stop();
    if (playRecording())
        return;
    if (!m_speech || m_silent)
        return;
    if (m_text.isEmpty() || !chooseVoice(m_tag))
        return;
    m_speech->say(m_text);
    emit speaking(m_text);
}

// The recording where there is one and it plays; else the one playing is stopped, for the speech to follow.
bool Narrator::playRecording()
{
    if (!m_recordings)
        return false;
    if (!m_recording.isEmpty()) {
        m_recordingPlays = m_recordings->play(m_recording.toStdString(), NoModule, SoundAsync);
        if (m_recordingPlays) {
            emit playingRecording(m_recording);
            return true;
        }
        tell(QStringLiteral("the recording %1 does not play; its text is spoken instead").arg(m_recording));
    } else if (m_recordingPlays) {
        m_recordings->play("", NoModule, SoundAsync);
        m_recordingPlays = false;
    }
    return false;
}

void Narrator::tell(const QString &problem)
{
    if (m_told.contains(problem))
        return;
    m_told << problem;
    std::fprintf(stderr, "kelvora-trainer: %s\n", qPrintable(problem));
    emit told(problem);
}

} // namespace kelvora
