#include "app/Form000.h"
#include "app/TrainerApplication.h"
#include "platform/SdlSoundPlayer.h"
#include "screens/RunGuard.h"
#include "screens/RunWindow.h"

int main(int argc, char **argv)
{
    kelvora::TrainerApplication app(argc, argv);
    kelvora::SdlSoundPlayer sound;
    kelvora::SoundPlayer::install(&sound);
    kelvora::RunWindow window;
    kelvora::runHandler([&window] { window.start(*new kelvora::Form000); });
    return app.exec();
}
