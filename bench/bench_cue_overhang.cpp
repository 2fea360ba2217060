// How long a synchronous cue keeps the caller after its last sample has been
// played: the cue's tone is recorded from the sink's monitor with the time each
// block of it arrives, and the time the cue's last sample arrived is compared
// with the time the request returned. Twice: with the device open and silent
// (a cue a moment after the last sound), and with the device closed (the first
// cue after a long silence). Medians; one output buffer is 1024 frames.
// Run it against the private null sink:
//   bash scripts/with-null-sink build/bench/bench_cue_overhang [runs]
#include "Paired.h"
#include "content/ContentPath.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/SoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sndfile.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <numbers>
#include <thread>

#include <unistd.h>

using namespace kelvora;
using Clock = std::chrono::steady_clock;

namespace {
constexpr int Rate = 44100;
constexpr double CueSeconds = 0.15;
constexpr double BufferMs = 1024.0 * 1000 / Rate;

bool writeTone(const QString &path)
{
    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<short> samples(size_t(CueSeconds * Rate));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = short(16000 * std::sin(2 * std::numbers::pi * 1000 * double(i) / Rate));
    sf_writef_short(file, samples.data(), sf_count_t(samples.size()));
    return sf_close(file) == 0;
}

// The sink's monitor, read as it arrives: each read's time and the samples received by then.
class Monitor {
public:
    bool start()
    {
        const QByteArray sink = qgetenv("PULSE_SINK");
        if (sink.isEmpty())
            return false;
        const QByteArray command = "parec --device=" + sink +
                                   ".monitor --raw --format=s16le --rate=44100 --channels=1 --latency-msec=2";
        m_pipe = popen(command.constData(), "r");
        if (!m_pipe)
            return false;
        m_reader = std::thread([this] { read(); });
        while (m_received.load() < Rate / 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return true;
    }
    void stop()
    {
        m_stop = true;
        m_reader.join();
        pclose(m_pipe);
    }

    // When the sample arrived, as if the block it came in had arrived one sample after it.
    Clock::time_point arrival(size_t sample) const
    {
        for (const auto &[at, received] : m_arrivals) {
            if (received > sample)
                return at - std::chrono::duration_cast<Clock::duration>(
                                std::chrono::duration<double>(double(received - 1 - sample) / Rate));
        }
        return Clock::time_point::max();
    }
    std::vector<short> samples;

private:
    void read()
    {
        std::vector<short> block(256);
        const int fd = fileno(m_pipe);
        while (!m_stop) {
            const ssize_t got = ::read(fd, block.data(), block.size() * sizeof(short));
            if (got <= 0)
                return;
            const auto now = Clock::now();
            std::lock_guard lock(m_mutex);
            samples.insert(samples.end(), block.begin(), block.begin() + got / 2);
            m_arrivals.emplace_back(now, samples.size());
            m_received = samples.size();
        }
    }

    FILE *m_pipe = nullptr;
    std::thread m_reader;
    std::atomic<bool> m_stop{false};
    std::atomic<size_t> m_received{0};
    std::mutex m_mutex;
    std::vector<std::pair<Clock::time_point, size_t>> m_arrivals;
};

// The last sample of each tone burst in the recording.
std::vector<size_t> burstEnds(const std::vector<short> &samples)
{
    std::vector<size_t> ends;
    const size_t quietGap = Rate / 20;
    size_t last = 0;
    bool inBurst = false;
    for (size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(int(samples[i])) > 4000) {
            inBurst = true;
            last = i;
        } else if (inBurst && i - last > quietGap) {
            ends.push_back(last);
            inBurst = false;
        }
    }
    return ends;
}

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Sounds"));
    if (!writeTone(dir.filePath(QStringLiteral("Sounds/cue.wav"))))
        qFatal("could not write the cue");
    QDir::setCurrent(dir.path());

    Monitor monitor;
    if (!monitor.start())
        qFatal("no sink monitor: run under scripts/with-null-sink");
    SdlSoundPlayer player([folder = dir.path()](const QString &name) { return resolveContentPath(name, folder); });
    if (player.usingDummyDriver())
        qFatal("the player did not reach the sink");

    struct Case {
        const char *name;
        double silenceBefore;
    };
    const Case cases[] = {{"device open, silent", 0.4}, {"device closed after silence", 2.6}};
    std::vector<Clock::time_point> returns[2];
    for (int c = 0; c < 2; ++c) {
        for (int run = 0; run < runs; ++run) {
            std::this_thread::sleep_for(std::chrono::duration<double>(cases[c].silenceBefore));
            player.play("Sounds\\cue.wav", SoundModule, SoundSync);
            returns[c].push_back(Clock::now());
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    monitor.stop();

    const std::vector<size_t> ends = burstEnds(monitor.samples);
    if (ends.size() != size_t(2 * runs))
        qFatal("heard %zu cues on the sink, played %d", ends.size(), 2 * runs);
    for (int c = 0; c < 2; ++c) {
        std::vector<double> overhang;
        for (int run = 0; run < runs; ++run)
            overhang.push_back(ms(returns[c][size_t(run)] - monitor.arrival(ends[size_t(c * runs + run)])));
        const double m = bench::median(overhang);
        std::printf("synchronous cue, %s: returned %.1f ms after its last sample reached the sink's monitor "
                    "(median of %d; %.2f buffers; min %.1f, max %.1f)\n",
                    cases[c].name, m, runs, m / BufferMs, *std::min_element(overhang.begin(), overhang.end()),
                    *std::max_element(overhang.begin(), overhang.end()));
    }
    return 0;
}
