// The yardsticks for the trainer's start: a bare Qt window showing the start
// screen's photograph, reporting its first paint the way the trainer does.
// With --text it also shows what the start screen shows on the photograph, as
// plain Qt widgets in the trainer's fonts: a title, two labels, four buttons.
// That is the least any window with that text costs to paint.
// With --photograph FILE it shows that photograph instead, decoded at the
// page's size and upright, as the least a window showing a phone photograph does.
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {
class FirstPaintReport final : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, [] {
                std::puts("first paint");
                std::fflush(stdout);
            });
        }
        return false;
    }

private:
    bool m_done = false;
};

QFont sans(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void addText(QWidget *window)
{
    const auto label = [window](const QString &text, const QRect &place, const QFont &font) {
        auto *widget = new QLabel(text, window);
        widget->setGeometry(place);
        widget->setFont(font);
    };
    label(QStringLiteral("Engine start-up procedure"), {344, 10, 557, 21}, sans(16, true));
    label(QStringLiteral("Training material by the KELVORA training team"), {642, 562, 371, 17}, sans(11, false));
    label(QStringLiteral("Current Language:"), {642, 584, 103, 21}, sans(11, false));
    const char *const buttons[] = {"Türkçe", "English", "Français"};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(QString::fromUtf8(buttons[i]), window);
        button->setGeometry(344 + 122 * i, 34, 119, 23);
        button->setFont(sans(11, false));
    }
    auto *exit = new QPushButton(QStringLiteral("Exit"), window);
    exit->setGeometry(980, 4, 37, 27);
    exit->setFont(sans(11, false));
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstPaintReport report;
    app.installEventFilter(&report);
    QLabel window;
    window.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (argc > 2 && std::strcmp(argv[1], "--photograph") == 0) {
        QImageReader reader(QString::fromLocal8Bit(argv[2]));
        reader.setAutoTransform(true);
        const bool sideways = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        const QSize stored = reader.size();
        const QSize shown = (sideways ? stored.transposed() : stored).scaled(1024, 768, Qt::KeepAspectRatio);
        reader.setScaledSize(sideways ? shown.transposed() : shown);
        window.setPixmap(QPixmap::fromImage(reader.read()));
        window.show();
        return app.exec();
    }
    window.setPixmap(QPixmap(QStringLiteral("images/000.jpg")));
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        addText(&window);
    window.show();
    return app.exec();
}
