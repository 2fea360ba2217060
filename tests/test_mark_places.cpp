#include "MarkPlaces.h"
#include "course/CourseLoader.h"

#include <QTest>

using namespace kelvora;
using namespace kelvora::content;

// The generated photographs put each control under the course's mark that is
// pressed or pointed at on it, and every mark of a lesson has such a control.
class MarkPlacesTest : public QObject {
    Q_OBJECT

private slots:
    void controlsStandUnderTheirMarks_data()
    {
        QTest::addColumn<int>("screen"); // 0: the course as it is
        QTest::addColumn<QPoint>("move");
        QTest::addColumn<QString>("fault");
        QTest::newRow("the start-up course and its photographs agree") << 0 << QPoint() << QString();
        QTest::newRow("a mark moved in the course is caught")
            << 3 << QPoint(200, 0) << QStringLiteral("the control under lesson 3's shape1 #0 is centred at (80, 182)");
        QTest::newRow("a group member moved is caught")
            << 15 << QPoint(0, -300) << QStringLiteral("lesson 15's Shape1 #2");
    }
    void controlsStandUnderTheirMarks()
    {
        QFETCH(int, screen);
        QFETCH(QPoint, move);
        QFETCH(QString, fault);
        Course course = loadCourse(BuiltInCourseFile);
        if (screen > 0) {
            std::vector<MarkDesign> &marks = course.screens[size_t(screen - 1)].marks;
            const size_t moved = screen == 15 ? 2 : 0;
            marks[moved].rect.translate(move);
        }
        const QStringList faults = markPlaceFaults(SceneBook(), course);
        if (fault.isEmpty())
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        else
            QVERIFY2(faults.join(u'\n').contains(fault), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(MarkPlacesTest)
#include "test_mark_places.moc"
