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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvora-editor"));
    QApplication::setApplicationVersion(QStringLiteral(KELVORA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("KELVORA course editor: opens, edits and saves format 2 course files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("COURSE"),
                                 QStringLiteral("A course file, or a folder: its course.json, a new course if it has none "
                                                "(default: the current folder)."));
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "kelvora-editor: one course at a time. Try --help.\n");
        return 2;
    }

    SdlSoundPlayer sound;
    SoundPlayer::install(&sound);
    EditorWindow window;
    const QString course = parser.positionalArguments().value(0, QDir::currentPath());
    const QString error = window.openCourse(course);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "kelvora-editor: %s\n", qPrintable(error));
        return 1;
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
