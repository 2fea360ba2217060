#include "EditorTranslations.h"
#include "EditorWindow.h"
#include "PhotographView.h"

#include "platform/SdlSoundPlayer.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstdio>

using namespace kelvora;

int main(int argc, char **argv)
{
    // Read before the application object, so --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("KELVORA course editor: opens, edits and saves format 2 course files."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("COURSE"),
                                 QStringLiteral("A course file, or a folder: its course.json, a new course if it has none "
                                                "(the folder is made on save). Without one, the start page."));
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString error = parser.errorText().isEmpty() ? QStringLiteral("one course at a time.") : parser.errorText();
        std::fprintf(stderr, "kelvora-editor: %s Try --help.\n", qPrintable(error));
        return 2;
    }
    if (parser.isSet(help)) {
        const QString text = parser.helpText();
        std::printf("Usage: kelvora-editor [options] [COURSE]%s", qPrintable(text.mid(text.indexOf(QLatin1Char('\n')))));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("kelvora-editor %s\n", KELVORA_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("kelvora"));
    QApplication::setApplicationName(QStringLiteral("kelvora-editor"));
    installEditorTranslations(app);
    SdlSoundPlayer sound;
    SoundPlayer::install(&sound);
    EditorWindow window;
    if (parser.positionalArguments().isEmpty()) {
        window.showStartPage();
    } else {
        const QString error = window.openCourse(parser.positionalArguments().constFirst());
        if (!error.isEmpty()) {
            std::fprintf(stderr, "kelvora-editor: %s\n", qPrintable(error));
            return 1;
        }
    }
    window.showMaximized();
    // The desktop test drags targets on the photograph: it reads where the photograph lies on the screen.
    if (qEnvironmentVariableIsSet("KELVORA_EDITOR_REPORT_PHOTOGRAPH")) {
        auto *report = new QTimer(&window);
        QObject::connect(report, &QTimer::timeout, &window, [&window, last = QRect()]() mutable {
            const QWidget *view = window.photograph()->viewport();
            const QRect place(view->mapToGlobal(QPoint(0, 0)), view->size());
            if (place != last)
                std::printf("photograph at %d %d %d %d\n", place.x(), place.y(), place.width(), place.height()), std::fflush(stdout);
            last = place;
        });
        report->start(300);
    }
    return app.exec();
}
