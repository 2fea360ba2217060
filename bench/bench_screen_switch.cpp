// The switch from a lesson's continue label to the next lesson painted in the
// run window, at the design size, scaled down and full screen on a 3840 x 2160
// display, against floors measured in the same run, turn about with it: the
// bare decode of the next lesson's photograph and inset with QImage, and a bare
// window that decodes the photograph, fits it to its size once and paints it.
// Medians of the paired runs, and of their ratios. Run it from anywhere; it uses the content pack of
// the build's runnable folder. Offscreen it times the work in the process; on
// an X server (QT_QPA_PLATFORM=xcb under Xvfb) each switch also waits until the
// server has the new pixels, as a trainee would see them.
#include "Paired.h"
#include "SilentLessons.h"
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

double msSince(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

void SwitchToNextLesson(benchmark::State &state)
{
    const int screen = int(state.range(0));
    const QSize size = bench::windowSize(int(state.range(1)));
    const int readingMs = int(state.range(2));
    const NextLesson next = nextOf(screen);
    bench::ImageWindow bare;
    bare.setGeometry(QRect(QPoint(0, 0), size));
    bare.show();
    std::vector<double> decode, floor, trainer;
    for (auto _ : state) {
        RunWindow window;
        Run &run = bench::runSilentLessons();
        run.explanationCursor = 20;
        auto *lesson = static_cast<LessonScreen *>(createLessonScreen(run, screen));
        window.start(*lesson);
        window.setGeometry(QRect(QPoint(0, 0), size));
        QCoreApplication::processEvents();
        window.viewport()->repaint();
        QTest::qWait(readingMs);
        QWidget *label = lesson->control<QWidget>(QStringLiteral("LabelDVM"));

        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(label, Qt::LeftButton);
        window.viewport()->repaint();
        bench::seenOnScreen(window);
        trainer.push_back(msSince(clock));
        // The floor is timed with the trainer's window out of the way: a
        // covered window's pixels never reach the screen.
        window.hide();
        bench::seenOnScreen(bare);

        clock.start();
        QImage photograph(QString::fromLatin1(next.photograph));
        QImage inset(QString::fromLatin1(next.inset));
        decode.push_back(msSince(clock));
        bare.setImage(bench::fitted(photograph, size));
        bare.repaint();
        bench::seenOnScreen(bare);
        floor.push_back(msSince(clock));

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["switch_ms"] = bench::median(trainer);
    state.counters["decode_ms"] = bench::median(decode);
    state.counters["bare_window_ms"] = bench::median(floor);
    state.counters["x_decode"] = bench::medianRatio(trainer, decode);
    state.counters["x_bare_window"] = bench::medianRatio(trainer, floor);
    state.SetLabel(bench::windowSizeName(int(state.range(1))));
}
// Clicked after the trainee has read the page for a moment (while the next
// photograph is read ahead), and, at the design size, clicked at once.
BENCHMARK(SwitchToNextLesson)
    ->ArgNames({"screen", "size", "reading_ms"})
    ->ArgsProduct({{1, 14, 15}, {0}, {100}})
    ->Args({1, 0, 0})
    ->ArgsProduct({{1}, {1, 2}, {100}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(25);
} // namespace

int main(int argc, char **argv)
{
    TrainerApplication app(argc, argv);
    bench::runSilentLessons();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
