// kelvora-records DIR [--csv]: one line per run record in DIR, oldest first.
// kelvora-records --send: sends the outbox to the learning record store.
#include "platform/ProgramOptions.h"
#include "record/ClassroomSettings.h"
#include "record/RecordFile.h"
#include "record/RecordSender.h"
#include "record/RunRecorder.h"
#include "record/RunSummary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

// Pauses before the second, third and fourth try of a send.
constexpr int SendPausesMs[] = {1000, 2000, 4000};

// A spreadsheet takes a cell that starts with one of these for a formula; a
// quote before it makes it text, and shows nowhere.
QString csvField(QString field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!field.isEmpty() && formulaStarts.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    static const QString quoted = QStringLiteral(",\"\r\n");
    if (std::none_of(field.begin(), field.end(), [](QChar c) { return quoted.contains(c); }))
        return field;
    return QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// One line per run: a line break or other control character in a name is shown as a space.
QString plainField(QString field)
{
    for (QChar &c : field) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return field;
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

// Sends what is in the outbox, trying again after a pause while something is
// left; status 0 when all of it was taken.
int sendOutbox(QCoreApplication &app, QTextStream &out, QTextStream &err)
{
    const kelvora::ClassroomSettings settings = kelvora::ClassroomSettings::read();
    if (!settings.problem.isEmpty()) {
        err << "kelvora-records: " << settings.problem << Qt::endl;
        return 2;
    }
    if (!settings.store.isSet()) {
        const QStringList files = kelvora::ClassroomSettings::files();
        err << "kelvora-records: no learning record store is set (store/endpoint in " << files.at(0) << " or "
            << files.at(1) << ")" << Qt::endl;
        return 2;
    }
    const QString outbox = kelvora::defaultOutboxFolder();
    kelvora::RecordSender sender(settings.store, outbox);
    int tries = 0;
    int sent = 0;
    QObject::connect(&sender, &kelvora::RecordSender::passDone, &app, [&](int passSent, int left, const QString &problem) {
        sent += passSent;
        if (left == 0) {
            app.exit(0);
        } else if (tries < int(std::size(SendPausesMs))) {
            QTimer::singleShot(SendPausesMs[tries++], &sender, &kelvora::RecordSender::sendAll);
        } else {
            err << "kelvora-records: " << left << " record(s) left in " << outbox << ": " << problem << Qt::endl;
            app.exit(1);
        }
    });
    sender.sendAll();
    const int status = app.exec();
    out << "kelvora-records: " << sent << " record(s) sent to " << settings.store.endpoint.toDisplayString() << Qt::endl;
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    kelvora::ProgramOptions options(
        QStringLiteral("kelvora-records"),
        QStringLiteral("Lists the trainer's run records: trainee, course, mode, result, total time, misses, hints.\n"
                       "With --send, sends the records waiting in the outbox to the learning record store that the settings name."),
        QStringLiteral("DIR | --send"));
    QCommandLineParser &parser = options.parser();
    parser.addOption({QStringLiteral("csv"), QStringLiteral("Write CSV with a header row.")});
    parser.addOption({QStringLiteral("send"), QStringLiteral("Send the outbox to the learning record store.")});
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder of run records."));
    if (const std::optional<kelvora::ProgramStop> stopped = options.read(argc, argv))
        return stopped->print();
    const bool send = parser.isSet(QStringLiteral("send"));
    if (parser.positionalArguments().size() != (send ? 0 : 1))
        return options.usageError(send ? QStringLiteral("--send takes no folder.") : QStringLiteral("give the folder of run records."))
            .print();

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvora-records"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (send)
        return sendOutbox(app, out, err);

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
    // System: FIFOs and devices, and links to them, are named and passed over, never opened.
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::System, QDir::Name)) {
        const QString path = dir.filePath(name);
        QString error;
        const std::optional<QByteArray> bytes = kelvora::readRecordFile(path, &error);
        const std::optional<kelvora::RunSummary> summary = bytes ? kelvora::readRunSummary(*bytes) : std::nullopt;
        if (!summary) {
            err << "kelvora-records: " << (bytes ? QStringLiteral("not a run record: ") + path : path + QLatin1Char(' ') + error)
                << Qt::endl;
            ++unreadable;
            continue;
        }
        lines << summary->fields();
    }
    if (csv) {
        for (const QStringList &line : lines)
            out << csvLine(line) << '\n';
    } else {
        for (QStringList &line : lines)
            std::transform(line.begin(), line.end(), line.begin(), plainField);
        printAligned(out, lines);
    }
    return unreadable ? 2 : 0;
}
