#include "TestRun.h"
#include "screens/Run.h"
#include "app/TrainerApplication.h"
#include "screens/LessonScreen.h"
#include "screens/PrgModule.h"

#include <QLabel>
#include <QPushButton>

using namespace kelvora;
using namespace kelvora::test;

namespace {
// A bare lesson screen of a given place in the chain: the template's controls only.
LessonDesign bareDesign(const Run &run, int screen)
{
    return {.screen = screen,
            .inset = "images\\KokpitA.bmp",
            .firstPhotograph = "images\\001.jpg",
            .layout = run.course().screens.at(size_t(screen - 1)).layout};
}

// Records, while it loads, whether the screen it replaces is still on display.
class WatchingScreen : public LessonScreen {
public:
    WatchingScreen(Run &run, QWidget *watched) : LessonScreen(run, bareDesign(run, 3)), m_watched(watched) {}
    bool watchedWasVisible = false;
    int cursorAtLoad = 0;

protected:
    void load() override
    {
        LessonScreen::load();
        watchedWasVisible = m_watched && m_watched->isVisible();
        cursorAtLoad = run().explanationCursor;
    }

private:
    QPointer<QWidget> m_watched;
};
} // namespace

class ScreenServicesTest : public QObject {
    Q_OBJECT
private slots:
    // Two runs in one process: each reads its own language's lines with its own
    // cursor and voice, and stopping one leaves the other's page taking presses.
    void twoRunsLiveSideBySide()
    {
        TestRun english(2);
        TestRun french(3);
        LessonScreen first(english, bareDesign(english, 2));
        LessonScreen second(french, bareDesign(french, 2));
        english.explanationCursor = 4;
        first.open();
        second.open();
        QCOMPARE(first.control<QLabel>(QStringLiteral("Explain"))->text(), QStringLiteral("E5"));
        QCOMPARE(second.control<QLabel>(QStringLiteral("Explain"))->text(), QStringLiteral("F1"));
        PlayCue(second, QStringLiteral("Dugme1"));
        QVERIFY(english.sound.requests.isEmpty());
        QCOMPARE(french.sound.requests.size(), 1);

        english.stop();
        QVERIFY(first.isLeaving());
        QVERIFY(!second.isLeaving());
    }

    void localizeSetsCaptionsAndTrimsTheButtons_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("exit");
        QTest::addColumn<QString>("continueCaption");
        QTest::newRow("Turkish") << 1 << QString::fromUtf8("İleri") << QString::fromUtf8("Çıkış") << "Devam";
        QTest::newRow("English") << 2 << "Next" << "Exit" << "Continue";
        QTest::newRow("French") << 3 << "Poursuivre" << "Fermer" << "Continuer";
        QTest::newRow("no language: design captions") << 0 << "Next  ->" << "Exit" << "Devam";
        QTest::newRow("an unknown code: design captions") << 7 << "Next  ->" << "Exit" << "Devam";
    }
    void localizeSetsCaptionsAndTrimsTheButtons()
    {
        QFETCH(int, language);
        QFETCH(QString, next);
        QFETCH(QString, exit);
        QFETCH(QString, continueCaption);
        TestRun run(language);
        LessonScreen screen(run, bareDesign(run, 2));
        LocalizeScreen(screen, language);
        auto *exitButton = screen.control<QPushButton>(QStringLiteral("Command2"));
        QCOMPARE(screen.control<QPushButton>(QStringLiteral("Command1"))->text(), next);
        QCOMPARE(exitButton->text(), exit);
        QCOMPARE(screen.control<QLabel>(QStringLiteral("LabelDVM"))->text(), continueCaption);
        QVERIFY(screen.control<QPushButton>(QStringLiteral("Command1"))->isHidden());
        QVERIFY(screen.control<QPushButton>(QStringLiteral("Command3"))->isHidden());
        QCOMPARE(exitButton->geometry(), QRect(968, 6, 55, 27));
    }

    void exitIsWidenedToTheLeftOfItsOwnPlace_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("left");
        QTest::newRow("screen 1, from 986") << 1 << 968;
        QTest::newRow("screen 4, from 982") << 4 << 964;
        QTest::newRow("screen 18, from 986") << 18 << 968;
    }
    void exitIsWidenedToTheLeftOfItsOwnPlace()
    {
        QFETCH(int, screen);
        QFETCH(int, left);
        TestRun run;
        LessonScreen lesson(run, bareDesign(run, screen));
        lesson.open();
        QCOMPARE(lesson.control<QPushButton>(QStringLiteral("command2"))->geometry(), QRect(left, 6, 55, 27));
    }

    void explanationsFollowTheCursor()
    {
        TestRun run(1);
        LessonScreen screen(run, bareDesign(run, 2));
        auto *explain = screen.control<QLabel>(QStringLiteral("Explain"));
        run.explanationCursor = 4;
        ShowNextExplanation(screen, QStringLiteral("1"));
        QCOMPARE(explain->text(), QStringLiteral("T5"));
        ShowNextExplanation(screen, QStringLiteral("1"));
        QCOMPARE(explain->text(), QStringLiteral("T6"));
        QCOMPARE(run.explanationCursor, 6);
    }

    void explanationFailuresKeepTheirOrder_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("kind");
        QTest::newRow("missing language file") << QByteArray() << int(RuntimeError::Kind::FileNotFound);
        QTest::newRow("too few lines") << QByteArray("one\r\ntwo\r\n") << int(RuntimeError::Kind::InputPastEndOfFile);
    }
    void explanationFailuresKeepTheirOrder()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, kind);
        TestRun run(2);
        if (file.isEmpty())
            QVERIFY(QFile::remove(run.programFolder() + QStringLiteral("/Lang2.txt")));
        else
            run.writeLanguageFile(2, file);
        LessonScreen screen(run, bareDesign(run, 2));
        auto *explain = screen.control<QLabel>(QStringLiteral("Explain"));
        explain->setText(QStringLiteral("before"));
        run.explanationCursor = 2;
        try {
            ShowNextExplanation(screen, QStringLiteral("2"));
            QFAIL("no error was raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(int(error.kind()), kind);
            QVERIFY(error.message().contains(QStringLiteral("Lang2.txt")));
        }
        QCOMPARE(run.explanationCursor, 3); // advanced before the file was touched
        QCOMPARE(explain->text(), QStringLiteral("before"));
    }

    void theCursorIsGuardedAgainstOverflow()
    {
        TestRun run;
        LessonScreen screen(run, bareDesign(run, 2));
        run.explanationCursor = std::numeric_limits<int>::max();
        QVERIFY_THROWS_EXCEPTION(RuntimeError, ShowNextExplanation(screen, QStringLiteral("2")));
    }

    void aMissingControlIsNamed()
    {
        TestRun run;
        LessonScreen screen(run, bareDesign(run, 2));
        delete screen.control<QLabel>(QStringLiteral("Explain"));
        try {
            ShowNextExplanation(screen, QStringLiteral("2"));
            QFAIL("no error was raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), RuntimeError::Kind::ControlNotFound);
            QCOMPARE(error.subject(), QStringLiteral("Explain"));
        }
    }

    void playCuePlaysFromTheSoundFolderAndWaits()
    {
        TestRun run;
        const LessonScreen screen(run, bareDesign(run, 2));
        PlayCue(screen, QStringLiteral("Dugme1"));
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{{"Sounds\\Dugme1.wav", 1, 0}}));
    }

    void goToScreenLoadsTheNextBeforeUnloadingThis()
    {
        TestRun run;
        auto *current = new LessonScreen(run, bareDesign(run, 2));
        current->open();
        QPointer<LessonScreen> watchCurrent(current);
        auto *next = new WatchingScreen(run, current);
        GoToScreen(*current, *next);
        TestRun::settle();
        QVERIFY(next->watchedWasVisible);
        QCOMPARE(next->cursorAtLoad, 2);
        QVERIFY(watchCurrent.isNull());
        QVERIFY(next->isVisible());
    }
};

KELVORA_TEST_MAIN(ScreenServicesTest)
#include "test_screen_services.moc"
