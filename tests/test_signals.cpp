// The real trainer: Ctrl+C and SIGTERM end it at once, also once its sound is
// up, through a clean quit that records the run where one is asked for, with
// the status a shell gives a program ended by that signal; and a record that
// cannot go where it should stops it before any window opens.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

namespace {
// The sound player names its thread once the audio system has started.
bool soundHasStarted(qint64 pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "kelvora-sound")
            return true;
    }
    return false;
}

// The trainer with its data and settings in a folder of the test's, never the machine's.
void prepare(QProcess &trainer, const QTemporaryDir &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), home.filePath(QStringLiteral("system")));
    trainer.setProcessEnvironment(environment);
    trainer.setWorkingDirectory(QStringLiteral(KELVORA_DIST_DIR));
}
} // namespace

class TestSignals : public QObject {
    Q_OBJECT

private slots:
    void aSignalEndsTheTrainer_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("records");
        QTest::newRow("SIGINT, as Ctrl+C in the terminal sends it; no record asked for") << SIGINT << QStringList() << 0;
        QTest::newRow("SIGTERM, as timeout and a logout send it, in a recorded run")
            << SIGTERM << QStringList{"--trainee", "alice"} << 1;
    }

    void aSignalEndsTheTrainer()
    {
        QFETCH(int, signal);
        QFETCH(QStringList, arguments);
        QFETCH(int, records);
        QTemporaryDir home;
        QProcess trainer;
        prepare(trainer, home);
        trainer.setProcessChannelMode(QProcess::ForwardedChannels);
        trainer.start(QStringLiteral(KELVORA_DIST_DIR "/kelvora-trainer"), arguments);
        QVERIFY(trainer.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(soundHasStarted(trainer.processId()), 15000);

        QCOMPARE(::kill(pid_t(trainer.processId()), signal), 0);
        QVERIFY2(trainer.waitForFinished(3000), "the trainer went on running");
        QCOMPARE(trainer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(trainer.exitCode(), 128 + signal);
        const QDir written(home.filePath(QStringLiteral("data/kelvora/records")));
        QCOMPARE(written.entryList(QDir::Files).size(), records);
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("data/kelvora/outbox"))));
    }

    void aRecordThatCannotBeWrittenStopsTheRunBeforeItStarts_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("named"); // in the message; "HOME/" is the test's folder
        QTest::newRow("a FIFO") << QStringList{"--record", "HOME/fifo"} << QByteArray() << "HOME/fifo is not a regular file";
        QTest::newRow("a device, which a root run would replace")
            << QStringList{"--record", "/dev/null"} << QByteArray() << "/dev/null is not a regular file";
        QTest::newRow("a missing folder") << QStringList{"--trainee", "alice", "--record", "HOME/none/run.json"}
                                          << QByteArray() << "the folder HOME/none does not exist";
        QTest::newRow("a settings file asking for an unknown mode")
            << QStringList() << QByteArray("[records]\nmode=exam\n") << "HOME/config/kelvora/trainer.conf: records/mode";
        QTest::newRow("a records folder from the settings that is a file")
            << QStringList() << QByteArray("[records]\nenabled=true\nfolder=HOME/fifo\n") << "HOME/fifo is not a folder";
    }

    void aRecordThatCannotBeWrittenStopsTheRunBeforeItStarts()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, settings);
        QFETCH(QString, named);
        QTemporaryDir home;
        QCOMPARE(::mkfifo(QFile::encodeName(home.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
        if (!settings.isEmpty()) {
            QDir().mkpath(home.filePath(QStringLiteral("config/kelvora")));
            QFile file(home.filePath(QStringLiteral("config/kelvora/trainer.conf")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(settings.replace("HOME", home.path().toUtf8()));
        }
        arguments.replaceInStrings(QStringLiteral("HOME"), home.path());
        QProcess trainer;
        prepare(trainer, home);
        trainer.start(QStringLiteral(KELVORA_DIST_DIR "/kelvora-trainer"), arguments);
        QVERIFY2(trainer.waitForFinished(5000), "the run started");
        QCOMPARE(trainer.exitCode(), 2);
        const QString message = QString::fromLocal8Bit(trainer.readAllStandardError());
        QVERIFY2(message.contains(QString(named).replace(QStringLiteral("HOME"), home.path())), qPrintable(message));
        QVERIFY(QFileInfo(QStringLiteral("/dev/null")).exists() && !QFileInfo(QStringLiteral("/dev/null")).isFile());
        QVERIFY(!QFileInfo(home.filePath(QStringLiteral("fifo"))).isFile());
    }
};

QTEST_GUILESS_MAIN(TestSignals)
#include "test_signals.moc"
