#include "app/FirstPaint.h"
#include "app/Form000.h"
#include "app/TrainerApplication.h"
#include "platform/ErrorReport.h"
#include "platform/SdlSoundPlayer.h"

int main(int argc, char **argv)
{
    kelvora::TrainerApplication app(argc, argv);
    kelvora::SdlSoundPlayer sound;
    kelvora::SoundPlayer::install(&sound);
    kelvora::afterFirstPaint([&sound] { sound.prepareInBackground(); });
    try {
        auto *start = new kelvora::Form000;
        start->open();
    } catch (const kelvora::RuntimeError &error) {
        kelvora::reportRuntimeError(error);
    }
    return app.exec();
}
