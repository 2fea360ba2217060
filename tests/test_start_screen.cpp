#include "TestRun.h"
#include "app/Form000.h"
#include "app/StartPlace.h"
#include "screens/Run.h"
#include "app/TrainerApplication.h"

#include "record/RunClock.h"
#include "record/RunRecorder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

using namespace kelvora;
using namespace kelvora::test;

class StartScreenTest : public QObject {
    Q_OBJECT

    static QPushButton *button(Screen *screen, const char *name) { return screen->control<QPushButton>(QLatin1String(name)); }
    static QLabel *label(Screen *screen, const char *name) { return screen->control<QLabel>(QLatin1String(name)); }

    static Form000 *openStartScreen(Run &run)
    {
        auto *screen = new Form000(run);
        screen->open();
        return screen;
    }

private slots:
    void opensWithoutALanguageAndWithoutStart()
    {
        TestRun run(0);
        Form000 *screen = openStartScreen(run);
        QCOMPARE(run.language, 0);
        QVERIFY(button(screen, "BtnStart")->isHidden());
        QCOMPARE(label(screen, "lbllang2")->text(), QString());
        QCOMPARE(screen->pictureName(), QStringLiteral("images\\000.jpg"));
        QCOMPARE(screen->size(), QSize(1022, 768));
        QCOMPARE(screen->windowIcon().availableSizes().size(), 4);
    }

    void languageButtonsSetTheRun_data()
    {
        QTest::addColumn<QStringList>("pressed");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("startCaption");
        QTest::addColumn<QString>("languageName");
        QTest::newRow("Turkish") << QStringList{"Lang1"} << 1 << QString::fromUtf8("Başla") << QString::fromUtf8("Türkçe");
        QTest::newRow("English") << QStringList{"Lang2"} << 2 << "Start" << "English";
        QTest::newRow("French") << QStringList{"Lang3"} << 3 << "Commencer" << "Francais";
        QTest::newRow("French, then Turkish: the last one counts")
            << QStringList{"Lang3", "Lang1"} << 1 << QString::fromUtf8("Başla") << QString::fromUtf8("Türkçe");
    }
    void languageButtonsSetTheRun()
    {
        QFETCH(QStringList, pressed);
        QFETCH(int, language);
        QFETCH(QString, startCaption);
        QFETCH(QString, languageName);
        TestRun run(0);
        Form000 *screen = openStartScreen(run);
        for (const QString &name : pressed)
            QTest::mouseClick(button(screen, qPrintable(name)), Qt::LeftButton);
        QCOMPARE(run.language, language);
        QVERIFY(!button(screen, "BtnStart")->isHidden());
        QCOMPARE(button(screen, "BtnStart")->text(), startCaption);
        QCOMPARE(label(screen, "lbllang2")->text(), languageName);
        QVERIFY(run.sound.requests.isEmpty());
    }

    void theKeyboardChoosesEnglishFirst_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void theKeyboardChoosesEnglishFirst()
    {
        QFETCH(int, key);
        TestRun run(0);
        Form000 *screen = openStartScreen(run);
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QCOMPARE(QApplication::focusWidget(), button(screen, "Lang2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(run.language, 2);
    }

    void tabWalksTheDesignedOrder()
    {
        TestRun run(0);
        Form000 *screen = openStartScreen(run);
        QCOMPARE(button(screen, "Lang2")->nextInFocusChain(), button(screen, "Command2"));
        QCOMPARE(button(screen, "Command2")->nextInFocusChain(), button(screen, "Lang1"));
        QCOMPARE(button(screen, "Lang1")->nextInFocusChain(), button(screen, "BtnStart"));
        QCOMPARE(button(screen, "BtnStart")->nextInFocusChain(), button(screen, "Lang3"));
    }

    void fromTheKeyboardTabWalksAsTheScreenReads()
    {
        TestRun run(0);
        AccessOptions access;
        access.keyboard = true;
        run.setAccess(access);
        Form000 *screen = openStartScreen(run);
        QCOMPARE(button(screen, "Lang1")->nextInFocusChain(), button(screen, "Lang2"));
        QCOMPARE(button(screen, "Lang2")->nextInFocusChain(), button(screen, "Lang3"));
        QCOMPARE(button(screen, "Lang3")->nextInFocusChain(), button(screen, "BtnStart"));
        QCOMPARE(button(screen, "BtnStart")->nextInFocusChain(), button(screen, "Command2"));
    }

    void startOpensTheFirstLessonThenLeaves()
    {
        TestRun run(3);
        Form000 *screen = openStartScreen(run);
        QTest::mouseClick(button(screen, "Lang3"), Qt::LeftButton);
        QPointer<Form000> start(screen);
        QTest::mouseClick(button(screen, "BtnStart"), Qt::LeftButton);
        TestRun::settle();
        QVERIFY(start.isNull());
        Screen *lesson = run.currentScreen();
        QVERIFY(lesson);
        QCOMPARE(lesson->objectName(), QStringLiteral("Form001"));
        QCOMPARE(label(lesson, "Explain")->text(), QStringLiteral("F1"));
        QVERIFY(run.errors.isEmpty());
    }

    void aRecordedRunWithoutANameAsksForOne()
    {
        TestRun run(0);
        QTemporaryDir records;
        SystemRunClock clock;
        RunRecorder recorder(clock, QStringLiteral("startup"), QString(), QStringLiteral("guided"), {{}, records.path()});
        run.setObserver(&recorder);
        const auto uninstall = qScopeGuard([&run] { run.setObserver(nullptr); });
        Form000 *screen = openStartScreen(run);
        auto *name = screen->findChild<QLineEdit *>(QStringLiteral("TraineeName"));
        QVERIFY(name && screen->focusWidget() == name);
        QTest::mouseClick(button(screen, "Lang2"), Qt::LeftButton);
        QVERIFY(!button(screen, "BtnStart")->isEnabled());
        QTest::keyClicks(name, QStringLiteral("  "));
        QVERIFY(!button(screen, "BtnStart")->isEnabled());
        QTest::keyClicks(name, QStringLiteral("Ayse Demir "));
        QTest::mouseClick(button(screen, "BtnStart"), Qt::LeftButton);
        QCOMPARE(recorder.record()->trainee, QStringLiteral("Ayse Demir"));

        // A run that is not recorded, or names its trainee, asks nothing.
        run.setObserver(nullptr);
        QVERIFY(!openStartScreen(run)->findChild<QLineEdit *>());
    }

    void theCommandLineStartsAtALessonInALanguage_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("shown"); // the lesson, and the language file and line it shows; or the error
        QTest::newRow("screen 3 in French reads on from the lines screens 1 and 2 read") << 3 << "fr" << "Form003 F";
        QTest::newRow("without a language, the course's first") << 1 << "" << "Form001 T1";
        QTest::newRow("a screen the course lacks") << 19 << "" << "screen not found: --screen 19";
        QTest::newRow("a language the course lacks") << 1 << "de" << "--language de: the course's languages are tr, en, fr";
    }
    void theCommandLineStartsAtALessonInALanguage()
    {
        QFETCH(int, screen);
        QFETCH(QString, tag);
        QFETCH(QString, shown);
        TestRun run(0);
        CommandLineOptions options;
        options.startScreen = screen;
        options.languageTag = tag;
        try {
            Screen &lesson = firstScreen(run, options);
            lesson.open();
            if (shown.endsWith(QLatin1Char('F'))) // after every line of the screens before it
                shown += QString::number(Course::linesRead(run.course().screens[0]) +
                                         Course::linesRead(run.course().screens[1]) + 1);
            QCOMPARE(lesson.objectName() + QLatin1Char(' ') + label(&lesson, "Explain")->text(), shown);
        } catch (const RuntimeError &error) {
            QVERIFY2(error.message().contains(shown), qPrintable(error.message()));
        }
        QVERIFY(run.errors.isEmpty());
    }

    void exitMakesOneSoundRequestAndEnds()
    {
        TestRun run(0);
        Form000 *screen = openStartScreen(run);
        QTest::mouseClick(button(screen, "Command2"), Qt::LeftButton);
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{{"sounds\\dugme3.wav", 1, 1}}));
        QCOMPARE(run.endStatus, 0);
    }

    void aMissingTitlePictureIsARunTimeError()
    {
        TestRun run(0);
        run.removeContent(QStringLiteral("images/000.jpg"));
        auto *screen = new Form000(run);
        try {
            screen->open();
            QFAIL("no error was raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), RuntimeError::Kind::FileNotFound);
            QCOMPARE(error.subject(), QStringLiteral("images\\000.jpg"));
        }
    }
};

KELVORA_TEST_MAIN(StartScreenTest)
#include "test_start_screen.moc"
