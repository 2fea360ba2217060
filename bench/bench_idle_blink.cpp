// The CPU a lesson takes while it waits for the trainee and its mark blinks,
// against a floor measured in the same run, turn about with it: a bare window
// showing the same photograph fitted once to its size, the lesson's text as
// plain labels and an outline that blinks at the same place and pace.
// Medians of the paired rounds, and of their ratios. Run it on an X server (QT_QPA_PLATFORM=xcb
// under Xvfb) so that the pixels really go somewhere.
//   bench_idle_blink [rounds] [seconds per round] [size: 0 1:1, 1 scaled down, 2 full screen 4K]
#include "Paired.h"
#include "app/Form000.h"
#include "SilentLessons.h"
#include "screens/RunState.h"
#include "app/TrainerApplication.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundPlayer.h"
#include "screens/LessonScreen.h"
#include "screens/RunWindow.h"
#include "screens/Shape.h"
#include "screens/Timer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

using namespace kelvora;

namespace {
double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void runEvents(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

// Percent of one core the process takes over the next seconds, after a short settling.
double idlePercent(double seconds)
{
    runEvents(0.5);
    const double before = processCpuSeconds();
    runEvents(seconds);
    return (processCpuSeconds() - before) / seconds * 100;
}

class Outline final : public QWidget {
public:
    Outline(QWidget *parent, QRect place, qreal pen) : QWidget(parent), m_pen(pen) { setGeometry(place); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::yellow, m_pen));
        painter.drawEllipse(QRectF(rect()).adjusted(m_pen / 2, m_pen / 2, -m_pen / 2, -m_pen / 2));
    }

private:
    qreal m_pen;
};

// The marks that blink: those shown or hidden while the lesson waited. A mark
// that happens to be in its dark phase when the floor is built blinks all the same.
// It watches the marks alone, so the rest of the trainer's events pass unwatched.
class BlinkingMarks final : public QObject {
public:
    bool contains(QObject *mark) const { return m_marks.contains(mark); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            m_marks.insert(watched);
        return false;
    }

private:
    QSet<QObject *> m_marks;
};

// The floor: what the lesson shows, as plain widgets on a once-fitted photograph.
std::unique_ptr<bench::ImageWindow> floorWindow(LessonScreen &lesson, QSize size, const BlinkingMarks &blinking)
{
    const qreal scale = qMin(size.width() / 1024.0, size.height() / 768.0);
    const QPointF origin((size.width() - 1024 * scale) / 2, (size.height() - 768 * scale) / 2);
    const auto place = [&](QRect design) {
        return QRectF(origin + QPointF(design.topLeft()) * scale, QSizeF(design.size()) * scale).toRect();
    };
    auto window = std::make_unique<bench::ImageWindow>();
    window->setGeometry(QRect(QPoint(0, 0), size));
    window->setImage(bench::fitted(QImage(QStringLiteral("images/001.jpg")), size));
    for (QLabel *text : lesson.findChildren<QLabel *>()) {
        if (text->isHidden())
            continue;
        auto *copy = new QLabel(text->text(), window.get());
        QFont font = text->font();
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * scale)));
        copy->setFont(font);
        copy->setAlignment(text->alignment());
        copy->setWordWrap(text->wordWrap());
        copy->setPalette(text->palette());
        copy->setAutoFillBackground(text->autoFillBackground());
        copy->setGeometry(place(text->geometry()));
    }
    for (QPushButton *button : lesson.findChildren<QPushButton *>()) {
        if (button->isHidden())
            continue;
        auto *copy = new QPushButton(button->text(), window.get());
        QFont font = button->font();
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * scale)));
        copy->setFont(font);
        copy->setGeometry(place(button->geometry()));
    }
    for (Shape *mark : lesson.findChildren<Shape *>()) {
        if (mark->isHidden() && !blinking.contains(mark))
            continue;
        auto *outline = new Outline(window.get(), place(mark->geometry()), 3 * scale);
        auto *blink = new QTimer(outline);
        QObject::connect(blink, &QTimer::timeout, outline, [outline] { outline->setVisible(outline->isHidden()); });
        blink->start(300);
    }
    return window;
}
} // namespace

int main(int argc, char **argv)
{
    TrainerApplication app(argc, argv);
    Run &run = bench::runSilentLessons();
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    const double seconds = argc > 2 ? std::max(0.5, atof(argv[2])) : 2.0;
    const int sizeIndex = argc > 3 ? atoi(argv[3]) : 0;
    const QSize size = bench::windowSize(sizeIndex);

    std::vector<double> trainer, bare;
    for (int round = 0; round < rounds; ++round) {
        {
            // Lesson 1 reached as a trainee reaches it: from the start screen, its pictures read ahead.
            RunWindow window;
            run.explanationCursor = 0;
            auto *start = new Form000(run);
            window.start(*start);
            window.setGeometry(QRect(QPoint(0, 0), size));
            runEvents(0.3);
            start->findChild<QPushButton *>(QStringLiteral("BtnStart"))->click();
            auto *lesson = qobject_cast<LessonScreen *>(window.page());
            if (!lesson)
                qFatal("Start did not lead to lesson 1");
            BlinkingMarks blinking;
            for (Shape *mark : lesson->findChildren<Shape *>())
                mark->installEventFilter(&blinking);
            trainer.push_back(idlePercent(seconds));
            for (Shape *mark : lesson->findChildren<Shape *>())
                mark->removeEventFilter(&blinking);
            {
                auto floor = floorWindow(*lesson, size, blinking);
                lesson->stopTimers();
                window.hide();
                floor->show();
                bare.push_back(idlePercent(seconds));
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const double t = bench::median(trainer);
    const double b = bench::median(bare);
    std::printf("idle CPU while lesson 1 blinks, %s, median of %d rounds of %.1f s: trainer %.3f %%, bare window "
                "%.3f %%, ratio %.2f\n",
                bench::windowSizeName(sizeIndex), rounds, seconds, t, b, bench::medianRatio(trainer, bare));
    return 0;
}
