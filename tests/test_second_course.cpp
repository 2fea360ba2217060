// The shutdown course, read from the files the build writes: a trainee walks it
// end to end with the author's aid on, which must not change what a press does.
#include "LessonProbe.h"
#include "LessonWalker.h"
#include "TestRun.h"
#include "app/Form000.h"
#include "app/TrainerApplication.h"
#include "course/CourseJson.h"
#include "screens/AuthorView.h"

#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QMouseEvent>

using namespace kelvora;
using namespace kelvora::test;

namespace {
LessonScreen *onDisplay()
{
    TestRun::settle();
    return qobject_cast<LessonScreen *>(TestRun::currentScreen());
}

// Where a label's text is drawn, on its page.
QRect textRect(const QLabel &label)
{
    const QSize size = label.fontMetrics().size(Qt::TextSingleLine, label.text());
    return QStyle::alignedRect(Qt::LeftToRight, label.alignment(), size, label.contentsRect()).translated(label.pos());
}

// What a label paints over: its text, or the whole label where it fills its background.
QRect paintedRect(const QLabel &label)
{
    return label.autoFillBackground() ? label.geometry() : textRect(label);
}

} // namespace

class SecondCourseTest : public QObject {
    Q_OBJECT
private slots:
    void theStartScreenLabelsStandApart_data()
    {
        QTest::addColumn<bool>("shutdown");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");            // instead of the language's own; empty: its own
        QTest::addColumn<QString>("currentLanguage"); // likewise
        QTest::addColumn<QString>("exit");
        for (int language = 1; language <= 3; ++language)
            QTest::addRow("the built-in course in language %d", language) << false << language << "" << "" << "Exit";
        const char *exits[] = {"Çıkış", "Exit", "Fermer", "Beenden"};
        for (int language = 1; language <= 4; ++language)
            QTest::addRow("the shutdown course in language %d", language)
                << true << language << "" << "" << QString::fromUtf8(exits[language - 1]);
        QTest::newRow("a thirty-letter name after the longest caption")
            << true << 4 << "Brasilianisches Portugiesisch!" << "Aktuelle Sprache des Kurses:" << "Beenden";
    }
    void theStartScreenLabelsStandApart()
    {
        QFETCH(bool, shutdown);
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QString, currentLanguage);
        QFETCH(QString, exit);
        TestRun run(0);
        if (shutdown)
            run.useCourseFile(QStringLiteral(KELVORA_SHUTDOWN_COURSE));
        Course course = run.course();
        CourseLanguage &chosen = course.languages[size_t(language - 1)];
        if (!name.isEmpty())
            chosen.name = name;
        if (!currentLanguage.isEmpty())
            chosen.captions.currentLanguage = currentLanguage;
        run.setCourse(course);
        auto *screen = new Form000(run);
        screen->open();
        QTest::mouseClick(screen->control<QPushButton>(QStringLiteral("Lang%1").arg(language)), Qt::LeftButton);

        QCOMPARE(screen->control<QPushButton>(QStringLiteral("Command2"))->text(), exit);
        QCOMPARE(screen->windowTitle(), course.titleIn(language));
        const QList<QLabel *> labels = screen->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            const QRect text = textRect(*label);
            QVERIFY2(label->geometry().contains(text) && screen->rect().contains(text), qPrintable(label->text()));
            for (QLabel *other : labels) {
                if (other != label && other->isVisible() && !other->text().isEmpty())
                    QVERIFY2(!text.intersects(paintedRect(*other)), qPrintable(label->text() + " / " + other->text()));
            }
        }
        delete screen;
    }

    void aTraineeWalksTheShutdownCourseInGerman()
    {
        TestRun run(4);
        QFile file(QStringLiteral(KELVORA_SHUTDOWN_COURSE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray json = file.readAll();
        QCOMPARE(canonicalCourseJson(QJsonDocument::fromJson(json).object()), json); // as the editor writes it
        run.useCourseFile(QStringLiteral(KELVORA_SHUTDOWN_COURSE));
        run.setAuthorMode(true);

        LessonScreen *screen = lessonScreen(run, 1);
        screen->open();
        QCOMPARE(screen->windowTitle(), QStringLiteral("KELVORA Abschaltung - 1 / 5"));
        QVERIFY(screen->findChild<AuthorView *>());
        QMouseEvent move(QEvent::MouseMove, QPointF(412, 300), QPointF(412, 300), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(screen, &move);
        QCOMPARE(screen->windowTitle(), QStringLiteral("KELVORA Abschaltung - 1 / 5 · 412, 300"));
        QCOMPARE(screen->findChildren<Shape *>(QStringLiteral("Shape1")).size(), 3); // the pointer group
        // 1600 x 1200 photographs: a target's photograph pixels times 0.64 on the page.
        QCOMPARE(screen->findChildren<Shape *>(QStringLiteral("Shape1")).last()->geometry(), QRect(668, 42, 191, 87));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 2);
        for (const char *mark : {"Shape1", "Shape2", "Shape3", "Shape4"})
            press(screen, centreOnWindow(*screen->mark(QLatin1String(mark))));
        QCOMPARE(screen->pictureName(), QStringLiteral("images/006.jpg"));
        QCOMPARE(explainText(screen), run.course().lines[3].at(4));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 3);
        QVERIFY(!LessonWalker::pressContinue(*screen)); // Continue follows the step
        press(screen, centreOnWindow(*screen->mark(QStringLiteral("Shape1"))));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 4);
        press(screen, centreOnWindow(*screen->mark(QStringLiteral("Shape1"))));
        QVERIFY(running(screen, QStringLiteral("Timerkokpitbekle")));
        tickQueued(screen->timer(QStringLiteral("Timerkokpitbekle")));
        QCOMPARE(screen->pictureName(), QStringLiteral("images/011.jpg"));
        for (int tick = 1; tick <= 4; ++tick)
            tickQueued(screen->timer(QStringLiteral("TimerDVMBekle")));
        QCOMPARE(screen->pictureName(), QStringLiteral("images/014.jpg"));
        QVERIFY(!shown(screen, QStringLiteral("Shape2")));
        QCOMPARE(run.sound.requests.last(), (SoundRequest{"Sounds/70to0.wav", 1, 1}));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 5);
        QVERIFY(explainText(screen).startsWith(QStringLiteral("Schalten Sie die Batterie AUS")));
        press(screen, centreOnWindow(*screen->mark(QStringLiteral("Shape1"))));
        QCOMPARE(run.explanationCursor, run.course().linesRead());
        QVERIFY(LessonWalker::pressContinue(*screen));

        QVERIFY2(run.errors.isEmpty(), run.errors.isEmpty() ? "" : qPrintable(run.errors.first().message()));
        QCOMPARE(run.endStatus, std::optional<int>(0));
        QCOMPARE(run.sound.requests.last(), (SoundRequest{"Sounds/Dugme1.wav", 1, 0}));
    }
};

KELVORA_TEST_MAIN(SecondCourseTest)
#include "test_second_course.moc"
