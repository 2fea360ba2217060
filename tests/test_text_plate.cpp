// Text on a photograph gets a plate behind it only where the photograph would
// leave it below a readable contrast.
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "content/TextContrast.h"
#include "course/MarkLook.h"
#include "screens/TextPlate.h"

#include <QLabel>
#include <QPainter>

using namespace kelvora;

namespace {
// A photograph whose left part, of that share of its width, is light and the rest dark.
QImage photograph(double lightShare)
{
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(QColor(20, 30, 40));
    QPainter(&image).fillRect(QRect(0, 0, int(400 * lightShare), 100), QColor(235, 235, 225));
    return image;
}
} // namespace

class TextPlateTest : public QObject {
    Q_OBJECT
private slots:
    void aPlateGoesWhereTheTextWouldBeHardToRead_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("plate");
        QTest::newRow("yellow on a dark photograph reads well") << photograph(0) << QColor(MarkYellow) << false;
        QTest::newRow("yellow on a light daylight photograph does not") << photograph(1) << QColor(MarkYellow) << true;
        QTest::newRow("yellow over a photograph light on a third of the line does not") << photograph(0.33)
                                                                                    << QColor(MarkYellow) << true;
        QTest::newRow("a few light pixels under the text do not decide it") << photograph(0.02) << QColor(MarkYellow)
                                                                          << false;
        QTest::newRow("light under just over a twentieth of the line decides it") << photograph(0.05)
                                                                                << QColor(MarkYellow) << true;
        QTest::newRow("light under just under a twentieth of the line does not") << photograph(0.045)
                                                                                 << QColor(MarkYellow) << false;
        QTest::newRow("black text on the light photograph reads well") << photograph(1) << QColor(Qt::black) << false;
        QTest::newRow("a light photograph decoded in 24 bits is as light")
            << photograph(1).convertToFormat(QImage::Format_RGB888) << QColor(MarkYellow) << true;
        QTest::newRow("text past the photograph's edge stands on the page's black") << QImage() << QColor(Qt::white)
                                                                                  << false;
    }
    void aPlateGoesWhereTheTextWouldBeHardToRead()
    {
        QFETCH(QImage, picture);
        QFETCH(QColor, text);
        QFETCH(bool, plate);
        QCOMPARE(needsPlate(picture, QRect(0, 20, 400, 27), text), plate);
        QCOMPARE(contrastOver(picture, QRect(0, 20, 400, 27), text) < ReadableContrast, plate);

        // On a label: the plate, dark behind light text, makes it readable; a readable photograph takes it away.
        QWidget page;
        QLabel label(&page);
        label.setGeometry(0, 20, 400, 27);
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, text);
        label.setPalette(palette);
        plateWhereUnreadable(label, picture);
        QCOMPARE(label.autoFillBackground(), plate);
        if (plate) {
            // The translucent plate over the lightest photograph there is.
            const QColor plateColour = label.palette().color(QPalette::Window);
            const auto overWhite = [&](int c) { return int(c * plateColour.alphaF() + 255 * (1 - plateColour.alphaF())); };
            const QColor worst(overWhite(plateColour.red()), overWhite(plateColour.green()), overWhite(plateColour.blue()));
            QVERIFY(contrastRatio(text, worst) >= ReadableContrast);
            plateWhereUnreadable(label, photograph(0));
            QVERIFY(!label.autoFillBackground());
        }
    }
};

KELVORA_TEST_MAIN(TextPlateTest)
#include "test_text_plate.moc"
