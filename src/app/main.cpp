#include "app/CommandLine.h"
#include "app/ContentLocation.h"
#include "app/FirstPaint.h"
#include "app/StartPlace.h"
#include "app/TrainerApplication.h"
#include "course/CourseLoader.h"
#include "course/CurrentCourse.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/SignalQuit.h"
#include "record/RecordOptions.h"
#include "record/ResultsScreen.h"
#include "record/RunClock.h"
#include "record/RunRecorder.h"
#include "screens/AuthorView.h"
#include "screens/RunGuard.h"
#include "screens/Screen.h"
#include "screens/RunWindow.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

using namespace kelvora;

namespace {
// The course and its content, found before any window opens.
void prepareCourse(const CommandLineOptions &options)
{
    if (options.courseFile.isEmpty()) {
        locateContent(options.contentFolder);
        currentCourse(); // a broken built-in course is reported here too
    } else {
        useCourseFile(options.courseFile);
    }
    setAuthorMode(options.author);
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

    FontConfigWarmUp fonts;
    TrainerApplication app(argc, argv);
    CurrentRunMode = options.mode;
    SystemRunClock clock;
    RunRecorder recorder(clock, courseName(options), options.trainee.isEmpty() ? loginName() : options.trainee,
                         modeName(options.mode), {options.recordFile, defaultRecordsFolder()});
    RunObserver::install(&recorder);
    setResultsPage([&recorder] { return new ResultsScreen(recorder.record()); });
    quitOnTerminationSignals();

    SdlSoundPlayer sound;
    SoundPlayer::install(&sound);
    afterFirstPaint([&sound] { sound.prepareInBackground(); });
    // bench/ starts the trainer with this set, to time its first paint and to watch it idle.
    if (qEnvironmentVariableIsSet("KELVORA_REPORT_FIRST_PAINT"))
        afterFirstPaint([] { std::puts("first paint"), std::fflush(stdout); });
    RunWindow window;
    runHandler([&] {
        prepareCourse(options);
        window.start(firstScreen(options));
    });
    const int status = app.exec();
    // The window was closed or a signal asked to quit.
    recorder.runEnded(RunResult::left());
    return status;
}
