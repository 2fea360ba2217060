#pragma once

#include <QObject>
#include <QString>

class QTextToSpeech;

namespace kelvora {

class SoundPlayer;

// Speaks each explanation in the run's language through the system's speech
// engine, a voice chosen by the language's tag, or plays the author's recording
// of it on a voice of its own, beside the lesson's sounds. A new text stops the
// one being spoken; speaking never holds up a press. The engine is started by
// prepare(), after the first paint; a text given before that is spoken then.
// Without an engine, or without a voice for a language, it says so once and
// stays silent; a recording that does not play is said once and spoken instead.
// Speech starts once the event that showed the text has been handled.
class Narrator : public QObject {
    Q_OBJECT
public:
    explicit Narrator(QObject *parent = nullptr);
    ~Narrator() override;

    void prepare();
    // `recording`: a sound file of the text, in the course's content; empty: spoken.
    void say(const QString &text, const QString &languageTag, const QString &recording = {});
    void repeat();
    // Where recordings play, asynchronously; without one every text is spoken. Not owned.
    void setRecordingVoice(SoundPlayer *voice) { m_recordings = voice; }
    // The locale of the voice last chosen; empty before one was.
    QString voiceLocale() const { return m_voiceLocale; }

signals:
    // For tests: the engine was asked to speak this text.
    void speaking(const QString &text);
    // For tests: the recording of the text began to play.
    void playingRecording(const QString &recording);
    // A problem said on stderr, once each.
    void told(const QString &problem);

private:
    bool chooseVoice(const QString &languageTag);
    void speakSoon();
    void speakCurrent();
    bool playRecording();
    void tell(const QString &problem);

    QTextToSpeech *m_speech = nullptr;
    bool m_prepared = false;
    bool m_silent = false;
    bool m_speakingSoon = false;
    SoundPlayer *m_recordings = nullptr;
    bool m_recordingPlays = false;
    QString m_recording;
    QString m_text;
    QString m_tag;
    QString m_voiceTag;
    QString m_voiceLocale;
    QStringList m_told;
};

} // namespace kelvora
