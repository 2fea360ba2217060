#include "app/CourseOptions.h"
#include "app/FirstPaint.h"
#include "app/Form000.h"
#include "app/TrainerApplication.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/SignalQuit.h"
#include "record/RecordOptions.h"
#include "record/RunClock.h"
#include "record/RunRecorder.h"
#include "screens/RunGuard.h"
#include "screens/RunWindow.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    kelvora::TrainerApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    kelvora::CourseOptions::addTo(parser);
    parser.addOptions(kelvora::recordCommandLineOptions());
    parser.process(app);
    kelvora::RecordOptions recording;
    if (QString problem; !kelvora::readRecordOptions(parser, &recording, &problem)) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 2;
    }
    const kelvora::CourseOptions course = kelvora::CourseOptions::from(parser);

    kelvora::CurrentRunMode = recording.mode;
    kelvora::SystemRunClock clock;
    const QString courseName = course.courseFile.isEmpty() ? QStringLiteral("startup")
                                                           : QFileInfo(course.courseFile).dir().dirName();
    kelvora::RunRecorder recorder(clock, courseName, recording.trainee, kelvora::modeName(recording.mode),
                                  {recording.recordFile, kelvora::defaultRecordsFolder()});
    kelvora::RunObserver::install(&recorder);
    kelvora::quitOnTerminationSignals();

    kelvora::SdlSoundPlayer sound;
    kelvora::SoundPlayer::install(&sound);
    kelvora::afterFirstPaint([&sound] { sound.prepareInBackground(); });
    kelvora::RunWindow window;
    kelvora::runHandler([&] {
        course.apply();
        window.start(*new kelvora::Form000);
    });
    const int status = app.exec();
    // The window was closed or a signal asked to quit.
    recorder.runEnded(kelvora::RunResult::left());
    return status;
}
