#include "app/Form000.h"
#include "app/TrainerApplication.h"
#include "platform/ErrorReport.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/SignalQuit.h"
#include "record/RecordOptions.h"
#include "record/RunClock.h"
#include "record/RunRecorder.h"

int main(int argc, char **argv)
{
    kelvora::TrainerApplication app(argc, argv);
    const kelvora::RecordOptions options = kelvora::parseRecordOptions(app);
    kelvora::CurrentRunMode = options.mode;
    kelvora::SystemRunClock clock;
    kelvora::RunRecorder recorder(clock, QStringLiteral("startup"), options.trainee, kelvora::modeName(options.mode),
                                  {options.recordFile, kelvora::defaultRecordsFolder()});
    kelvora::RunObserver::install(&recorder);
    kelvora::quitOnTerminationSignals();

    kelvora::SdlSoundPlayer sound;
    kelvora::SoundPlayer::install(&sound);
    try {
        auto *start = new kelvora::Form000;
        start->open();
    } catch (const kelvora::RuntimeError &error) {
        kelvora::reportRuntimeError(error);
    }
    const int status = app.exec();
    // The window was closed or a signal asked to quit.
    recorder.runEnded(kelvora::RunResult::left());
    return status;
}
