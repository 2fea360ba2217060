#include "app/CourseOptions.h"
#include "app/Form000.h"
#include "app/TrainerApplication.h"
#include "platform/ErrorReport.h"
#include "platform/SdlSoundPlayer.h"

#include <QCommandLineParser>

int main(int argc, char **argv)
{
    kelvora::TrainerApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    kelvora::CourseOptions::addTo(parser);
    parser.process(app);

    kelvora::SdlSoundPlayer sound;
    kelvora::SoundPlayer::install(&sound);
    try {
        kelvora::CourseOptions::from(parser).apply();
        auto *start = new kelvora::Form000;
        start->open();
    } catch (const kelvora::RuntimeError &error) {
        kelvora::reportRuntimeError(error);
    }
    return app.exec();
}
