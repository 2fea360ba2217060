#include "ContentCheck.h"

#include <QGuiApplication>
#include <QTextStream>

using namespace kelvora;

int main(int argc, char **argv)
{
    // Only font metrics are needed: no window, no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: kelvora-content-check CONTENTDIR PROGRAMDIR\n"
               "  CONTENTDIR holds images/ and Sounds/, PROGRAMDIR the language files Lang1.txt to Lang3.txt\n";
        return 2;
    }

    ContentCheck check(args.at(1), args.at(2));
    const QList<ContentProblem> problems = check.run();
    for (const ContentProblem &problem : problems)
        out << problem.toString() << '\n';
    out << QStringLiteral("kelvora-content-check: %1 files checked, %2\n")
               .arg(check.filesChecked())
               .arg(problems.isEmpty() ? QStringLiteral("no problems") : QStringLiteral("%1 problem(s)").arg(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}
