#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Every installed program answers the options they all share alike, with no
// display; the windowed ones say in one line when there is none to open on.
class ProgramOptionsTest : public QObject {
    Q_OBJECT

    struct Ended {
        int status = -1;
        QString out;
        QString err;
    };

    static Ended run(const QString &program, const QStringList &arguments, const QString &display = {})
    {
        QTemporaryDir folder;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.path());
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void answersHelpVersionAndAnUnknownOption_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("the trainer") << QStringLiteral(KELVORA_TRAINER);
        QTest::newRow("the course editor") << QStringLiteral(KELVORA_EDITOR);
        QTest::newRow("the content checker") << QStringLiteral(KELVORA_CONTENT_CHECK);
        QTest::newRow("the storyboard") << QStringLiteral(KELVORA_STORYBOARD);
        QTest::newRow("the translators' tool") << QStringLiteral(KELVORA_COURSE);
        QTest::newRow("the records tool") << QStringLiteral(KELVORA_RECORDS);
    }
    void answersHelpVersionAndAnUnknownOption()
    {
        QFETCH(QString, program);
        const QString name = QFileInfo(program).fileName();

        const Ended help = run(program, {QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.startsWith(QStringLiteral("Usage: %1 ").arg(name)), qPrintable(help.out));
        QVERIFY2(help.out.contains(QStringLiteral("--version")) && help.err.isEmpty(), qPrintable(help.err));

        const Ended version = run(program, {QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("%1 %2\n").arg(name, QStringLiteral(KELVORA_VERSION)));

        const Ended unknown = run(program, {QStringLiteral("--no-such-option")});
        QCOMPARE(unknown.status, 2);
        QVERIFY(unknown.out.isEmpty());
        QVERIFY2(unknown.err.startsWith(name + QStringLiteral(": ")) && unknown.err.contains(QStringLiteral("no-such-option")) &&
                     unknown.err.count(u'\n') == 1,
                 qPrintable(unknown.err));
    }

    void aWindowedProgramWithoutADisplaySaysSoInOneLine_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display");
        const QString trainer = QStringLiteral(KELVORA_TRAINER);
        const QString editor = QStringLiteral(KELVORA_EDITOR);
        QTest::newRow("the trainer, no display set") << trainer << QStringList() << QString();
        QTest::newRow("the trainer, a display that is not there") << trainer << QStringList() << QStringLiteral(":4093");
        QTest::newRow("the course editor, no display set") << editor << QStringList() << QString();
        QTest::newRow("the course editor, a display that is not there") << editor << QStringList() << QStringLiteral(":4093");
        QTest::newRow("the records report, a display that is not there")
            << QStringLiteral(KELVORA_RECORDS) << QStringList{QStringLiteral("report"), QStringLiteral(".")} << QStringLiteral(":4093");
    }
    void aWindowedProgramWithoutADisplaySaysSoInOneLine()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        const Ended ended = run(program, arguments, display);
        QCOMPARE(ended.status, 2);
        QVERIFY2(ended.err.startsWith(QFileInfo(program).fileName() + QStringLiteral(": cannot open a window: ")) &&
                     ended.err.contains(QStringLiteral("display")) && ended.err.count(u'\n') == 1,
                 qPrintable(ended.err));
    }
};

QTEST_GUILESS_MAIN(ProgramOptionsTest)
#include "test_program_options.moc"
