// The editor's course and texts models: what any view may do to them, and the rules they keep, without a window.
#include "CourseDocument.h"
#include "CourseEdits.h"
#include "CourseModel.h"
#include "TextsModel.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

using namespace kelvora;

namespace {
const char *const Course = R"({
  "format": 2,
  "id": "urn:test:models",
  "title": {"en": "Models", "de": "Modelle"},
  "languages": [{"tag": "en", "name": "English"}, {"tag": "de", "name": "Deutsch"}],
  "screens": [
    {"id": "prestart", "photograph": "images/panel.png", "text": {"en": "Battery on.", "de": "Batterie ein."},
     "steps": [
       {"id": "battery", "target": {"rectangle": [100, 80, 40, 30]}, "text": {"en": "Pump.", "de": "Pumpe."}},
       {"id": "pump", "target": {"circle": [300, 200, 25]}, "text": {"en": "Done.", "de": "Fertig."}}
     ],
     "pointAt": [{"id": "gauges", "targets": [{"rectangle": [10, 10, 20, 20]}]}]},
    {"id": "start", "photograph": "images/panel.png",
     "steps": [{"id": "pump", "target": {"oval": [50, 50, 30, 20]}}],
     "sequence": {"periodMs": 500, "photographs": ["images/panel.png"], "watch": {"circle": [40, 40, 10]}},
     "throttle": {"picture": "images/panel.png", "lift": {"circle": [300, 200, 25]}}}
  ]
})";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestCourseModels : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_file;
    std::unique_ptr<CourseDocument> m_document;

    QStringList stepIds(int screen) const
    {
        QStringList ids;
        for (const AuthorStep &step : m_document->authorCourse().screens[screen].steps)
            ids << step.id;
        return ids;
    }

private slots:
    void init()
    {
        m_file = m_folder.filePath(QStringLiteral("course.json"));
        QFile out(m_file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(Course);
        out.close();
        m_document = std::make_unique<CourseDocument>();
        QCOMPARE(m_document->open(m_file), QString());
    }

    void bothModelsStayConsistentThroughEditsAndTheirUndo()
    {
        CourseModel course(*m_document);
        TextsModel texts(*m_document);
        QAbstractItemModelTester courseTester(&course, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester textsTester(&texts, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(course.rowCount(), 2);
        // prestart: two steps and a group; start: a step, its sequence (watching a target) and its throttle.
        QCOMPARE(course.rowCount(course.index(0, 0)), 3);
        QCOMPARE(course.rowCount(course.index(1, 0)), 3);
        QCOMPARE(course.kindOf(course.index(1, 0, course.index(1, 0))), CourseModel::Kind::Sequence);
        QCOMPARE(course.lookTargetOf(course.index(0, 0, course.index(1, 0, course.index(1, 0)))).group, LookTarget::Watch);

        QUndoStack &undo = m_document->undoStack();
        const QModelIndex pump = course.index(1, 0, course.index(0, 0));
        QVERIFY(course.setData(pump, QStringLiteral("fuel-pump")));
        QVERIFY(course.dropMimeData(std::unique_ptr<QMimeData>(course.mimeData({course.index(0, 0, course.index(0, 0))})).get(), Qt::MoveAction, -1, 0,
                                    course.index(1, 0)));
        QVERIFY(course.removeRows(0, 1, course.index(1, 0, course.index(0, 0)))); // the group's one target
        QVERIFY(texts.setData(texts.index(0, 1), QStringLiteral("Modelle und Ansichten")));
        QVERIFY(texts.removeColumns(1, 1));
        QCOMPARE(texts.columnCount(), 1);
        QCOMPARE(undo.count(), 5);
        while (undo.canUndo())
            undo.undo();
        while (undo.canRedo())
            undo.redo();
        while (undo.canUndo())
            undo.undo();
        QCOMPARE(m_document->save(true), QString());
        QCOMPARE(readAll(m_file), QByteArray(Course)); // nothing written: the course is as read
        QCOMPARE(course.rowCount(course.index(0, 0)), 3);
        QCOMPARE(texts.columnCount(), 2);
    }

    void editsMoveRowsInsteadOfResettingTheTree()
    {
        CourseModel course(*m_document);
        QAbstractItemModelTester tester(&course, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&course, &QAbstractItemModel::modelReset);
        QSignalSpy removed(&course, &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(&course, &QAbstractItemModel::rowsInserted);
        const QPersistentModelIndex screen = course.index(1, 0);
        QVERIFY(course.setData(course.index(0, 0, course.index(0, 0)), QStringLiteral("master")));
        QVERIFY(course.removeRows(1, 1, course.index(0, 0))); // a step
        QVERIFY(course.removeRows(0, 1, course.index(2, 0, course.index(1, 0)))); // the throttle's lift
        m_document->undoStack().undo();
        QCOMPARE(resets.count(), 0);
        QCOMPARE(removed.count(), 2);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(screen, course.index(1, 0)); // what a view has selected stays selected
    }

    void movedScreensAndStepsAreMovedRowsAndKeepWhatIsSelectedUnderThem()
    {
        CourseModel course(*m_document);
        QAbstractItemModelTester tester(&course, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&course, &QAbstractItemModel::modelReset);
        QSignalSpy moves(&course, &QAbstractItemModel::rowsMoved);
        const QPersistentModelIndex gaugesTarget = course.index(0, 1, course.index(2, 0, course.index(0, 0)));
        const QPersistentModelIndex watch = course.index(0, 0, course.index(1, 0, course.index(1, 0)));
        const QPersistentModelIndex pump = course.index(1, 0, course.index(0, 0));
        const QString gaugesText = gaugesTarget.data().toString();

        m_document->undoStack().push(new MoveEdit(*m_document, CoursePlace{0, -1}, 1));
        QCOMPARE(m_document->authorCourse().screens[1].id, QStringLiteral("prestart"));
        QCOMPARE(gaugesTarget, course.index(0, 1, course.index(2, 0, course.index(1, 0))));
        QCOMPARE(gaugesTarget.data().toString(), gaugesText);
        QCOMPARE(watch, course.index(0, 0, course.index(1, 0, course.index(0, 0))));
        QCOMPARE(pump.parent(), course.index(1, 0));

        // To the other screen's end, under a free id, and back by undo.
        QVERIFY(course.dropMimeData(std::unique_ptr<QMimeData>(course.mimeData({pump})).get(), Qt::MoveAction, -1, 0, course.index(0, 0)));
        QCOMPARE(pump, course.index(1, 0, course.index(0, 0)));
        QCOMPARE(pump.data(Qt::EditRole).toString(), QStringLiteral("pump-2"));
        QCOMPARE(gaugesTarget, course.index(0, 1, course.index(1, 0, course.index(1, 0))));
        m_document->undoStack().undo();
        m_document->undoStack().undo();
        QCOMPARE(pump, course.index(1, 0, course.index(0, 0)));
        QCOMPARE(pump.data(Qt::EditRole).toString(), QStringLiteral("pump"));
        QCOMPARE(gaugesTarget, course.index(0, 1, course.index(2, 0, course.index(0, 0))));
        QCOMPARE(resets.count(), 0);
        QCOMPARE(moves.count(), 4);
    }

    void anIdIsNeverEmptyNorAnothersOnItsScreen_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("taken");
        QTest::newRow("a step renamed as its neighbour is refused") << 0 << 0 << "pump" << false;
        QTest::newRow("a step renamed as a group of its screen is refused") << 0 << 0 << "gauges" << false;
        QTest::newRow("a step renamed as a step of another screen is fine") << 1 << 0 << "battery" << true;
        QTest::newRow("an empty id is refused") << 0 << 1 << "  " << false;
        QTest::newRow("a group renamed freshly is renamed") << 0 << 2 << "dials" << true;
    }
    void anIdIsNeverEmptyNorAnothersOnItsScreen()
    {
        QFETCH(int, screen);
        QFETCH(int, row);
        QFETCH(QString, id);
        QFETCH(bool, taken);
        CourseModel course(*m_document);
        const QModelIndex item = course.index(row, 0, course.index(screen, 0));
        const QString before = item.data(Qt::EditRole).toString();
        QCOMPARE(course.setData(item, id), taken);
        QCOMPARE(m_document->undoStack().count(), taken ? 1 : 0);
        QCOMPARE(course.index(row, 0, course.index(screen, 0)).data(Qt::EditRole).toString(), taken ? id : before);
    }

    void aStepDroppedOnAnotherScreenGoesToItsEndUnderAFreeId()
    {
        CourseModel course(*m_document);
        // Dropped onto the other screen's step: not in its place, at the end; "pump" is taken there.
        const QModelIndex pump = course.index(1, 0, course.index(0, 0));
        QVERIFY(course.dropMimeData(std::unique_ptr<QMimeData>(course.mimeData({pump})).get(), Qt::MoveAction, -1, 0, course.index(0, 0, course.index(1, 0))));
        QCOMPARE(stepIds(0), QStringList{QStringLiteral("battery")});
        QCOMPARE(stepIds(1), (QStringList{QStringLiteral("pump"), QStringLiteral("pump-2")}));
        QCOMPARE(m_document->authorCourse().screens[1].steps[1].target->shape, Target::Shape::Circle);
        m_document->undoStack().undo();
        QCOMPARE(stepIds(0), (QStringList{QStringLiteral("battery"), QStringLiteral("pump")}));

        // Within its screen, between rows: where it was dropped.
        QVERIFY(course.dropMimeData(std::unique_ptr<QMimeData>(course.mimeData({course.index(0, 0, course.index(0, 0))})).get(), Qt::MoveAction, 2, 0,
                                    course.index(0, 0)));
        QCOMPARE(stepIds(0), (QStringList{QStringLiteral("pump"), QStringLiteral("battery")}));
    }

    void aGroupLosingItsLastTargetGoesWithIt()
    {
        CourseModel course(*m_document);
        const QModelIndex group = course.index(2, 0, course.index(0, 0));
        QCOMPARE(course.kindOf(group), CourseModel::Kind::Group);
        QVERIFY(course.removeRows(0, 1, group));
        QVERIFY(m_document->authorCourse().screens[0].pointAt.empty());
        QCOMPARE(course.rowCount(course.index(0, 0)), 2);
    }

    void aRemovedLanguageLeavesNoTextNorEmptyMapBehind()
    {
        TextsModel texts(*m_document);
        QCOMPARE(texts.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Deutsch (de)"));
        QVERIFY(texts.removeColumns(1, 1));
        QCOMPARE(m_document->save(), QString());
        const QByteArray saved = readAll(m_file);
        QVERIFY(!saved.contains("\"de\""));
        QVERIFY(!saved.contains("{}"));
    }

    void everyTextFieldIsOfferedAndAnEmptiedOneIsNotWritten()
    {
        TextsModel texts(*m_document);
        int label = -1;
        for (int row = 0; row < texts.rowCount(); ++row) {
            if (texts.index(row, 0).data(TextsModel::ContextRole).toString() == QLatin1String("prestart/battery/label"))
                label = row;
        }
        QVERIFY2(label >= 0, "a step's label is offered before it has a text");
        QCOMPARE(texts.placeOf(label), (CoursePlace{0, 0}));
        QVERIFY(!texts.index(label, 0).data(TextsModel::MissingRole).toBool());

        QVERIFY(texts.setData(texts.index(label, 0), QStringLiteral("Battery switch")));
        QVERIFY(texts.index(label, 1).data(TextsModel::MissingRole).toBool());
        QVERIFY(texts.setData(texts.index(label, 0), QStringLiteral("Battery master")));
        QCOMPARE(m_document->undoStack().count(), 2); // each confirmed edit its own step, also of one cell
        QCOMPARE(m_document->authorCourse().screens[0].steps[0].label.value(QStringLiteral("en")), QStringLiteral("Battery master"));
        QVERIFY(texts.setData(texts.index(label, 0), QString()));
        QCOMPARE(m_document->save(), QString());
        QVERIFY(!readAll(m_file).contains("\"label\""));
    }

    void aTextInTheExplanationLabelSaysWhetherItFits()
    {
        TextsModel texts(*m_document);
        int row = 0;
        while (texts.index(row, 0).data(TextsModel::ContextRole).toString() != QLatin1String("prestart"))
            ++row;
        QCOMPARE(texts.index(row, 0).data(TextsModel::FitRole).toString(), QStringLiteral("fits"));
        QVERIFY(texts.setData(texts.index(row, 0), QString(2000, QLatin1Char('w')).replace(7, 1, QStringLiteral(" "))));
        QVERIFY(texts.index(row, 0).data(TextsModel::FitRole).toString() != QLatin1String("fits"));
    }
};

QTEST_MAIN(TestCourseModels)
#include "test_course_models.moc"
