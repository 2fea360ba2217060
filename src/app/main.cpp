#include "app/CommandLine.h"
#include "app/ContentLocation.h"
#include "app/Form000.h"
#include "app/TrainerApplication.h"
#include "platform/ErrorReport.h"
#include "platform/SdlSoundPlayer.h"

int main(int argc, char **argv)
{
    const kelvora::CommandLine command = kelvora::CommandLine::parse(argc, argv);
    if (!command.run)
        return command.finish();
    kelvora::TrainerApplication app(argc, argv);
    kelvora::SdlSoundPlayer sound;
    kelvora::SoundPlayer::install(&sound);
    try {
        kelvora::locateContent(command.options.contentFolder);
        auto *start = new kelvora::Form000;
        start->open();
    } catch (const kelvora::RuntimeError &error) {
        kelvora::reportRuntimeError(error);
    }
    return app.exec();
}
