#include "EditorTranslations.h"
#include "EditorWindow.h"
#include "PhotographView.h"

#include "content/ContentPath.h"
#include "platform/DisplayCheck.h"
#include "platform/ProgramOptions.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

using namespace kelvora;

int main(int argc, char **argv)
{
    ProgramOptions options(QStringLiteral("kelvora-editor"),
                           QStringLiteral("KELVORA course editor: opens, edits and saves format 2 course files."),
                           QStringLiteral("[COURSE]"));
    options.parser().addPositionalArgument(QStringLiteral("COURSE"),
                                           QStringLiteral("A course file, or a folder: its course.json, a new course if it "
                                                          "has none (the folder is made on save). Without one, the start page."));
    if (const std::optional<ProgramStop> stopped = options.read(argc, argv))
        return stopped->print();
    const QStringList arguments = options.parser().positionalArguments();
    if (arguments.size() > 1)
        return options.usageError(QStringLiteral("one course at a time.")).print();

    DisplayCheck display("kelvora-editor");
    QApplication app(argc, argv);
    display.passed();
    // One id for the desktop: the menu entry's file name, the Wayland app id and the X11 window class.
    QApplication::setOrganizationName(QStringLiteral("kelvora"));
    QApplication::setApplicationName(QStringLiteral("org.kelvora.editor"));
    QApplication::setDesktopFileName(QStringLiteral("org.kelvora.editor"));
    installEditorTranslations(app);
    EditorWindow window;
    if (arguments.isEmpty()) {
        window.showStartPage();
    } else {
        const QString error = window.openCourse(arguments.constFirst());
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
