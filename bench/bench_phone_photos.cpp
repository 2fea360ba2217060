// An author's course of phone photographs (made here, see PhonePhotos.h),
// against floors measured in the same run, turn about with it:
//  - PressToNewPicture: a press on a step to its new photograph painted, after
//    the trainee has read the page for a second, landscape and portrait, at 1:1
//    and full screen; floors: a bare window showing a decoded picture of the
//    page's size, and one that decodes the file at the page's size first.
//  - FirstPaint: lesson 1 of the course opened and painted; floor: a bare window
//    with the same text that decodes the first photograph at the page's size.
//  - CheckCourse: the checker on a course of 72 photographs, every photograph
//    changed since the last check (as on opening it in the editor), and again
//    after an edit of a text (as the editor rechecks); floor: scaled decodes of
//    the same files on one thread.
// Offscreen it times the work in the process; on an X server (QT_QPA_PLATFORM=xcb
// under Xvfb) each paint also waits until the server has the new pixels.
#include "CourseCheck.h"
#include "Paired.h"
#include "PhonePhotos.h"
#include "app/TrainerApplication.h"
#include "content/PictureSizes.h"
#include "course/CourseAssets.h"
#include "course/CourseLoader.h"
#include "platform/SoundPlayer.h"
#include "screens/LessonChain.h"
#include "screens/LessonScreen.h"
#include "screens/Run.h"
#include "screens/RunWindow.h"
#include "screens/Shape.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace kelvora;

namespace {
class SilentPlayer final : public SoundPlayer {
public:
    bool play(std::string_view, int, unsigned) override { return true; }
};

double msSince(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

QSize windowSize(int which)
{
    return which == 1 ? QSize(1920, 1080) : QSize(1024, 768);
}

// The least a program does to show a photograph on a page: decode it at the
// page's size (the JPEG scaled while it decodes), upright.
QImage scaledDecode(const QString &path, QSize page)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    const bool sideways = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    if (sideways)
        size.transpose();
    size = size.scaled(page, Qt::KeepAspectRatio);
    reader.setScaledSize(sideways ? size.transposed() : size);
    return reader.read();
}

// A bare window that shows a picture of the page's size scaled to fit the
// window, as the run window draws its page, painting each pixel once.
class PageWindow final : public QWidget {
public:
    PageWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }
    void setPicture(QImage picture)
    {
        m_picture = std::move(picture);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        const QSizeF placed = QSizeF(LessonPictureSize).scaled(QSizeF(size()), Qt::KeepAspectRatio);
        const QRectF page(QPointF((width() - placed.width()) / 2, (height() - placed.height()) / 2), placed);
        if (placed == QSizeF(LessonPictureSize)) {
            painter.drawImage(page.topLeft(), m_picture);
            return;
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(page, m_picture);
    }

private:
    QImage m_picture;
};

SilentPlayer &silence()
{
    static SilentPlayer sound;
    return sound;
}

// A run of the course in that file, in its first language, silent.
void teach(Run &run, const QString &file)
{
    Course course = loadCourse(file);
    checkCourseFiles(course);
    run.useCourse(std::move(course));
    run.language = 1;
    run.setVoice(&silence());
}

struct PhoneCourse {
    QTemporaryDir folder;
    QString file;
    Run run{Course{}};
    PhoneCourse(int screens, int photographs, bool portrait)
    {
        file = bench::writePhoneCourse(folder.path(), screens, photographs, portrait);
        teach(run, file);
    }
    QString photograph(int i) const { return folder.filePath(QStringLiteral("images/photo-%1.jpg").arg(i)); }
};

void PressToNewPicture(benchmark::State &state)
{
    const bool portrait = state.range(0) == 1;
    const QSize size = windowSize(int(state.range(1)));
    PhoneCourse course(2, 6, portrait);
    PageWindow bare;
    bare.setGeometry(QRect(QPoint(0, 0), size));
    bare.show();
    const QImage decoded = bench::fitted(scaledDecode(course.photograph(1), LessonPictureSize), LessonPictureSize);
    std::vector<double> trainer, shown, decoding;
    for (auto _ : state) {
        RunWindow window;
        course.run.explanationCursor = 0;
        auto *lesson = static_cast<LessonScreen *>(createLessonScreen(course.run, 1));
        window.start(*lesson);
        window.setGeometry(QRect(QPoint(0, 0), size));
        QCoreApplication::processEvents();
        window.viewport()->repaint();
        QTest::qWait(1000); // the trainee reads the page
        const QPoint target = lesson->mark(course.run.course().screens.front().steps.front().mark)->geometry().center();

        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(lesson, Qt::LeftButton, {}, target);
        window.viewport()->repaint();
        bench::seenOnScreen(window);
        trainer.push_back(msSince(clock));
        if (!lesson->pictureName().endsWith(QLatin1String("photo-1.jpg")))
            state.SkipWithError("the press did not show the step's photograph");

        // The floors are timed with the trainer's window out of the way: a
        // covered window's pixels never reach the screen.
        window.hide();
        bare.setPicture(QImage());
        bare.repaint();
        bench::seenOnScreen(bare);
        clock.start();
        bare.setPicture(decoded);
        bare.repaint();
        bench::seenOnScreen(bare);
        shown.push_back(msSince(clock));

        clock.start();
        bare.setPicture(bench::fitted(scaledDecode(course.photograph(1), LessonPictureSize), LessonPictureSize));
        bare.repaint();
        bench::seenOnScreen(bare);
        decoding.push_back(msSince(clock));

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["press_ms"] = bench::median(trainer);
    state.counters["shown_ms"] = bench::median(shown);
    state.counters["decode_ms"] = bench::median(decoding);
    state.counters["x_shown"] = bench::medianRatio(trainer, shown);
    state.counters["x_decode"] = bench::medianRatio(trainer, decoding);
    state.SetLabel(std::string(portrait ? "3024x4032 " : "4032x3024 ") + (state.range(1) ? "full screen 1920x1080" : "1:1 1024x768"));
}
BENCHMARK(PressToNewPicture)
    ->ArgNames({"portrait", "full_screen"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(21);

void FirstPaint(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString file = bench::writePhoneCourse(folder.path(), 20, 60, false);
    const QString first = folder.filePath(QStringLiteral("images/photo-0.jpg"));
    std::vector<double> trainer, floor;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        {
            Run run{Course{}};
            teach(run, file);
            RunWindow window;
            auto *lesson = createLessonScreen(run, 1);
            window.start(*lesson);
            window.setGeometry(QRect(QPoint(0, 0), LessonPictureSize));
            window.viewport()->repaint();
            bench::seenOnScreen(window);
            trainer.push_back(msSince(clock));
            window.hide();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        clock.start();
        {
            PageWindow bare;
            bare.setGeometry(QRect(QPoint(0, 0), LessonPictureSize));
            auto *text = new QLabel(QStringLiteral("Switch the battery on, then press Continue."), &bare);
            text->setGeometry(20, 650, 600, 60);
            text->setWordWrap(true);
            bare.setPicture(bench::fitted(scaledDecode(first, LessonPictureSize), LessonPictureSize));
            bare.show();
            bare.repaint();
            bench::seenOnScreen(bare);
            floor.push_back(msSince(clock));
        }
    }
    state.counters["first_paint_ms"] = bench::median(trainer);
    state.counters["bare_window_ms"] = bench::median(floor);
    state.counters["x_bare_window"] = bench::medianRatio(trainer, floor);
}
BENCHMARK(FirstPaint)->Unit(benchmark::kMillisecond)->Iterations(21);

void CheckCourse(benchmark::State &state)
{
    constexpr int Photographs = 72;
    QTemporaryDir folder;
    const QString file = bench::writePhoneCourse(folder.path(), Photographs / 3, Photographs, false);
    QStringList photographs;
    for (int i = 0; i < Photographs; ++i)
        photographs << folder.filePath(QStringLiteral("images/photo-%1.jpg").arg(i));
    std::vector<double> opened, rechecked, floor;
    QDateTime stamp = QDateTime::currentDateTime().addDays(-1);
    for (auto _ : state) {
        stamp = stamp.addSecs(1);
        for (const QString &path : std::as_const(photographs)) { // every photograph changed since it was checked
            QFile touched(path);
            touched.open(QIODevice::ReadWrite);
            touched.setFileTime(stamp, QFileDevice::FileModificationTime);
        }
        QElapsedTimer clock;
        clock.start();
        const qsizetype findings = checkCourse(file).size();
        opened.push_back(msSince(clock));

        clock.start();
        if (checkCourse(file).size() != findings)
            state.SkipWithError("a recheck found something else");
        rechecked.push_back(msSince(clock));

        clock.start();
        for (const QString &path : std::as_const(photographs)) {
            QImageReader reader(path);
            reader.setScaledSize(reader.size() / 8);
            benchmark::DoNotOptimize(reader.read());
        }
        floor.push_back(msSince(clock));
    }
    state.counters["check_ms"] = bench::median(opened);
    state.counters["recheck_ms"] = bench::median(rechecked);
    state.counters["decodes_ms"] = bench::median(floor);
    state.counters["x_decodes"] = bench::medianRatio(opened, floor);
}
BENCHMARK(CheckCourse)->Unit(benchmark::kMillisecond)->Iterations(21);
} // namespace

int main(int argc, char **argv)
{
    TrainerApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
