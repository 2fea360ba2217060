#include "SceneBook.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "screens/LessonChain.h"
#include "screens/Screen.h"
#include "screens/Shape.h"

#include <QRegularExpression>

#include <memory>

using namespace kelvora;
using namespace kelvora::content;

// The generated photographs put each control under the lesson mark that is
// pressed or pointed at on it, and every mark of a lesson has such a control.
class MarkPlacesTest : public QObject {
    Q_OBJECT

private slots:
    void controlsStandUnderTheirMarks_data();
    void controlsStandUnderTheirMarks();
};

namespace {
// The marks a lesson draws over its photograph, by name, each name's in index order.
QList<Shape *> photographMarks(const Screen &screen, const QString &name)
{
    QList<Shape *> marks;
    for (Shape *shape : screen.findChildren<Shape *>(Qt::FindDirectChildrenOnly)) {
        if (shape->objectName().compare(name, Qt::CaseInsensitive) == 0)
            marks << shape;
    }
    return marks;
}
} // namespace

void MarkPlacesTest::controlsStandUnderTheirMarks_data()
{
    QTest::addColumn<int>("screen");
    for (int screen = 1; screen <= 18; ++screen)
        QTest::addRow("the controls of lesson %d stand under its marks", screen) << screen;
}

void MarkPlacesTest::controlsStandUnderTheirMarks()
{
    QFETCH(int, screen);
    test::TestRun run;
    std::unique_ptr<Screen> lesson(createLessonScreen(screen));
    QVERIFY(lesson);

    const SceneBook book;
    QSet<QString> claimed;
    for (int number : book.photoNumbers()) {
        for (const SceneControl &control : book.photo(number).controls) {
            for (const MarkRef &ref : control.marks) {
                if (ref.screen != screen)
                    continue;
                const QList<Shape *> marks = photographMarks(*lesson, ref.name);
                QVERIFY2(ref.index < marks.size(),
                         qPrintable(QStringLiteral("photograph %1: lesson %2 has no mark %3 #%4")
                                        .arg(number).arg(screen).arg(ref.name).arg(ref.index)));
                const QRect mark = marks.at(ref.index)->geometry();
                QVERIFY2(mark.contains(control.place.center()),
                         qPrintable(QStringLiteral("photograph %1: the control under %2 #%3 is centred at (%4, %5), "
                                                   "outside the mark's (%6, %7, %8 x %9)")
                                        .arg(number).arg(ref.name).arg(ref.index)
                                        .arg(control.place.center().x()).arg(control.place.center().y())
                                        .arg(mark.x()).arg(mark.y()).arg(mark.width()).arg(mark.height())));
                claimed.insert(QStringLiteral("%1 #%2").arg(ref.name.toLower()).arg(ref.index));
            }
        }
    }

    // Numbered marks are the lesson's own; the continue mark is the template's.
    static const QRegularExpression numbered(QStringLiteral("^shape\\d+$"), QRegularExpression::CaseInsensitiveOption);
    QHash<QString, int> seen;
    for (Shape *shape : lesson->findChildren<Shape *>(Qt::FindDirectChildrenOnly)) {
        const QString name = shape->objectName().toLower();
        if (!numbered.match(name).hasMatch())
            continue;
        const QString key = QStringLiteral("%1 #%2").arg(name).arg(seen[name]++);
        QVERIFY2(claimed.contains(key), qPrintable(QStringLiteral("no photograph puts a control under %1").arg(key)));
    }
}

KELVORA_TEST_MAIN(MarkPlacesTest)
#include "test_mark_places.moc"
