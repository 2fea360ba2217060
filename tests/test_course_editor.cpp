// The course editor's document and views, offscreen.
#include "ChecksPanel.h"
#include "CourseEdits.h"
#include "EditorWindow.h"
#include "OutlineView.h"
#include "content/Letterbox.h"
#include "content/PictureSizes.h"
#include "PhotographView.h"
#include "PlacePanel.h"
#include "ScreenPanel.h"
#include "TextsTable.h"

#include "course/CourseJson.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QImage>
#include <QJsonDocument>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;

namespace {
// Two screens; the first with two steps, a throttle the editor has no control for,
// and keys in an order of the author's own.
const char *const TwoScreens = R"({
  "id": "urn:test:editor",
  "format": 2,
  "title": {"en": "Editor test", "de": "Editortest"},
  "languages": [{"tag": "en", "name": "English"}, {"tag": "de", "name": "Deutsch"}],
  "screens": [
    {"id": "prestart", "photograph": "images/panel.png", "text": {"en": "Battery on.", "de": "Batterie ein."},
     "throttle": {"knob": [1, 2, 3]},
     "steps": [
       {"id": "battery", "target": {"rectangle": [100, 80, 40, 30]}, "text": {"en": "Pump on.", "de": "Pumpe ein."}},
       {"id": "pump", "target": {"circle": [300, 200, 25]}, "text": {"en": "Done.", "de": "Fertig."}}
     ]},
    {"id": "gauges", "photograph": "images/panel.png", "text": {"en": "Gauges.", "de": "Instrumente."}}
  ]
})";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject savedCourse(const QString &path)
{
    return QJsonDocument::fromJson(readAll(path)).object();
}

QStringList stepIds(const QJsonObject &course, int screen)
{
    QStringList ids;
    for (const QJsonValue &step : course[QStringLiteral("screens")][screen][QStringLiteral("steps")].toArray())
        ids << step[QStringLiteral("id")].toString();
    return ids;
}
} // namespace

class TestCourseEditor : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_file;

    void writeCourse(const QByteArray &json)
    {
        QFile out(m_file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(json);
    }

private slots:
    void initTestCase()
    {
        QDir(m_folder.path()).mkpath(QStringLiteral("images"));
        QImage panel(800, 600, QImage::Format_RGB32);
        panel.fill(Qt::darkGray);
        QVERIFY(panel.save(m_folder.filePath(QStringLiteral("images/panel.png"))));
        m_file = m_folder.filePath(QStringLiteral("course.json"));
    }

    void init() { writeCourse(TwoScreens); }

    void openedAndSavedUnchangedTheFileKeepsItsBytes_data()
    {
        QTest::addColumn<bool>("canonical");
        QTest::newRow("a file in the author's own key order") << false;
        QTest::newRow("a file in canonical form") << true;
    }
    void openedAndSavedUnchangedTheFileKeepsItsBytes()
    {
        QFETCH(bool, canonical);
        if (canonical)
            writeCourse(canonicalCourseJson(QJsonDocument::fromJson(TwoScreens).object()));
        const QByteArray before = readAll(m_file);
        CourseDocument document;
        QCOMPARE(document.open(m_file), QString());
        QVERIFY(!document.isModified());
        QCOMPARE(document.save(), QString());
        QCOMPARE(readAll(m_file), before);

        // An edit and its undo leave the course as read: saved in canonical form, nothing lost.
        document.undoStack().push(new TextEdit(document, {0, 1}, QStringLiteral("text"), QStringLiteral("en"), QStringLiteral("x")));
        document.undoStack().undo();
        document.undoStack().push(new SoundEdit(document, {0, 0}, QStringLiteral("sounds/click.wav")));
        QVERIFY(document.isModified());
        QCOMPARE(document.save(), QString());
        QVERIFY(!document.isModified());
        QJsonObject expected = QJsonDocument::fromJson(TwoScreens).object();
        QJsonObject saved = savedCourse(m_file);
        QCOMPARE(saved[QStringLiteral("screens")][0][QStringLiteral("throttle")], expected[QStringLiteral("screens")][0][QStringLiteral("throttle")]);
        QCOMPARE(readAll(m_file), canonicalCourseJson(saved));
        QCOMPARE(saved[QStringLiteral("screens")][0][QStringLiteral("steps")][0][QStringLiteral("sound")].toString(), QStringLiteral("sounds/click.wav"));
    }

    void aShippedCourseEditedAndUndoneIsWrittenByteForByte_data()
    {
        QTest::addColumn<QString>("shipped");
        QTest::newRow("the shutdown course, with sequences, counters and a throttle")
            << QStringLiteral(KELVORA_SOURCE_DIR "/content/courses/shutdown/course.json");
        QTest::newRow("the README's example") << QStringLiteral(KELVORA_SOURCE_DIR "/content/courses/example/course.json");
    }
    void aShippedCourseEditedAndUndoneIsWrittenByteForByte()
    {
        QFETCH(QString, shipped);
        const QByteArray original = readAll(shipped);
        QVERIFY(original.size() > 100);
        writeCourse(original);
        CourseDocument document;
        QCOMPARE(document.open(m_file), QString());
        QVERIFY(!document.isReadOnly());
        document.undoStack().push(new MoveEdit(document, {0, -1}, 1));
        QCOMPARE(document.save(), QString());
        QVERIFY(readAll(m_file) != original);
        document.undoStack().undo();
        QCOMPARE(document.save(), QString());
        QCOMPARE(readAll(m_file), original);
    }

    void undoAndRedoOfAnEditShowInTheViewsAndTheTitle()
    {
        EditorWindow window;
        QCOMPARE(window.openCourse(m_file), QString());
        window.select({0, 1});
        QUndoStack &stack = window.document().undoStack();
        stack.push(new TextEdit(window.document(), {0, 1}, QStringLiteral("text"), QStringLiteral("de"), QStringLiteral("Fertig!")));
        QCoreApplication::processEvents();
        QVERIFY(window.isWindowModified());
        QCOMPARE(window.texts()->item(3, 1)->text(), QStringLiteral("Fertig!"));
        stack.undo();
        QCoreApplication::processEvents();
        QVERIFY(!window.isWindowModified());
        QCOMPARE(window.texts()->item(3, 1)->text(), QStringLiteral("Fertig."));
        QCOMPARE(window.selectedPlace(), (CoursePlace{0, 1}));
        stack.redo();
        QCoreApplication::processEvents();
        QCOMPARE(window.texts()->item(3, 1)->text(), QStringLiteral("Fertig!"));
    }

    void aTargetDraggedByItsHandleIsSavedInPhotographPixels()
    {
        EditorWindow window;
        QCOMPARE(window.openCourse(m_file), QString());
        window.resize(1600, 1000);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.select({0, 0});
        PhotographView *view = window.photograph();
        const auto onScreen = [view](QPointF pixel) { // the 800 x 600 photograph fills the page
            return view->mapFromScene(Letterbox::fit(QSize(800, 600), LessonPictureSize).map(pixel));
        };
        const QPoint from = onScreen({140, 110}), to = onScreen({160, 130}); // the lower right handle
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view->viewport(), (from + to) / 2);
        QTest::mouseMove(view->viewport(), to);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
        QCoreApplication::processEvents();
        QVERIFY(window.save());
        QCOMPARE(savedCourse(m_file)[QStringLiteral("screens")][0][QStringLiteral("steps")][0][QStringLiteral("target")],
                 QJsonValue(QJsonObject{{QStringLiteral("rectangle"), QJsonArray{100, 80, 60, 50}}}));
    }

    void closingWithUnsavedChangesAsksFirst()
    {
        EditorWindow window;
        QCOMPARE(window.openCourse(m_file), QString());
        window.show();
        window.document().undoStack().push(new DeleteEdit(window.document(), {1, -1}));
        QString asked;
        QTimer::singleShot(0, [&asked] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            asked = box ? box->text() : QString();
            if (box)
                box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY(!window.close());
        QCOMPARE(asked, QStringLiteral("course.json has changes that are not saved."));
        QVERIFY(window.isVisible());
        QCOMPARE(savedCourse(m_file)[QStringLiteral("screens")].toArray().size(), 2);
    }

    void aStepDraggedInTheOutlineIsSavedInItsNewPlace()
    {
        EditorWindow window;
        QCOMPARE(window.openCourse(m_file), QString());
        OutlineView *outline = window.outline();
        QSignalSpy moves(outline, &OutlineView::moveRequested);
        // What a drag of "pump" onto "battery" asks for, and what the window does with it.
        emit outline->moveRequested({0, 1}, 0);
        QCoreApplication::processEvents();
        QCOMPARE(outline->topLevelItem(0)->child(0)->text(0).section(QLatin1Char('\n'), 0, 0), QStringLiteral("pump"));
        QVERIFY(window.save());
        QCOMPARE(stepIds(savedCourse(m_file), 0), (QStringList{"pump", "battery"}));
        QCOMPARE(savedCourse(m_file)[QStringLiteral("screens")][0][QStringLiteral("steps")][0][QStringLiteral("target")],
                 QJsonValue(QJsonObject{{QStringLiteral("circle"), QJsonArray{300, 200, 25}}}));
    }

    void aLanguageAddedShowsEveryTextItLacks()
    {
        EditorWindow window;
        QCOMPARE(window.openCourse(m_file), QString());
        window.document().undoStack().push(new AddLanguageEdit(window.document(), QStringLiteral("fr"), QStringLiteral("Français")));
        QCoreApplication::processEvents();
        window.select({0, 0});
        TextsTable *texts = window.texts();
        QCOMPARE(texts->columnCount(), 3);
        QCOMPARE(texts->item(2, 2)->text(), QStringLiteral("missing")); // the screen's text
        QCOMPARE(texts->item(4, 2)->text(), QStringLiteral("missing")); // the step's
        QCOMPARE(texts->item(4, 0)->text(), QStringLiteral("fits"));

        // The checker lists them too, each selecting its place.
        ChecksPanel *checks = window.checks();
        checks->recheckNow();
        QTRY_VERIFY(!checks->isChecking());
        QStringList listed;
        for (int i = 0; i < checks->count(); ++i)
            listed << checks->item(i)->text();
        for (const char *missing : {"fr: prestart: missing", "fr: prestart/battery: missing", "fr: gauges: missing"})
            QVERIFY2(listed.contains(QLatin1String(missing)), qPrintable(listed.join(QLatin1Char('\n'))));
        checks->itemClicked(checks->item(int(listed.indexOf(QStringLiteral("fr: prestart/battery: missing")))));
        QCOMPARE(window.selectedPlace(), (CoursePlace{0, 0}));
    }

    void aTextTypedInTheTableIsSavedWhereTheCourseKeepsIt_data()
    {
        QTest::addColumn<int>("step"); // of screen 1; -1 for the screen
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("path");
        QTest::newRow("a step's text in the second language")
            << 1 << "Step 2 text" << 1 << QStringList{"screens", "0", "steps", "1", "text", "de"};
        QTest::newRow("a timed sequence's text, beside its period")
            << -1 << "Sequence text" << 0 << QStringList{"screens", "0", "sequence", "text", "en"};
        QTest::newRow("a caption of the trainer's Continue button")
            << -1 << "Continue" << 1 << QStringList{"languages", "1", "captions", "continue"};
    }
    void aTextTypedInTheTableIsSavedWhereTheCourseKeepsIt()
    {
        QFETCH(int, step);
        QFETCH(QString, row);
        QFETCH(int, column);
        QFETCH(QStringList, path);
        QJsonObject course = QJsonDocument::fromJson(TwoScreens).object();
        QJsonArray screens = course[QStringLiteral("screens")].toArray();
        QJsonObject screen = screens[0].toObject();
        screen[QStringLiteral("sequence")] = QJsonObject{{QStringLiteral("periodMs"), 1500}};
        screens[0] = screen;
        course[QStringLiteral("screens")] = screens;
        writeCourse(QJsonDocument(course).toJson());

        EditorWindow window;
        QCOMPARE(window.openCourse(m_file), QString());
        window.select({0, step});
        TextsTable *texts = window.texts();
        int r = 0;
        while (r < texts->rowCount() && texts->verticalHeaderItem(r)->text() != row)
            ++r;
        QVERIFY(r < texts->rowCount());
        texts->item(r, column)->setText(QStringLiteral("Weiter so"));
        QCoreApplication::processEvents();
        QVERIFY(window.save());
        QJsonValue saved = savedCourse(m_file);
        for (const QString &key : path)
            saved = saved.isArray() ? saved[key.toInt()] : saved[key];
        QCOMPARE(saved.toString(), QStringLiteral("Weiter so"));
        QCOMPARE(savedCourse(m_file)[QStringLiteral("screens")][0][QStringLiteral("sequence")][QStringLiteral("periodMs")].toInt(), 1500);
    }

    void aTooLongTextIsMarkedWhileItIsTyped()
    {
        EditorWindow window;
        QCOMPARE(window.openCourse(m_file), QString());
        window.select({0, -1});
        TextsTable *texts = window.texts();
        texts->typing(1, 0, QString(40, QLatin1Char(' ')).replace(QLatin1Char(' '), QStringLiteral("Battery master on. ")));
        QVERIFY2(texts->item(2, 0)->text().endsWith(QLatin1String("rows too long")), qPrintable(texts->item(2, 0)->text()));
    }

    void theReadmesExampleIsMadeFromAnEmptyFolderInTheEditor()
    {
        // The author's pictures and sound lie outside the course; the editor copies them in.
        QTemporaryDir outside, empty;
        for (const char *name : {"panel.jpg", "panel-battery.jpg", "panel-pump.jpg", "pressure-1.jpg", "pressure-2.jpg",
                                 "gauges.jpg", "overview.png"}) {
            QImage picture(4032 / 32, 3024 / 32, QImage::Format_RGB32);
            picture.fill(Qt::darkGray);
            QVERIFY(picture.save(outside.filePath(QLatin1String(name))));
        }
        QFile click(outside.filePath(QStringLiteral("click.wav")));
        QVERIFY(click.open(QIODevice::WriteOnly) && click.write("RIFF") == 4);
        click.close();
        const auto picture = [&outside](const char *name) { return outside.filePath(QLatin1String(name)); };
        const auto texts = [](const QString &en, const QString &de) { return QStringList{en, de}; };

        EditorWindow window;
        QCOMPARE(window.openCourse(empty.path()), QString());
        CourseDocument &document = window.document();
        PlacePanel *place = window.placePanel();
        ScreenPanel *screen = place->screenPanel();
        PhotographView *canvas = window.photograph();
        const auto push = [&document](QUndoCommand *edit) {
            document.undoStack().push(edit);
            QCoreApplication::processEvents();
        };
        const auto setTexts = [&](CoursePlace at, const QString &field, const QStringList &both) {
            push(new TextEdit(document, at, field, QStringLiteral("en"), both.at(0)));
            push(new TextEdit(document, at, field, QStringLiteral("de"), both.at(1)));
        };
        const auto select = [&window](CoursePlace at) { // once the edits before it are shown
            QCoreApplication::processEvents();
            window.select(at);
        };
        const auto target = [](const char *shape, QJsonArray numbers) { return QJsonObject{{QLatin1String(shape), numbers}}; };

        push(new IdEdit(document, {}, QStringLiteral("urn:example:courses:battery-check")));
        push(new AddLanguageEdit(document, QStringLiteral("de"), QStringLiteral("Deutsch")));
        setTexts({}, QStringLiteral("title"), texts("Battery check", QStringLiteral("Batterieprüfung")));

        push(new AddEdit(document, {}, false, {{QStringLiteral("id"), QStringLiteral("power")}}));
        select({0, -1});
        setTexts({0, -1}, QStringLiteral("title"), texts("Power on", "Strom ein"));
        place->usePhotograph(picture("panel.jpg"));
        screen->useInset(picture("overview.png"));
        setTexts({0, -1}, QStringLiteral("text"), texts("Switch the battery on.", "Schalten Sie die Batterie ein."));
        push(new AddEdit(document, {0, -1}, true,
                         {{QStringLiteral("id"), QStringLiteral("battery")}, {QStringLiteral("target"), target("rectangle", {1210, 1640, 180, 230})}}));
        push(new AddEdit(document, {0, 0}, true,
                         {{QStringLiteral("id"), QStringLiteral("pump")}, {QStringLiteral("target"), target("circle", {2600, 1500, 150})}}));
        select({0, 0});
        place->useSound(outside.filePath(QStringLiteral("click.wav")));
        place->usePhotograph(picture("panel-battery.jpg"));
        setTexts({0, 0}, QStringLiteral("text"), texts("Now switch the fuel pump on.", "Jetzt die Kraftstoffpumpe einschalten."));
        select({0, 1});
        place->useSound(empty.filePath(QStringLiteral("sounds/click.wav")));
        place->usePhotograph(picture("panel-pump.jpg"));
        select({0, -1});
        screen->useSequencePhotographs({picture("pressure-1.jpg"), picture("pressure-2.jpg")});
        QCoreApplication::processEvents();
        screen->addWatch();
        QCoreApplication::processEvents();
        emit canvas->targetEdited(0, target("oval", {3000, 600, 500, 300})); // what a drag on the canvas reports
        QCoreApplication::processEvents();
        setTexts({0, -1}, QStringLiteral("sequence/text"), texts("Watch the fuel pressure rise.", "Beobachten Sie den Kraftstoffdruck."));

        push(new AddEdit(document, {0, -1}, false, {{QStringLiteral("id"), QStringLiteral("gauges")}}));
        select({1, -1});
        setTexts({1, -1}, QStringLiteral("title"), texts("The gauges", "Die Anzeigen"));
        place->usePhotograph(picture("gauges.jpg"));
        setTexts({1, -1}, QStringLiteral("text"), texts("Both gauges read normal. Press Continue.", QStringLiteral("Beide Anzeigen normal. Weiter drücken.")));
        screen->addGroup();
        QCoreApplication::processEvents();
        QLineEdit *groupId = nullptr;
        for (QLineEdit *edit : screen->findChildren<QLineEdit *>())
            groupId = edit->accessibleName() == QLatin1String("Group id") ? edit : groupId;
        QVERIFY(groupId && groupId->isEnabled());
        groupId->setText(QStringLiteral("pressure"));
        emit groupId->editingFinished();
        QCoreApplication::processEvents();
        emit canvas->targetEdited(0, target("circle", {1000, 1500, 400}));
        screen->addGroupTarget();
        QCoreApplication::processEvents();
        emit canvas->targetEdited(1, target("circle", {3000, 1500, 400}));
        QCoreApplication::processEvents();

        // A group's target moved on the canvas and the move undone.
        QCOMPARE(screen->look(), (LookTarget{0, 1}));
        emit canvas->targetEdited(1, target("circle", {2900, 1400, 400}));
        QCoreApplication::processEvents();
        QCOMPARE(screen->lookTargets().value(1), target("circle", {2900, 1400, 400}));
        document.undoStack().undo();
        QCoreApplication::processEvents();
        QCOMPARE(screen->lookTargets().value(1), target("circle", {3000, 1500, 400}));

        QVERIFY(window.save());
        const QString example = QStringLiteral(KELVORA_SOURCE_DIR "/content/courses/example/course.json");
        QCOMPARE(savedCourse(document.file()), savedCourse(example));
        QCOMPARE(readAll(document.file()), readAll(example));
        for (const char *file : {"images/panel-pump.jpg", "images/overview.png", "images/pressure-2.jpg", "sounds/click.wav"})
            QVERIFY2(QFileInfo::exists(empty.filePath(QLatin1String(file))), file);
    }

    void aStepsPressesKeepOnePhotographPerPress()
    {
        EditorWindow window;
        QCOMPARE(window.openCourse(m_file), QString());
        window.select({0, 0});
        PlacePanel *place = window.placePanel();
        const QString panel = m_folder.filePath(QStringLiteral("images/panel.png"));
        QImage(8, 6, QImage::Format_RGB32).save(m_folder.filePath(QStringLiteral("images/lit.png")));
        const auto step = [&window] {
            QCoreApplication::processEvents();
            return window.document().step({0, 0});
        };
        place->usePhotographs({panel, m_folder.filePath(QStringLiteral("images/lit.png"))});
        QCOMPARE(step()[QStringLiteral("presses")].toInt(), 2);
        place->setPresses(3);
        QCOMPARE(step()[QStringLiteral("photographs")], QJsonValue(QJsonArray{"images/panel.png", "images/lit.png", "images/lit.png"}));
        QVERIFY(!step().contains(QStringLiteral("photograph")));
        place->setPresses(1);
        QCOMPARE(step()[QStringLiteral("photograph")].toString(), QStringLiteral("images/panel.png"));
        QVERIFY(!step().contains(QStringLiteral("presses")) && !step().contains(QStringLiteral("photographs")));
        window.document().undoStack().undo();
        QCOMPARE(step()[QStringLiteral("presses")].toInt(), 3);
    }

    void aFormatOneCourseOpensReadOnly()
    {
        writeCourse(R"({"title": "Old", "languages": [], "screens": []})");
        const QByteArray before = readAll(m_file);
        EditorWindow window;
        QCOMPARE(window.openCourse(m_file), QString());
        QVERIFY(window.document().isReadOnly());
        QVERIFY(window.document().readOnlyReason().contains(QLatin1String("format 1")));
        QVERIFY(!window.document().save().isEmpty());
        QCOMPARE(readAll(m_file), before);
    }
};

QTEST_MAIN(TestCourseEditor)
#include "test_course_editor.moc"
