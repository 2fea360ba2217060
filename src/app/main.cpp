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
    kelvora::afterFirstPaint([&sound] { sound.prepareInBackground(); });
    kelvora::RunWindow window;
    kelvora::runHandler([&window] { window.start(*new kelvora::Form000); });
    const int status = app.exec();
    // The window was closed or a signal asked to quit.
    recorder.runEnded(kelvora::RunResult::left());
    return status;
}
