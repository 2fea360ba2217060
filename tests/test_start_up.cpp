#include "app/CommandLine.h"
#include "app/ContentLocation.h"
#include "content/ContentPath.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;

// The command line and where the start-up finds the content.
class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("run");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("printed");
        QTest::newRow("no options") << QStringList{} << true << 0 << ""
                                    << "";
        QTest::newRow("content folder") << QStringList{"--content", "/srv/pack"} << true << 0 << "/srv/pack"
                                        << "";
        QTest::newRow("content folder after =") << QStringList{"--content=/srv/pack"} << true << 0 << "/srv/pack"
                                                << "";
        QTest::newRow("version") << QStringList{"--version"} << false << 0 << ""
                                 << "kelvora-trainer " KELVORA_VERSION "\n";
        QTest::newRow("help") << QStringList{"-h"} << false << 0 << ""
                              << "Usage: kelvora-trainer [options]";
        QTest::newRow("unknown option") << QStringList{"--fullscreen"} << false << 2 << ""
                                        << "'fullscreen'";
        QTest::newRow("option without its value") << QStringList{"--content"} << false << 2 << ""
                                                  << "'--content'";
        QTest::newRow("Qt's own options are not taken") << QStringList{"--help-all"} << false << 2 << ""
                                                        << "'help-all'";
        QTest::newRow("a screen number from 1") << QStringList{"--screen", "0"} << false << 2 << ""
                                                << "--screen takes a screen number from 1, not '0'";
        QTest::newRow("stray argument") << QStringList{"lesson3"} << false << 2 << ""
                                        << "'lesson3'";
    }
    void readsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, run);
        QFETCH(int, status);
        QFETCH(QString, content);
        QFETCH(QString, printed);
        arguments.prepend(QStringLiteral("/opt/somewhere/bin/kelvora-trainer"));
        const CommandLine line = CommandLine::parse(arguments);
        QCOMPARE(line.run, run);
        QCOMPARE(line.options.contentFolder, content);
        if (run)
            return;
        QCOMPARE(line.exitStatus, status);
        const QString text = status == 0 ? line.output : line.error;
        QVERIFY2(text.startsWith(printed) || (status != 0 && text.contains(printed)), qPrintable(text));
        if (status != 0)
            QVERIFY2(!line.error.contains(QLatin1Char('\n')) && line.output.isEmpty(), qPrintable(line.error));
    }

    void findsTheContent_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QStringList>("holdingStartPicture");
        QTest::addColumn<QString>("contentFolder"); // "" the current directory, as it changes
        QTest::addColumn<QString>("languageFolder");
        QTest::newRow("a runnable folder as current directory") << "" << QStringList{"current", "program"} << ""
                                                                << "program";
        QTest::newRow("started from elsewhere") << "" << QStringList{"program"} << "program"
                                                << "program";
        QTest::newRow("requested folder") << "pack" << QStringList{"current", "pack"} << "pack"
                                          << "pack";
    }
    void findsTheContent()
    {
        QFETCH(QString, requested);
        QFETCH(QStringList, holdingStartPicture);
        QFETCH(QString, contentFolder);
        QFETCH(QString, languageFolder);
        Folders folders(holdingStartPicture);
        locateContent(requested.isEmpty() ? QString() : folders.path(requested));
        QCOMPARE(kelvora::contentFolder(), contentFolder.isEmpty() ? QDir::currentPath() : folders.path(contentFolder));
        QCOMPARE(programFolder(), folders.path(languageFolder));
    }

    void namesEveryFolderItTried()
    {
        Folders folders({});
        try {
            locateContent({});
            QFAIL("no error was raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), RuntimeError::Kind::FileNotFound);
            for (const QString &tried : {folders.path("current"), folders.path("program"), installedDataFolder()})
                QVERIFY2(error.message().contains(tried), qPrintable(error.message()));
            QVERIFY(error.message().contains(QLatin1String("--content")));
        }
    }

private:
    // Candidate folders in a scratch folder, some with a start picture; "current"
    // is the current directory and "program" the language files' folder meanwhile.
    class Folders {
    public:
        explicit Folders(const QStringList &withStartPicture) : m_previous(QDir::currentPath())
        {
            for (const char *name : {"current", "program", "pack"}) {
                QDir(m_dir.path()).mkpath(QStringLiteral("%1/images").arg(QLatin1String(name)));
                if (withStartPicture.contains(QLatin1String(name)))
                    QImage(4, 4, QImage::Format_RGB32).save(path(name) + QStringLiteral("/images/000.jpg"));
            }
            QDir::setCurrent(path("current"));
            setProgramFolder(path("program"));
        }
        ~Folders()
        {
            QDir::setCurrent(m_previous);
            setProgramFolder({});
            setContentFolder({});
        }
        QString path(const QString &name) const { return QDir(m_dir.path()).absoluteFilePath(name); }

    private:
        QTemporaryDir m_dir;
        QString m_previous;
    };
};

QTEST_GUILESS_MAIN(StartUpTest)
#include "test_start_up.moc"
