// kelvora-records DIR [--csv]: one line per run record in DIR, oldest first.
#include "record/RunSummary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

QString csvField(const QString &field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n')))
        return field;
    return QLatin1Char('"') + QString(field).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(QLatin1Char(','));
}

// "alice  startup  check  completed  0:12:05  3 misses  1 hint", in columns.
void printAligned(QTextStream &out, QList<QStringList> lines)
{
    for (QStringList &line : lines) {
        line[5] += line[5] == QLatin1String("1") ? QStringLiteral(" miss") : QStringLiteral(" misses");
        line[6] += line[6] == QLatin1String("1") ? QStringLiteral(" hint") : QStringLiteral(" hints");
    }
    QList<qsizetype> widths(7, 0);
    for (const QStringList &line : lines) {
        for (int column = 0; column < line.size(); ++column)
            widths[column] = qMax(widths[column], line[column].size());
    }
    for (const QStringList &line : lines) {
        QString text;
        for (int column = 0; column < line.size(); ++column) {
            const bool number = column >= 4;
            text += number ? line[column].rightJustified(widths[column]) : line[column].leftJustified(widths[column]);
            text += QStringLiteral("  ");
        }
        out << text.trimmed() << '\n';
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvora-records"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the trainer's run records: trainee, course, mode, result, total time, misses, hints."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("csv"), QStringLiteral("Write CSV with a header row.")});
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder of run records."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QDir dir(parser.positionalArguments().first());
    if (!dir.exists()) {
        err << "kelvora-records: no such folder: " << dir.path() << Qt::endl;
        return 1;
    }
    const bool csv = parser.isSet(QStringLiteral("csv"));
    if (csv)
        out << "trainee,course,mode,result,total time,misses,hints\n";
    int unreadable = 0;
    QList<QStringList> lines;
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        const std::optional<kelvora::RunSummary> summary =
            file.open(QIODevice::ReadOnly) ? kelvora::readRunSummary(file.readAll()) : std::nullopt;
        if (!summary) {
            err << "kelvora-records: not a run record: " << file.fileName() << Qt::endl;
            ++unreadable;
            continue;
        }
        lines << summary->fields();
    }
    if (csv) {
        for (const QStringList &line : lines)
            out << csvLine(line) << '\n';
    } else {
        printAligned(out, lines);
    }
    return unreadable ? 2 : 0;
}
