// Narration against a real speech-dispatcher speaking with espeak-ng into a
// PulseAudio null sink (tests/desktop/narration_on_null_sink.sh starts both):
// each language in its own voice, heard in the sink; a language without a
// voice said once; an author's recording played instead of speech.
#include "RecordingSoundPlayer.h"
#include "screens/Narrator.h"

#include <QApplication>
#include <QLocale>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

using namespace kelvora;

namespace {
// The loudest sample the sink played while `during` ran and a while after.
int loudestInSink(const std::function<void()> &during)
{
    QProcess listener;
    listener.start(QStringLiteral("parec"), {QStringLiteral("--device=%1.monitor").arg(qEnvironmentVariable("PULSE_SINK")),
                                             QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                             QStringLiteral("--channels=1"), QStringLiteral("--rate=16000")});
    if (!listener.waitForStarted())
        return -1;
    QTest::qWait(300);
    during();
    QTest::qWait(3000);
    listener.terminate();
    listener.waitForFinished();
    const QByteArray audio = listener.readAllStandardOutput();
    const auto *samples = reinterpret_cast<const qint16 *>(audio.constData());
    int loudest = 0;
    for (qsizetype i = 0; i < audio.size() / 2; ++i)
        loudest = std::max(loudest, std::abs(int(samples[i])));
    return loudest;
}
} // namespace

class NarrationTest : public QObject {
    Q_OBJECT
private slots:
    void eachLanguageIsSpokenInItsOwnVoice_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("text");
        QTest::newRow("Turkish") << "tr" << QString::fromUtf8("Akü anahtarını AÇIK konumuna getirin.");
        QTest::newRow("English") << "en" << "Set the battery switch on.";
        QTest::newRow("French") << "fr" << QString::fromUtf8("Mettez l'interrupteur batterie sur marche.");
        QTest::newRow("German") << "de" << "Schalten Sie die Batterie ein.";
    }
    void eachLanguageIsSpokenInItsOwnVoice()
    {
        QFETCH(QString, tag);
        QFETCH(QString, text);
        Narrator narrator;
        QSignalSpy told(&narrator, &Narrator::told);
        narrator.prepare();
        const int loudest = loudestInSink([&] { narrator.say(text, tag); });
        QVERIFY2(told.isEmpty(), told.isEmpty() ? "" : qPrintable(told.first().first().toString()));
        QCOMPARE(QLocale(narrator.voiceLocale()).language(), QLocale(tag).language());
        QVERIFY2(loudest > 1000, qPrintable(QStringLiteral("the sink stayed quiet: loudest sample %1").arg(loudest)));
    }

    void aLanguageWithoutAVoiceIsSaidOnce()
    {
        Narrator narrator;
        QSignalSpy told(&narrator, &Narrator::told);
        narrator.prepare();
        narrator.say(QStringLiteral("E ku aaro."), QStringLiteral("yo"));
        narrator.say(QStringLiteral("E ku ale."), QStringLiteral("yo"));
        QTest::qWait(100);
        narrator.repeat();
        QTest::qWait(100);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.first().first().toString(), QStringLiteral("no voice speaks 'yo'; its explanations are not spoken"));
    }

    void anAuthorsRecordingIsPlayedInsteadOfSpeech()
    {
        Narrator narrator;
        test::RecordingSoundPlayer recordings;
        narrator.setRecordingVoice(&recordings);
        QSignalSpy spoken(&narrator, &Narrator::speaking);
        QSignalSpy told(&narrator, &Narrator::told);
        narrator.prepare();
        narrator.say(QStringLiteral("Set the battery switch on."), QStringLiteral("en"), QStringLiteral("voice/en/battery.ogg"));
        QTRY_COMPARE(recordings.requests, QList<test::SoundRequest>({{"voice/en/battery.ogg", NoModule, SoundAsync}}));
        QVERIFY(spoken.isEmpty());
        // The next text has none: the recording stops and the text is spoken.
        narrator.say(QStringLiteral("Now the pump."), QStringLiteral("en"));
        QTRY_COMPARE(spoken.size(), 1);
        QCOMPARE(recordings.requests.last(), (test::SoundRequest{"", NoModule, SoundAsync}));
    }

    void aRecordingThatDoesNotPlayIsSaidOnceAndSpoken()
    {
        class Refusing final : public SoundPlayer {
            bool play(std::string_view, int, unsigned) override { return false; }
        } recordings;
        Narrator narrator;
        narrator.setRecordingVoice(&recordings);
        QSignalSpy spoken(&narrator, &Narrator::speaking);
        QSignalSpy told(&narrator, &Narrator::told);
        narrator.prepare();
        narrator.say(QStringLiteral("Done."), QStringLiteral("en"), QStringLiteral("voice/en/done.ogg"));
        QTRY_COMPARE(spoken.size(), 1);
        narrator.repeat();
        QTRY_COMPARE(spoken.size(), 2);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.first().first().toString(),
                 QStringLiteral("the recording voice/en/done.ogg does not play; its text is spoken instead"));
    }
};

QTEST_MAIN(NarrationTest)
#include "test_narration.moc"
