#pragma once

#include <QObject>
#include <QString>

class QTextToSpeech;

namespace kelvora {

// Speaks each explanation in the run's language through the system's speech
// engine, a voice chosen by the language's tag. A new text stops the one being
// spoken; speaking never holds up a press. The engine is started by prepare(),
// after the first paint; a text given before that is spoken then. Without an
// engine, or without a voice for a language, it says so once and stays silent.
class Narrator : public QObject {
    Q_OBJECT
public:
    explicit Narrator(QObject *parent = nullptr);
    ~Narrator() override;

    void prepare();
    void say(const QString &text, const QString &languageTag);
    void repeat();
    // The locale of the voice last chosen; empty before one was.
    QString voiceLocale() const { return m_voiceLocale; }

signals:
    // For tests: the engine was asked to speak this text.
    void speaking(const QString &text);

private:
    bool chooseVoice(const QString &languageTag);
    void speakCurrent();
    void tell(const QString &problem);

    QTextToSpeech *m_speech = nullptr;
    bool m_prepared = false;
    bool m_silent = false;
    QString m_text;
    QString m_tag;
    QString m_voiceTag;
    QString m_voiceLocale;
    QStringList m_told;
};

} // namespace kelvora
