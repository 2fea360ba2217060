// kelvora-records DIR [--csv]: one line per run record in DIR, oldest first.
// kelvora-records --send: sends the outbox to the learning record store.
// kelvora-records report [DIR | --store]: the instructor's report as one HTML file.
#include "ClassFigures.h"
#include "CourseShelf.h"
#include "ReportPage.h"
#include "RunReading.h"
#include "StoreReader.h"
#include "app/ContentLocation.h"
#include "content/ContentPath.h"
#include "content/RegularFile.h"
#include "platform/DisplayCheck.h"
#include "platform/GroupPrivilege.h"
#include "platform/HiddenLine.h"
#include "platform/ProgramOptions.h"
#include "platform/RuntimeError.h"
#include "record/ClassroomSettings.h"
#include "record/KeyringSecret.h"
#include "record/RecordFile.h"
#include "record/RecordOptions.h"
#include "record/RecordSender.h"
#include "record/RunRecorder.h"
#include "record/RunSummary.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

// Pauses before the second, third and fourth try of a send.
constexpr int SendPausesMs[] = {1000, 2000, 4000};
// Besides the time each try may wait for the store.
constexpr int SendLimitMs = 30 * 1000;
// How long --save-password waits for the desktop's secret store.
constexpr int SavePasswordMs = 2 * 60 * 1000;

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

// The settings' store, for the options that need one; nothing, said on err, where there is none.
std::optional<kelvora::ClassroomSettings> storeSettings(const kelvora::ClassroomSettings &settings, QTextStream &err)
{
    if (!settings.problem.isEmpty()) {
        err << "kelvora-records: " << settings.problem << Qt::endl;
        return std::nullopt;
    }
    if (!settings.store.isSet()) {
        const QStringList files = kelvora::ClassroomSettings::files();
        err << "kelvora-records: no learning record store is set (store/endpoint in " << files.at(0) << " or "
            << files.at(1) << ")" << Qt::endl;
        return std::nullopt;
    }
    for (const QString &warning : settings.warnings)
        err << "kelvora-records: " << warning << Qt::endl;
    return settings;
}

int savePasswordInKeyring(QTextStream &out, QTextStream &err)
{
    const std::optional<kelvora::ClassroomSettings> settings = storeSettings(kelvora::ClassroomSettings::read(), err);
    if (!settings)
        return 2;
    if (!settings->store.passwordInKeyring) {
        err << "kelvora-records: the settings do not take the store's password from the desktop's secret store "
               "(store/keyring=true beside store/endpoint)" << Qt::endl;
        return 2;
    }
    const std::optional<QString> password = kelvora::readHiddenLine(
        QStringLiteral("Password for %1 at %2: ").arg(settings->store.username, settings->store.endpoint.toDisplayString()));
    if (!password || password->isEmpty()) {
        err << "kelvora-records: no password on the standard input" << Qt::endl;
        return 2;
    }
    // The user is there to unlock a locked secret store: longer than the store itself is given.
    if (const QString problem = kelvora::saveStoreSecret(settings->store, *password, SavePasswordMs);
        !problem.isEmpty()) {
        err << "kelvora-records: " << problem << Qt::endl;
        return 1;
    }
    out << "kelvora-records: the password for " << settings->store.username << " at "
        << settings->store.endpoint.toDisplayString() << " is kept in the desktop's secret store" << Qt::endl;
    return 0;
}

// Sends what is in the outbox, trying again after a pause while something is
// left; status 0 when all of it was taken. The whole of it is bounded in time.
int sendOutbox(QCoreApplication &app, const kelvora::ClassroomSettings &read, QTextStream &out, QTextStream &err)
{
    const std::optional<kelvora::ClassroomSettings> found = storeSettings(read, err);
    if (!found)
        return 2;
    const kelvora::ClassroomSettings &settings = *found;
    const QString outbox = kelvora::defaultOutboxFolder();
    kelvora::recoverPartFiles(outbox);
    kelvora::RecordSender sender(settings.store, outbox);
    int tries = 0;
    int sent = 0;
    int status = -1;
    QObject::connect(&sender, &kelvora::RecordSender::passDone, &app, [&](int passSent, int left, const QString &problem) {
        sent += passSent;
        if (left == 0) {
            status = 0;
            app.exit(0);
        } else if (tries < int(std::size(SendPausesMs))) {
            QTimer::singleShot(SendPausesMs[tries++], &sender, &kelvora::RecordSender::sendAll);
        } else {
            err << "kelvora-records: " << left << " record(s) left in " << outbox << ": " << problem << Qt::endl;
            status = 1;
            app.exit(1);
        }
    });
    const int limitMs = SendLimitMs + int(std::size(SendPausesMs)) * settings.store.timeoutMs;
    QTimer::singleShot(limitMs, &app, [&] {
        err << "kelvora-records: stopped after " << limitMs / 1000 << " s; what was not sent is left in " << outbox
            << Qt::endl;
        status = 1;
        app.exit(1);
    });
    // Started from the event loop, so that a pass that ends at once still ends the program.
    QTimer::singleShot(0, &sender, &kelvora::RecordSender::sendAll);
    app.exec();
    out << "kelvora-records: " << sent << " record(s) sent to " << settings.store.endpoint.toDisplayString() << Qt::endl;
    return status;
}


// The statements of every record file in the folder, in file order; files that cannot be read are named.
QJsonArray folderStatements(const QDir &dir, QTextStream &err, int *unreadable)
{
    QJsonArray statements;
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::System, QDir::Name)) {
        const QString path = dir.filePath(name);
        QString error;
        const std::optional<QByteArray> bytes = kelvora::readRecordFile(path, &error);
        const QJsonDocument document = bytes ? QJsonDocument::fromJson(*bytes) : QJsonDocument();
        if (!document.isArray()) {
            err << "kelvora-records: " << (bytes ? QStringLiteral("not a run record: ") + path : path + QLatin1Char(' ') + error)
                << Qt::endl;
            ++*unreadable;
            continue;
        }
        for (const QJsonValue &statement : document.array())
            statements.append(statement);
    }
    return statements;
}

// One row per run and step: trainee, course, run start, screen id, step id, time to press, misses, hints.
void writeStepCsv(QTextStream &out, const QList<kelvora::ReportRun> &runs)
{
    out << "trainee,course,run start,screen id,step id,time to press,misses,hints\n";
    for (const kelvora::ReportRun &run : runs) {
        for (const kelvora::ScreenRun &screen : run.screens) {
            for (const kelvora::StepRun &step : screen.steps) {
                out << csvLine({run.trainee, run.course, run.start.toUTC().toString(Qt::ISODateWithMs), screen.id, step.id,
                                step.taken ? QString::number(double(step.durationMs) / 1000.0, 'f', 3) : QString(),
                                QString::number(step.misses.size()), QString::number(step.hints)})
                    << '\n';
            }
        }
    }
}

QDateTime timeOption(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid())
        time = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
    return time;
}

// kelvora-records report [DIR] [--store] ...: status 0 when the report was written from everything asked for.
int writeReport(int argc, char **argv)
{
    // The command line is read before the application object, so that --help needs no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        if (i != 1)
            arguments << QString::fromLocal8Bit(argv[i]);
    }
    kelvora::ProgramOptions options(
        QStringLiteral("kelvora-records report"),
        QStringLiteral("Writes the instructor's report: one self-contained HTML file with the class at a glance, time per "
                       "screen, per step, where the misses land, per trainee, and the runs listed apart."),
        QStringLiteral("DIR | --store"));
    options.setHelpEnding(QLatin1Char('\n') + kelvora::ClassroomSettings::filesHelp());
    QCommandLineParser &parser = options.parser();
    const QCommandLineOption store(QStringLiteral("store"), QStringLiteral("Read the runs from the learning record store in the settings."));
    const QCommandLineOption course(QStringLiteral("course"), QStringLiteral("The course file the runs were made with (photographs, targets); may be given more than once."), QStringLiteral("FILE"));
    const QCommandLineOption content(QStringLiteral("content"), QStringLiteral("The folder of the built-in course's images/ and installed courses/."), QStringLiteral("DIR"));
    const QCommandLineOption since(QStringLiteral("since"), QStringLiteral("Only runs from this time on (2026-12-07 or 2026-12-07T09:00:00Z)."), QStringLiteral("TIME"));
    const QCommandLineOption until(QStringLiteral("until"), QStringLiteral("Only runs before this time."), QStringLiteral("TIME"));
    const QCommandLineOption trainee(QStringLiteral("trainee"), QStringLiteral("Add this trainee's own miss maps."), QStringLiteral("NAME"));
    const QCommandLineOption language(QStringLiteral("language"), QStringLiteral("The report's language: en, de, fr or tr (default en)."), QStringLiteral("TAG"), QStringLiteral("en"));
    const QCommandLineOption passMark(QStringLiteral("pass-mark"), QStringLiteral("Judge check runs' scores against this mark (0 to 1) instead of each run's own."), QStringLiteral("X"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("The HTML file to write (default report.html)."), QStringLiteral("FILE"), QStringLiteral("report.html"));
    for (const QCommandLineOption &option : {store, course, content, since, until, trainee, language, passMark, output})
        parser.addOption(option);
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder of run records (without --store)."));
    if (const std::optional<kelvora::ProgramStop> stopped = options.read(arguments))
        return stopped->print();
    if (parser.positionalArguments().size() != (parser.isSet(store) ? 0 : 1))
        return options.usageError(QStringLiteral("give the folder of run records, or --store.")).print();

    // The charts are drawn with widgets; on a machine without a display they are drawn off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kelvora::DisplayCheck display("kelvora-records");
    QApplication app(argc, argv);
    display.passed();
    QTextStream out(stdout);
    QTextStream err(stderr);

    const std::optional<kelvora::ReportWords> words = kelvora::ReportWords::of(parser.value(language));
    if (!words) {
        err << "kelvora-records: no report in the language '" << parser.value(language) << "' (en, de, fr, tr)" << Qt::endl;
        return 2;
    }
    kelvora::ReportRequest request;
    request.trainee = parser.value(trainee);
    if (parser.isSet(passMark)) {
        request.passMark = kelvora::passMarkNamed(parser.value(passMark));
        if (!request.passMark) {
            err << "kelvora-records: the pass mark '" << parser.value(passMark) << "' is not a number from 0 to 1" << Qt::endl;
            return 2;
        }
    }
    kelvora::StoreQuery query;
    for (const auto &[option, time] : {std::pair{&since, &query.since}, std::pair{&until, &query.until}}) {
        if (parser.isSet(*option)) {
            *time = timeOption(parser.value(*option));
            if (!time->isValid()) {
                err << "kelvora-records: '" << parser.value(*option) << "' is not a date or time" << Qt::endl;
                return 2;
            }
        }
    }

    QStringList problems;
    QString contentFolder = parser.value(content);
    try {
        contentFolder = kelvora::locateContent(contentFolder);
        if (contentFolder.isEmpty()) // found in the current directory
            contentFolder = QDir::currentPath();
    } catch (const kelvora::RuntimeError &) {
        // Without the built-in course's pictures its maps are drawn on a dark page.
    }
    const kelvora::CourseShelf shelf(parser.values(course), contentFolder, &problems);

    int unreadable = 0;
    QJsonArray statements;
    if (parser.isSet(store)) {
        const kelvora::ClassroomSettings settings = kelvora::ClassroomSettings::read();
        if (!settings.problem.isEmpty() || !settings.store.isSet()) {
            err << "kelvora-records: "
                << (settings.problem.isEmpty() ? QStringLiteral("no learning record store is set (store/endpoint in %1)")
                                                     .arg(kelvora::ClassroomSettings::files().join(QStringLiteral(" or ")))
                                               : settings.problem)
                << Qt::endl;
            return 2;
        }
        // One course given: only its statements are asked for.
        if (shelf.givenIds().size() == 1)
            query.activity = shelf.givenIds().first();
        const kelvora::StoreReading reading = kelvora::readStore(settings.store, query);
        if (!reading.problem.isEmpty()) {
            err << "kelvora-records: " << reading.problem << Qt::endl;
            return 1;
        }
        statements = reading.statements;
        request.source = settings.store.endpoint.toDisplayString();
    } else {
        const QDir dir(parser.positionalArguments().first());
        if (!dir.exists()) {
            err << "kelvora-records: no such folder: " << dir.path() << Qt::endl;
            return 1;
        }
        statements = folderStatements(dir, err, &unreadable);
        request.source = dir.absolutePath();
    }

    QList<kelvora::ReportRun> runs;
    for (const kelvora::ReportRun &run : kelvora::readRuns(statements, &problems)) {
        if ((!query.since.isValid() || run.start >= query.since) && (!query.until.isValid() || run.start < query.until))
            runs << run;
    }
    QList<kelvora::ClassFigures> courses;
    for (const QList<kelvora::ReportRun> &courseRuns : kelvora::runsByCourse(runs)) {
        const kelvora::Course *known = shelf.find(courseRuns.first().courseId);
        QHash<QString, QString> screenNames;
        for (const kelvora::ReportRun &run : courseRuns) {
            for (const kelvora::ScreenRun &screen : run.screens)
                screenNames.insert(screen.id, screen.name);
        }
        courses << kelvora::ClassFigures::of(courseRuns, [&](const QString &id) {
            return known ? kelvora::CourseShelf::screenNumber(*known, id, screenNames.value(id)) : 0;
        });
    }
    for (const QString &problem : problems)
        err << "kelvora-records: " << problem << Qt::endl;

    if (const QString error = kelvora::saveWholeFile(parser.value(output), kelvora::reportPage(courses, shelf, *words, request));
        !error.isEmpty()) {
        err << "kelvora-records: " << error << Qt::endl;
        return 1;
    }
    out << "kelvora-records: " << runs.size() << " run(s) of " << courses.size() << " course(s) in " << parser.value(output)
        << Qt::endl;
    return unreadable ? 2 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Installed set-group-ID as the trainer is, to read the store's secret: --send alone keeps the group, and
    // only while it reads the settings, before any Qt object exists. Anything else, the report from the store
    // above all, runs as whoever started it, so a trainee cannot read the class's records with the secret.
    std::optional<kelvora::ClassroomSettings> sendSettings;
    if (argc == 2 && qstrcmp(argv[1], "--send") == 0)
        sendSettings = kelvora::ClassroomSettings::read();
    else
        kelvora::giveUpGroupPrivilege();
    if (argc > 1 && qstrcmp(argv[1], "report") == 0)
        return writeReport(argc, argv);

    kelvora::ProgramOptions options(
        QStringLiteral("kelvora-records"),
        QStringLiteral("Lists the trainer's run records: trainee, course, mode, result, total time, misses, hints.\n"
                       "With --send, sends the records waiting in the outbox to the learning record store that the settings name.\n"
                       "kelvora-records report --help: the instructor's report as one HTML file."),
        QStringLiteral("DIR | --send | --save-password"));
    options.setHelpEnding(QLatin1Char('\n') + kelvora::ClassroomSettings::filesHelp());
    QCommandLineParser &parser = options.parser();
    parser.addOption({QStringLiteral("csv"), QStringLiteral("Write CSV with a header row.")});
    parser.addOption({QStringLiteral("steps"), QStringLiteral("With --csv: one row per run and step instead of per run.")});
    parser.addOption({QStringLiteral("send"), QStringLiteral("Send the outbox to the learning record store.")});
    parser.addOption({QStringLiteral("save-password"),
                      QStringLiteral("Keep the store's password, one line read from the standard input, in the desktop's "
                                     "secret store (with store/keyring=true in the settings).")});
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder of run records."));
    if (const std::optional<kelvora::ProgramStop> stopped = options.read(argc, argv))
        return stopped->print();
    const bool send = parser.isSet(QStringLiteral("send"));
    const bool savePassword = parser.isSet(QStringLiteral("save-password"));
    if (send && savePassword)
        return options.usageError(QStringLiteral("--send or --save-password, not both.")).print();
    if (parser.positionalArguments().size() != (send || savePassword ? 0 : 1))
        return options.usageError(send || savePassword ? QStringLiteral("--send and --save-password take no folder.")
                                                       : QStringLiteral("give the folder of run records."))
            .print();

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvora-records"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (send)
        return sendOutbox(app, sendSettings ? *sendSettings : kelvora::ClassroomSettings::read(), out, err);
    if (savePassword)
        return savePasswordInKeyring(out, err);

    const QDir dir(parser.positionalArguments().first());
    if (!dir.exists()) {
        err << "kelvora-records: no such folder: " << dir.path() << Qt::endl;
        return 1;
    }
    const bool csv = parser.isSet(QStringLiteral("csv"));
    if (csv && parser.isSet(QStringLiteral("steps"))) {
        int unreadable = 0;
        const QJsonArray statements = folderStatements(dir, err, &unreadable);
        writeStepCsv(out, kelvora::readRuns(statements, nullptr));
        return unreadable ? 2 : 0;
    }
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
