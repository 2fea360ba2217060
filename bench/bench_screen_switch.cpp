// The switch from a lesson's continue label to the next lesson painted in the
// run window, against the floor measured in the same run: the bare decode of
// the next lesson's photograph and inset with QImage. Run it from anywhere; it
// uses the content pack of the build's runnable folder.
#include "screens/RunState.h"
#include "app/TrainerApplication.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundPlayer.h"
#include "screens/LessonChain.h"
#include "screens/LessonScreen.h"
#include "screens/RunWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace kelvora;

namespace {
class SilentPlayer final : public SoundPlayer {
public:
    bool play(std::string_view, int, unsigned) override { return true; }
};

struct NextLesson {
    const char *photograph;
    const char *inset;
};

// The lessons whose continue label leads on from load, and what the next one shows first.
NextLesson nextOf(int screen)
{
    switch (screen) {
    case 1: return {"images/002.jpg", "images/KokpitC.bmp"};
    case 14: return {"images/071.jpg", "images/KokpitC.bmp"};
    default: return {"images/072.jpg", "images/KokpitC.bmp"};
    }
}

double bareDecodeMs(const NextLesson &next)
{
    QElapsedTimer clock;
    clock.start();
    benchmark::DoNotOptimize(QImage(QString::fromLatin1(next.photograph)));
    benchmark::DoNotOptimize(QImage(QString::fromLatin1(next.inset)));
    return clock.nsecsElapsed() / 1e6;
}

void SwitchToNextLesson(benchmark::State &state)
{
    const int screen = static_cast<int>(state.range(0));
    const NextLesson next = nextOf(screen);
    double bareMs = 0;
    double switchMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RunWindow window;
        ExplanationCursor = 20;
        auto *lesson = static_cast<LessonScreen *>(createLessonScreen(screen));
        window.start(*lesson);
        QCoreApplication::processEvents();
        window.resize(RunWindow::DesignSize); // as on a screen where the design size fits
        QCoreApplication::processEvents();
        QWidget *label = lesson->control<QWidget>(QStringLiteral("LabelDVM"));
        bareMs += bareDecodeMs(next);
        QElapsedTimer clock;
        clock.start();
        state.ResumeTiming();

        QTest::mouseClick(label, Qt::LeftButton);
        window.viewport()->repaint();

        state.PauseTiming();
        switchMs += clock.nsecsElapsed() / 1e6;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    const double n = double(state.iterations());
    state.counters["bare_decode_ms"] = bareMs / n;
    state.counters["press_to_painted_ms"] = switchMs / n;
    state.counters["ratio"] = switchMs / bareMs;
}
BENCHMARK(SwitchToNextLesson)->Arg(1)->Arg(14)->Arg(15)->Unit(benchmark::kMillisecond)->Iterations(40);
} // namespace

int main(int argc, char **argv)
{
    TrainerApplication app(argc, argv);
    SilentPlayer sound;
    SoundPlayer::install(&sound);
    const QString dist = QStringLiteral(KELVORA_DIST_DIR);
    setProgramFolder(dist);
    QDir::setCurrent(dist);
    CurrentLanguage = 2;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
