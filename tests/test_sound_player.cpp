#include "platform/SdlSoundPlayer.h"

#include "content/ContentPath.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <thread>
#include <vector>

using namespace kelvora;

namespace {
using Clock = std::chrono::steady_clock;

constexpr double ToneHz = 1000.0;
// A request that returns "at once" still reads and decodes its file.
constexpr double PromptSeconds = 0.15;
// One 1024-frame buffer at 44.1 kHz, plus scheduling on a busy machine.
constexpr double LateSeconds = 0.023 + 0.1;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void pause(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

bool writeTone(const QString &path, double seconds, int rate, int channels, int format)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const auto frames = sf_count_t(std::llround(seconds * rate));
    std::vector<float> samples(size_t(frames * channels));
    for (sf_count_t i = 0; i < frames; ++i) {
        const float value = 0.5f * float(std::sin(2 * std::numbers::pi * ToneHz * double(i) / rate));
        for (int c = 0; c < channels; ++c)
            samples[size_t(i * channels + c)] = value;
    }
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

double fileSeconds(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return -1;
    sf_close(file);
    return double(info.frames) / info.samplerate;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Root mean square of consecutive windows of 16-bit mono samples.
std::vector<double> windowLevels(const std::vector<qint16> &samples, size_t window)
{
    std::vector<double> levels;
    for (size_t start = 0; start + window <= samples.size(); start += window) {
        double sum = 0;
        for (size_t i = start; i < start + window; ++i)
            sum += double(samples[i]) * samples[i];
        levels.push_back(std::sqrt(sum / double(window)));
    }
    return levels;
}

// The frequency of a tone, from its upward zero crossings within the given windows.
double toneFrequency(const std::vector<qint16> &samples, const std::vector<size_t> &windows, size_t window, int rate)
{
    int crossings = 0;
    for (size_t w : windows) {
        for (size_t i = w * window + 1; i < (w + 1) * window; ++i) {
            if (samples[i - 1] < 0 && samples[i] >= 0)
                ++crossings;
        }
    }
    return crossings * double(rate) / double(windows.size() * window);
}
} // namespace

class TestSoundPlayer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void synchronousRequestPlaysToItsEnd_data();
    void synchronousRequestPlaysToItsEnd();
    void asynchronousRequestReturnsAtOnce_data();
    void asynchronousRequestReturnsAtOnce();
    void requestWhileALoopPlays_data();
    void requestWhileALoopPlays();
    void eachRequestReadsItsFile();
    void anIdleDeviceClosesAndTheNextCueReopensIt();
    void cueIsHeardOnTheSink();
    void withoutADeviceSoundsAreSilentButTakeTheirLength();

private:
    QString sound(const QString &name) const { return m_dir.filePath(QStringLiteral("Sounds/") + name); }
    SdlSoundPlayer::Resolver inFolder() const
    {
        return [folder = m_dir.path()](const QString &name) { return resolveContentPath(name, folder); };
    }
    void startLoop();

    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<SdlSoundPlayer> m_player;
};

void TestSoundPlayer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Sounds")));
    const int pcm16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    QVERIFY(writeTone(sound("Dugme1.wav"), 0.4, 44100, 1, pcm16));
    QVERIFY(writeTone(sound("stereo.wav"), 0.35, 22050, 2, pcm16));
    QVERIFY(writeTone(sound("float.wav"), 0.3, 48000, 1, SF_FORMAT_WAV | SF_FORMAT_FLOAT));
    QVERIFY(writeTone(sound("loop.wav"), 0.3, 44100, 1, pcm16));
    QVERIFY(writeTone(sound("short.wav"), 0.2, 44100, 1, pcm16));
    QVERIFY(writeTone(sound("long.wav"), 1.0, 44100, 1, pcm16));

    QFile header(sound("short.wav"));
    QVERIFY(header.open(QIODevice::ReadOnly));
    QVERIFY(writeBytes(sound("cut.wav"), header.read(30)));
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    QVERIFY(writeBytes(sound("noise.wav"), noise));
    QVERIFY(writeBytes(sound("empty.wav"), {}));

    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_player = std::make_unique<SdlSoundPlayer>(inFolder());
    m_player->usingDummyDriver(); // waits until the audio system is up, as it is soon after the first paint
}

void TestSoundPlayer::init()
{
    if (m_player) // the fallback test replaces it for a while
        m_player->play("", NoModule, SoundAsync);
}

void TestSoundPlayer::cleanupTestCase()
{
    m_player.reset();
    QDir::setCurrent(m_previousDir);
}

void TestSoundPlayer::startLoop()
{
    QVERIFY(m_player->play("sounds\\loop.wav", NoModule, SoundAsync | SoundLoop));
    QVERIFY(m_player->isPlaying());
}

void TestSoundPlayer::synchronousRequestPlaysToItsEnd_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<QString>("file");

    QTest::newRow("a cue named in other letter case with backslashes plays its file")
        << "sounds\\dugme1.wav" << unsigned(SoundSync) << "Dugme1.wav";
    QTest::newRow("a stereo 22.05 kHz sound lasts as long as its file")
        << "Sounds\\stereo.wav" << unsigned(SoundSync) << "stereo.wav";
    QTest::newRow("a 48 kHz floating-point sound lasts as long as its file")
        << "Sounds\\float.wav" << unsigned(SoundSync) << "float.wav";
    QTest::newRow("a no-stop request with nothing playing plays to its end")
        << "sounds\\Dugme1.wav" << unsigned(SoundNoStop) << "Dugme1.wav";
}

void TestSoundPlayer::synchronousRequestPlaysToItsEnd()
{
    QFETCH(QString, name);
    QFETCH(unsigned, flags);
    QFETCH(QString, file);
    const double length = fileSeconds(sound(file));
    QVERIFY(length > 0);

    const auto start = Clock::now();
    const bool played = m_player->play(name.toStdString(), SoundModule, flags);
    const double took = secondsSince(start);

    qInfo("%s: returned after %.3f s, file length %.3f s", qPrintable(file), took, length);
    QVERIFY(played);
    QVERIFY2(took >= length, "returned before the sound could have ended");
    QVERIFY2(took <= length + LateSeconds, "returned long after the sound ended");
    QVERIFY(!m_player->isPlaying());
}

void TestSoundPlayer::asynchronousRequestReturnsAtOnce_data()
{
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<bool>("playingAfterTwiceItsLength");

    QTest::newRow("an asynchronous sound plays once") << unsigned(SoundAsync) << false;
    QTest::newRow("an asynchronous loop plays on after twice its length") << unsigned(SoundAsync | SoundLoop) << true;
}

void TestSoundPlayer::asynchronousRequestReturnsAtOnce()
{
    QFETCH(unsigned, flags);
    QFETCH(bool, playingAfterTwiceItsLength);
    const double length = fileSeconds(sound("loop.wav"));

    const auto start = Clock::now();
    QVERIFY(m_player->play("sounds\\loop.wav", SoundModule, flags));
    QVERIFY(secondsSince(start) < PromptSeconds);
    QVERIFY(m_player->isPlaying());

    pause(2 * length + LateSeconds);
    QCOMPARE(m_player->isPlaying(), playingAfterTwiceItsLength);
}

void TestSoundPlayer::requestWhileALoopPlays_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<bool>("result");
    QTest::addColumn<double>("minSeconds");
    QTest::addColumn<bool>("loopPlaysOn");

    const double shortLength = 0.2;
    QTest::newRow("an asynchronous sound replaces the loop")
        << "sounds\\short.wav" << unsigned(SoundAsync) << true << 0.0 << false;
    QTest::newRow("a synchronous sound replaces the loop and plays to its end")
        << "sounds\\short.wav" << unsigned(SoundSync) << true << shortLength << false;
    QTest::newRow("a no-stop request gives way to the loop at once")
        << "sounds\\long.wav" << unsigned(SoundNoStop) << false << 0.0 << true;
    QTest::newRow("an empty name stops the loop") << "" << unsigned(SoundAsync) << true << 0.0 << false;
    QTest::newRow("a missing file stops the loop and is silent")
        << "sounds\\missing.wav" << unsigned(SoundSync) << false << 0.0 << false;
    QTest::newRow("a file of noise stops the loop and is silent")
        << "sounds\\noise.wav" << unsigned(SoundSync) << false << 0.0 << false;
    QTest::newRow("a file cut off inside its header is silent")
        << "sounds\\cut.wav" << unsigned(SoundSync) << false << 0.0 << false;
    QTest::newRow("an empty file is silent") << "sounds\\empty.wav" << unsigned(SoundSync) << false << 0.0 << false;
}

void TestSoundPlayer::requestWhileALoopPlays()
{
    QFETCH(QString, name);
    QFETCH(unsigned, flags);
    QFETCH(bool, result);
    QFETCH(double, minSeconds);
    QFETCH(bool, loopPlaysOn);
    startLoop();

    const auto start = Clock::now();
    QCOMPARE(m_player->play(name.toStdString(), SoundModule, flags), result);
    const double took = secondsSince(start);
    QVERIFY(took >= minSeconds);
    QVERIFY(took < minSeconds + PromptSeconds);

    // Long enough for the loop to come round twice and for the short sound to end.
    pause(2 * fileSeconds(sound("loop.wav")) + LateSeconds);
    QCOMPARE(m_player->isPlaying(), loopPlaysOn);
}

void TestSoundPlayer::eachRequestReadsItsFile()
{
    const QString path = sound("changing.wav");
    QVERIFY(writeTone(path, 0.15, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    QVERIFY(m_player->play("sounds\\changing.wav", SoundModule, SoundSync));

    QVERIFY(writeTone(path, 0.45, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    const auto start = Clock::now();
    QVERIFY(m_player->play("sounds\\changing.wav", SoundModule, SoundSync));
    QVERIFY2(secondsSince(start) >= 0.45, "played the file as it was before it was replaced");
}

void TestSoundPlayer::anIdleDeviceClosesAndTheNextCueReopensIt()
{
    QVERIFY(m_player->play("sounds\\short.wav", SoundModule, SoundSync));
    QVERIFY(m_player->deviceOpen());
    QTRY_VERIFY_WITH_TIMEOUT(!m_player->deviceOpen(), 4000); // nothing is mixed while nothing plays

    const auto start = Clock::now();
    QVERIFY(m_player->play("sounds\\loop.wav", SoundModule, SoundAsync | SoundLoop));
    QVERIFY(secondsSince(start) < PromptSeconds);
    QVERIFY(m_player->isPlaying());
    pause(1.5 * fileSeconds(sound("loop.wav")));
    QVERIFY(m_player->isPlaying());
}

void TestSoundPlayer::cueIsHeardOnTheSink()
{
    if (m_player->usingDummyDriver())
        QSKIP("No PulseAudio server reachable: nothing is rendered to record (scripts/test starts one).");
    const QString recorder = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (recorder.isEmpty())
        QSKIP("parec (pulseaudio-utils) is not installed.");

    const QString sink = qEnvironmentVariable("PULSE_SINK");
    const QString monitor = sink.isEmpty() ? QStringLiteral("@DEFAULT_MONITOR@") : sink + QStringLiteral(".monitor");
    constexpr int rate = 44100;
    QProcess parec;
    parec.start(recorder, {QStringLiteral("--device=") + monitor, QStringLiteral("--raw"),
                           QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                           QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
    QVERIFY2(parec.waitForStarted(5000), qPrintable(parec.errorString()));
    QVERIFY2(parec.waitForReadyRead(5000), "the sink's monitor delivered nothing");

    // A cue, the loop that follows it, then an empty request that silences it.
    QVERIFY(m_player->play("sounds\\dugme1.wav", SoundModule, SoundSync));
    QVERIFY(m_player->play("sounds\\loop.wav", NoModule, SoundAsync | SoundLoop));
    pause(0.3);
    QVERIFY(m_player->play("", SoundModule, SoundAsync));
    pause(0.4);
    parec.waitForReadyRead(100);
    parec.terminate();
    QVERIFY(parec.waitForFinished(5000));

    const QByteArray raw = parec.readAllStandardOutput();
    std::vector<qint16> samples(size_t(raw.size()) / sizeof(qint16));
    std::memcpy(samples.data(), raw.constData(), samples.size() * sizeof(qint16));
    const size_t window = rate / 100;
    const std::vector<double> levels = windowLevels(samples, window);
    QVERIFY(levels.size() > 20);

    constexpr double loud = 0.05 * 32767;
    std::vector<size_t> loudWindows;
    for (size_t i = 0; i < levels.size(); ++i) {
        if (levels[i] > loud)
            loudWindows.push_back(i);
    }
    const double heardSeconds = double(loudWindows.size() * window) / rate;
    const double cueSeconds = fileSeconds(sound("Dugme1.wav"));
    qInfo("heard %.2f s of sound on %s; the cue alone lasts %.2f s", heardSeconds, qPrintable(monitor), cueSeconds);
    QVERIFY2(heardSeconds >= cueSeconds, "the cue did not come out of the sink whole");

    // Windows where the tone starts or stops hold fewer crossings: count whole ones only.
    const double fullLevel = *std::max_element(levels.begin(), levels.end());
    std::vector<size_t> fullWindows;
    for (size_t i : loudWindows) {
        if (levels[i] > 0.95 * fullLevel)
            fullWindows.push_back(i);
    }
    const double frequency = toneFrequency(samples, fullWindows, window, rate);
    qInfo("tone on the sink: %.1f Hz (written at %.0f Hz)", frequency, ToneHz);
    QVERIFY(std::abs(frequency - ToneHz) < 0.02 * ToneHz);

    const size_t quietTail = 10; // the last 100 ms, well after the empty request
    for (size_t i = levels.size() - quietTail; i < levels.size(); ++i)
        QVERIFY2(levels[i] < loud / 10, "the sink still sounded after the empty request");
}

void TestSoundPlayer::withoutADeviceSoundsAreSilentButTakeTheirLength()
{
    const QByteArray previous = qgetenv("SDL_AUDIODRIVER");
    const bool hadPrevious = qEnvironmentVariableIsSet("SDL_AUDIODRIVER");
    m_player.reset();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("sounds play silently")));
    auto silent = std::make_unique<SdlSoundPlayer>(inFolder());
    const bool dummy = silent->usingDummyDriver(); // starts the audio system
    if (hadPrevious)
        qputenv("SDL_AUDIODRIVER", previous);
    else
        qunsetenv("SDL_AUDIODRIVER");

    QVERIFY(dummy);
    const double length = fileSeconds(sound("Dugme1.wav"));
    const auto start = Clock::now();
    QVERIFY(silent->play("Sounds\\Dugme1.wav", SoundModule, SoundSync));
    const double took = secondsSince(start);
    qInfo("dummy driver: returned after %.3f s, file length %.3f s", took, length);
    QVERIFY(took >= length);
    QVERIFY(took <= length + LateSeconds);

    silent.reset();
    m_player = std::make_unique<SdlSoundPlayer>(inFolder());
}

QTEST_GUILESS_MAIN(TestSoundPlayer)
#include "test_sound_player.moc"
