// The yardstick for the trainer's start: a bare Qt window showing the start
// screen's photograph, reporting its first paint the way the trainer does.
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

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
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstPaintReport report;
    app.installEventFilter(&report);
    QLabel window;
    window.setPixmap(QPixmap(QStringLiteral("images/000.jpg")));
    window.show();
    return app.exec();
}
