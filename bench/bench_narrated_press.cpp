// A press on a lesson while its explanation is being spoken, against the same
// press without narration, turn about in the same run: medians of each and of
// their ratios. The press is lesson 3's first switch: its cue, its photograph
// and the next explanation, which stops the one being spoken and starts its own.
// Speech goes to the speech-dispatcher of the session; for a private one on a
// null sink:
//   bash scripts/with-null-sink bash scripts/with-speech-dispatcher build/bench/bench_narrated_press
#include "Paired.h"
#include "SilentLessons.h"
#include "app/TrainerApplication.h"
#include "screens/LessonChain.h"
#include "screens/LessonScreen.h"
#include "screens/Narrator.h"
#include "screens/Shape.h"

#include <QElapsedTimer>
#include <QTest>

#include <cstdio>

using namespace kelvora;

namespace {
constexpr int Rounds = 21;
// Long enough for the speech of the lesson's first explanation to have begun.
constexpr int SpeakingMs = 300;

double pressMs(Run &run)
{
    run.explanationCursor = 2; // lesson 3 opens on line 3
    auto *screen = static_cast<LessonScreen *>(createLessonScreen(run, 3));
    screen->open();
    QTest::qWait(SpeakingMs);
    const QPoint at = screen->mark(QStringLiteral("shape1"))->geometry().center();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(screen, Qt::LeftButton, {}, at);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    screen->hide();
    screen->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}
} // namespace

int main(int argc, char **argv)
{
    TrainerApplication app(argc, argv);
    Run &run = bench::runSilentLessons();
    Narrator narrator;
    narrator.prepare();
    std::vector<double> plain, narrated;
    for (int round = 0; round < Rounds; ++round) {
        run.setNarrator(nullptr);
        plain.push_back(pressMs(run));
        run.setNarrator(&narrator);
        narrated.push_back(pressMs(run));
    }
    std::printf("voice: %s\n", narrator.voiceLocale().isEmpty() ? "none (nothing was spoken)" : qPrintable(narrator.voiceLocale()));
    std::printf("press without narration: median %.2f ms\n", bench::median(plain));
    std::printf("press during narration:  median %.2f ms\n", bench::median(narrated));
    std::printf("ratio (median of the paired ratios): %.2f\n", bench::medianRatio(narrated, plain));
    return 0;
}
