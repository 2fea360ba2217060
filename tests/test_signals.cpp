// Ctrl+C and SIGTERM end the real trainer at once, also once its sound is up:
// through a clean quit that records the run, with the status a shell gives a
// program ended by that signal.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

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
} // namespace

class TestSignals : public QObject {
    Q_OBJECT

private slots:
    void aSignalEndsTheTrainer_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT, as Ctrl+C in the terminal sends it") << SIGINT;
        QTest::newRow("SIGTERM, as timeout and a logout send it") << SIGTERM;
    }

    void aSignalEndsTheTrainer()
    {
        QFETCH(int, signal);
        QTemporaryDir data;
        QProcess trainer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        trainer.setProcessEnvironment(environment);
        trainer.setWorkingDirectory(QStringLiteral(KELVORA_DIST_DIR));
        trainer.setProcessChannelMode(QProcess::ForwardedChannels);
        trainer.start(QStringLiteral(KELVORA_DIST_DIR "/kelvora-trainer"), {});
        QVERIFY(trainer.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(soundHasStarted(trainer.processId()), 15000);

        QCOMPARE(::kill(pid_t(trainer.processId()), signal), 0);
        QVERIFY2(trainer.waitForFinished(3000), "the trainer went on running");
        QCOMPARE(trainer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(trainer.exitCode(), 128 + signal);
        const QDir records(data.filePath(QStringLiteral("kelvora/records")));
        QCOMPARE(records.entryList(QDir::Files).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSignals)
#include "test_signals.moc"
