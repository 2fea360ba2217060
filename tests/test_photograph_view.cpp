#include "content/Letterbox.h"
#include "content/PictureSizes.h"
#include "PhotographView.h"
#include "TargetItem.h"

#include <QFile>
#include <QFileInfo>
#include <QGraphicsSimpleTextItem>
#include <QJsonArray>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QJsonDocument>
#include <QTest>

using namespace kelvora;

namespace {
QJsonObject target(const char *kind, QJsonArray numbers)
{
    return {{QLatin1String(kind), numbers}};
}

// A panel-like picture, so a screenshot shows what an author sees.
QString writePhotograph(const QTemporaryDir &dir, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0x3A, 0x40, 0x48));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size.width() / 16.0;
    painter.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), unit / 20));
    for (int i = 0; i < 5; ++i) {
        painter.setBrush(QColor(0x10, 0x10, 0x10));
        painter.drawEllipse(QPointF(unit * (2 + 3 * i), size.height() / 3.0), unit, unit);
        painter.setBrush(QColor(0x90, 0x90, 0x90));
        painter.drawRoundedRect(QRectF(unit * (1.6 + 3 * i), size.height() * 0.68, unit * 0.8, unit * 1.2), unit / 8, unit / 8);
    }
    painter.end();
    const QString path = dir.filePath(QStringLiteral("photo-%1x%2.jpg").arg(size.width()).arg(size.height()));
    image.save(path);
    return path;
}

// Shows the page at `zoom` screen pixels per page pixel (the view keeps 2 pixels of margin).
void showAtZoom(PhotographView &view, qreal zoom)
{
    view.resize(QSize(qRound(1024 * zoom) + 4, qRound(768 * zoom) + 4));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}

QPoint onScreen(const PhotographView &view, QSize photograph, QPointF pixel)
{
    return view.mapFromScene(Letterbox::fit(photograph, LessonPictureSize).map(pixel));
}

void drag(PhotographView &view, QPoint from, QPoint to)
{
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view.viewport(), (from + to) / 2);
    QTest::mouseMove(view.viewport(), to);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
}

void saveShot(PhotographView &view, const QString &name)
{
    const QString folder = qEnvironmentVariable("KELVORA_SHOTS");
    if (!folder.isEmpty())
        view.grab().save(folder + QStringLiteral("/canvas-%1.png").arg(name));
}
} // namespace

class PhotographViewTest : public QObject {
    Q_OBJECT
private slots:
    void editsTheCurrentTargetInPhotographPixels();
    void fitsAPhotographAsTheTrainerDoes_data();
    void fitsAPhotographAsTheTrainerDoes();
};

// One screen pixel is one photograph pixel here, so every emitted number is exact.
void PhotographViewTest::editsTheCurrentTargetInPhotographPixels()
{
    QTemporaryDir dir;
    const QSize size(2048, 1536);
    PhotographView view;
    showAtZoom(view, 2.0);
    view.setPhotograph(writePhotograph(dir, size));
    view.setInsetPlace(QStringLiteral("left"));
    QSignalSpy edited(&view, &PhotographView::targetEdited);
    // As the editor does: each edit comes back at once as the step's new target.
    QList<QJsonObject> shown;
    int current = -1;
    const auto show = [&](const QList<QJsonObject> &targets, int index) {
        shown = targets;
        current = index;
        view.setTargets(shown, current);
    };
    connect(&view, &PhotographView::targetEdited, &view, [&](int index, const QJsonObject &target) {
        shown[index] = target;
        view.setTargets(shown, current);
    });
    const auto last = [&edited] {
        return std::pair(edited.last().at(0).toInt(), edited.last().at(1).toJsonObject());
    };

    show({target("circle", {1000, 700, 80}), target("rectangle", {400, 300, 200, 100})}, 1);
    saveShot(view, "rectangle");
    drag(view, onScreen(view, size, {600, 400}), onScreen(view, size, {700, 450}));
    QCOMPARE(last(), std::pair(1, target("rectangle", {400, 300, 300, 150})));
    drag(view, onScreen(view, size, {400, 300}), onScreen(view, size, {-50, -70}));
    QCOMPARE(last(), std::pair(1, target("rectangle", {0, 0, 700, 450})));

    show({target("circle", {1000, 700, 80}), target("rectangle", {400, 300, 200, 100})}, 0);
    saveShot(view, "circle");
    drag(view, onScreen(view, size, {1000, 700}), onScreen(view, size, {1150, 660}));
    QCOMPARE(last(), std::pair(0, target("circle", {1150, 660, 80})));
    drag(view, onScreen(view, size, {1230, 660}), onScreen(view, size, {1210, 700}));
    QCOMPARE(last(), std::pair(0, target("circle", {1150, 660, 72})));
    drag(view, onScreen(view, size, {1150, 660}), onScreen(view, size, {3150, 660}));
    QCOMPARE(last(), std::pair(0, target("circle", {1976, 660, 72})));

    show({target("oval", {10, 20, 300, 100})}, 0);
    const qsizetype before = edited.size();
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(last(), std::pair(0, target("oval", {11, 20, 300, 100})));
    QTest::keyClick(&view, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(last(), std::pair(0, target("oval", {11, 10, 300, 100})));
    QTest::keyClick(&view, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(last(), std::pair(0, target("oval", {11, 0, 300, 100})));
    QCOMPARE(edited.size(), before + 3); // the nudge against the edge moved nothing and said nothing
    QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(last(), std::pair(0, target("oval", {11, 0, 301, 110})));

    // A drag on a faint target or beside the current one edits none: it draws a new target.
    show({target("oval", {10, 20, 300, 100}), target("rectangle", {1200, 900, 100, 100})}, 0);
    QSignalSpy drawn(&view, &PhotographView::targetDrawn);
    drag(view, onScreen(view, size, {1250, 950}), onScreen(view, size, {1400, 1000}));
    QCOMPARE(edited.size(), before + 5);
    QCOMPARE(drawn.size(), 1);
    const QJsonArray box = drawn.last().at(0).toJsonObject()[QStringLiteral("rectangle")].toArray();
    QVERIFY2(std::abs(box[0].toInt() - 1250) <= 4 && std::abs(box[1].toInt() - 950) <= 4 &&
                 std::abs(box[2].toInt() - 150) <= 8 && std::abs(box[3].toInt() - 50) <= 8,
             qPrintable(QJsonDocument(box).toJson(QJsonDocument::Compact)));
}

void PhotographViewTest::fitsAPhotographAsTheTrainerDoes_data()
{
    QTest::addColumn<QSize>("photograph");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QRect>("rectangle");
    QTest::addColumn<QRectF>("onPage");
    QTest::newRow("a 4:3 photograph fills the page")
        << QSize(4032, 3024) << QString() << QRect(3024, 2016, 1008, 1008) << QRectF(768, 512, 256, 256);
    QTest::newRow("a 16:9 photograph has black bars above and below")
        << QSize(1280, 720) << QString() << QRect(1180, 620, 100, 100) << QRectF(944, 96 + 496, 80, 80);
    QTest::newRow("a missing photograph shows no target")
        << QSize(640, 480) << QStringLiteral("missing") << QRect(10, 10, 10, 10) << QRectF();
    QTest::newRow("a photograph cut short shows no target")
        << QSize(640, 480) << QStringLiteral("cut short") << QRect(10, 10, 10, 10) << QRectF();
}

void PhotographViewTest::fitsAPhotographAsTheTrainerDoes()
{
    QFETCH(QSize, photograph);
    QFETCH(QString, fault);
    QFETCH(QRect, rectangle);
    QFETCH(QRectF, onPage);
    QTemporaryDir dir;
    PhotographView view;
    showAtZoom(view, 1.0);
    QString path = dir.filePath(QStringLiteral("gone.jpg"));
    if (fault != QLatin1String("missing"))
        path = writePhotograph(dir, photograph);
    if (fault == QLatin1String("cut short"))
        QVERIFY(QFile::resize(path, QFileInfo(path).size() / 2));
    view.setPhotograph(path);
    view.setInsetPlace(QStringLiteral("right"));
    view.setTargets({target("rectangle", {rectangle.x(), rectangle.y(), rectangle.width(), rectangle.height()})}, 0);
    saveShot(view, fault.isEmpty() ? QStringLiteral("%1x%2").arg(photograph.width()).arg(photograph.height()) : fault.replace(QLatin1Char(' '), QLatin1Char('-')));

    const QList<TargetItem *> targets = [&view] {
        QList<TargetItem *> found;
        for (QGraphicsItem *item : view.scene()->items())
            if (auto *target = dynamic_cast<TargetItem *>(item); target && target->isVisible())
                found << target;
        return found;
    }();
    if (onPage.isNull()) {
        QVERIFY(targets.isEmpty());
        bool named = false;
        for (QGraphicsItem *item : view.scene()->items())
            if (auto *text = dynamic_cast<QGraphicsSimpleTextItem *>(item); text && text->isVisible())
                named |= text->text().contains(path);
        QVERIFY(named);
        return;
    }
    QCOMPARE(targets.size(), 1);
    const QRectF placed = targets.first()->mapRectToScene(targets.first()->geometry().rect);
    QVERIFY2(qAbs(placed.left() - onPage.left()) < 1 && qAbs(placed.top() - onPage.top()) < 1 &&
                 qAbs(placed.width() - onPage.width()) < 1 && qAbs(placed.height() - onPage.height()) < 1,
             qPrintable(QStringLiteral("placed at %1, %2 %3 x %4")
                            .arg(placed.left()).arg(placed.top()).arg(placed.width()).arg(placed.height())));
}

QTEST_MAIN(PhotographViewTest)
#include "test_photograph_view.moc"
