#include "app/CommandLine.h"
#include "app/ContentLocation.h"
#include "app/FirstPaint.h"
#include "app/RecordPlan.h"
#include "app/StartPlace.h"
#include "app/TrainerApplication.h"
#include "course/CourseAssets.h"
#include "course/BuiltInTargetLabels.h"
#include "course/CourseLoader.h"
#include "platform/DisplayCheck.h"
#include "platform/ErrorReport.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/SignalQuit.h"
#include "record/ClassroomSettings.h"
#include "record/Courier.h"
#include "record/RecordOptions.h"
#include "record/ResultsScreen.h"
#include "record/RunClock.h"
#include "record/RunRecorder.h"
#include "screens/CaptionedVoice.h"
#include "screens/Narrator.h"
#include "screens/Run.h"
#include "screens/RunGuard.h"
#include "screens/Screen.h"
#include "screens/RunWindow.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace kelvora;

namespace {
// How long the end of a run may wait for its record to reach the store.
constexpr int EndOfRunSendMs = 1500;

// The run: its course and where its content lies, found before any window opens.
std::unique_ptr<Run> prepareRun(const CommandLineOptions &options, RunMode mode, AccessOptions access)
{
    RunOptions run{.mode = mode, .authorMode = options.author, .access = access};
    if (options.courseFile.isEmpty()) {
        run.contentRoot = run.languageFolder = locateContent(options.contentFolder);
        return std::make_unique<Run>(loadBuiltInCourse(), run); // a broken built-in course is reported here too
    }
    Course course = loadCourse(options.courseFile);
    checkCourseFiles(course);
    run.contentRoot = run.languageFolder = course.folder;
    return std::make_unique<Run>(std::move(course), run);
}

QString courseName(const CommandLineOptions &options)
{
    return QFileInfo(options.courseFile.isEmpty() ? BuiltInCourseFile : options.courseFile).dir().dirName();
}
} // namespace

int main(int argc, char **argv)
{
    const CommandLine command = CommandLine::parse(argc, argv);
    if (!command.run)
        return command.finish();
    const CommandLineOptions &options = command.options;
    // Settings and the record's place are checked before any window: a run that cannot be recorded as asked does not start.
    const ClassroomSettings settings = ClassroomSettings::read();
    const RecordPlan plan = RecordPlan::make(options, settings);
    for (const QString &problem : {settings.problem, plan.problem}) {
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "kelvora-trainer: %s; the run is not started.\n", qPrintable(problem));
            return 2;
        }
    }
    for (const QString &warning : settings.warnings)
        std::fprintf(stderr, "kelvora-trainer: %s\n", qPrintable(warning));

    FontConfigWarmUp fonts;
    DisplayCheck display("kelvora-trainer");
    TrainerApplication app(argc, argv);
    display.passed();
    const AccessOptions access{
        .keyboard = options.access.keyboard || settings.access.keyboard,
        .steadyMarks = options.access.steadyMarks || settings.access.steadyMarks,
        .narrate = options.access.narrate || settings.access.narrate,
        .captions = options.access.captions || settings.access.captions,
    };
    SystemRunClock clock;
    std::optional<RunRecorder> recorder;
    if (plan.recorded) {
        recorder.emplace(clock, courseName(options), options.trainee, modeName(plan.mode), plan.destination,
                         settings.homePage);
        recorder->setPassMark(options.passMark.value_or(settings.passMark));
    }
    std::unique_ptr<Run> run;
    std::unique_ptr<Courier> courier; // from the first paint on, when records go to a store
    // Every end comes here: the record written (once), a failed write reported in the status, and the
    // record just made given a short while to reach the store; what does not stays in the outbox.
    const auto finish = [&](int status) {
        if (recorder) {
            if (run)
                run->ended(RunResult::left());
            else
                recorder->runEnded(RunResult::left());
            if (recorder->failed() && status == 0)
                status = 1;
        }
        if (courier)
            courier->sendAndWait(EndOfRunSendMs);
        return status;
    };
    const auto end = [&](int status) {
        status = finish(status);
        std::fflush(nullptr);
        std::_Exit(status);
    };
    try {
        run = prepareRun(options, plan.mode, access);
    } catch (const RuntimeError &error) {
        if (recorder)
            recorder->runEnded(RunResult::error(error.message()));
        showRuntimeError(error);
        end(1);
    }
    run->onEnd = end;
    if (recorder)
        run->setObserver(&*recorder);
    run->setResultsPage([&recorder](Run &run) { return new ResultsScreen(run, recorder ? recorder->record() : nullptr); });
    quitOnTerminationSignals();

    SdlSoundPlayer sound([&run](const QString &name) { return run->resolve(name); });
    run->setVoice(&sound);
    CaptionedVoice captioned(*run, sound, [&sound] { return sound.isPlaying(); });
    if (run->access().captions)
        run->setVoice(&captioned);
    afterFirstPaint([&sound] { sound.prepareInBackground(); });
    // The store plugin, and the network module with it, is loaded once the window is up, as the sound is.
    if (!plan.destination.outbox.isEmpty()) {
        afterFirstPaint([&] {
            QString problem;
            courier = loadCourier(settings.store, plan.destination.outbox, problem);
            if (courier)
                courier->start();
            else
                std::fprintf(stderr, "kelvora-trainer: records stay in %s, not sent: %s\n",
                             qPrintable(QDir::toNativeSeparators(plan.destination.outbox)), qPrintable(problem));
        });
    }
    // bench/ starts the trainer with this set, to time its first paint and to watch it idle.
    if (qEnvironmentVariableIsSet("KELVORA_REPORT_FIRST_PAINT"))
        afterFirstPaint([] { std::puts("first paint"), std::fflush(stdout); });
    // Speech starts after the first paint, as the sound does; the first explanation is spoken then.
    Narrator narrator;
    // The author's recordings play on a voice of their own, so that the lesson's sounds go on beside them.
    std::optional<SdlSoundPlayer> recordings;
    if (run->access().narrate && !run->course().narrations.empty()) {
        recordings.emplace([&run](const QString &name) { return run->resolve(name); });
        narrator.setRecordingVoice(&*recordings);
    }
    if (run->access().narrate) {
        run->setNarrator(&narrator);
        afterFirstPaint([&narrator] { narrator.prepare(); });
    }
    RunWindow window;
    runHandler(*run, [&] {
        if (recorder)
            recorder->describeCourse(run->course());
        window.start(firstScreen(*run, options));
    });
    // The window was closed or a signal asked to quit.
    return finish(app.exec());
}
