// The peak memory of a whole guided run, against a bare Qt window showing the
// start photograph, turn about with it, each in a process of its own. The run
// is walked as a trainee would, in English, with the real sound player (ticks
// are delivered at once, so a run takes seconds rather than minutes; every
// sound is still requested and decoded). Medians of the paired runs.
//   bash scripts/with-null-sink build/bench/bench_run_memory [runs]
// With --phone, the same for an author's course of 20 screens of phone
// photographs (made here, see PhonePhotos.h), walked from its first screen,
// against a bare window showing its first photograph decoded at the page's size:
//   bash scripts/with-null-sink build/bench/bench_run_memory --phone [runs]
#include "LessonWalker.h"
#include "Paired.h"
#include "PhonePhotos.h"
#include "TestRun.h"
#include "app/Form000.h"
#include "course/BuiltInTargetLabels.h"
#include "course/CourseAssets.h"
#include "course/CourseLoader.h"
#include "screens/LessonChain.h"
#include "screens/Run.h"
#include "app/TrainerApplication.h"
#include "platform/SdlSoundPlayer.h"
#include "screens/LessonScreen.h"
#include "screens/RunWindow.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <optional>

using namespace kelvora;

namespace {
double peakMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // "VmHWM:     48252 kB", read without a regular expression, whose library the run itself does not load
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

// Walks the run's lessons from the page shown to its end; prints the process's peak.
[[noreturn]] void walkToTheEnd(RunWindow &window, const std::optional<int> &endStatus)
{
    const test::LessonWalker walker(false);
    while (!endStatus) {
        test::TestRun::settle();
        auto *screen = qobject_cast<LessonScreen *>(window.page());
        if (!screen)
            qFatal("no lesson on display");
        if (!walker.act(*screen, true))
            qFatal("stuck on screen %d", screen->number());
    }
    std::printf("%.2f\n", peakMegabytes(QCoreApplication::applicationPid()));
    std::fflush(stdout);
    std::_Exit(0); // as the trainer ends: at once
}

// One guided run in this process; prints its peak.
int walkOnce(TrainerApplication &app)
{
    Q_UNUSED(app);
    const QString dist = QStringLiteral(KELVORA_DIST_DIR);
    QDir::setCurrent(dist);
    Run run(loadBuiltInCourse(), {.contentRoot = dist, .languageFolder = dist});
    SdlSoundPlayer sound([&run](const QString &name) { return run.resolve(name); });
    run.setVoice(&sound);
    std::optional<int> endStatus;
    run.onEnd = [&](int status) { endStatus = status; };
    run.onError = [](const RuntimeError &error) { qFatal("%s", qPrintable(error.message())); };

    RunWindow window;
    auto *start = new Form000(run);
    window.start(*start);
    QTest::mouseClick(start->findChild<QPushButton *>(QStringLiteral("Lang2")), Qt::LeftButton);
    QTest::mouseClick(start->findChild<QPushButton *>(QStringLiteral("BtnStart")), Qt::LeftButton);
    walkToTheEnd(window, endStatus);
}

// A run of the author's course in that file, in its first language, from its first screen; prints its peak.
int walkCourse(TrainerApplication &app, const QString &file)
{
    Q_UNUSED(app);
    Course course = loadCourse(file);
    checkCourseFiles(course);
    const QString folder = course.folder;
    Run run(std::move(course), {.contentRoot = folder, .languageFolder = folder});
    run.language = 1;
    SdlSoundPlayer sound([&run](const QString &name) { return run.resolve(name); });
    run.setVoice(&sound);
    std::optional<int> endStatus;
    run.onEnd = [&](int status) { endStatus = status; };
    run.onError = [](const RuntimeError &error) { qFatal("%s", qPrintable(error.message())); };

    RunWindow window;
    window.start(*createLessonScreen(run, 1));
    window.show();
    walkToTheEnd(window, endStatus);
}

double childPeak(const QString &program, const QStringList &arguments, bool untilEnd)
{
    QProcess process;
    process.setWorkingDirectory(QStringLiteral(KELVORA_DIST_DIR));
    process.setStandardErrorFile(QProcess::nullDevice());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KELVORA_REPORT_FIRST_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(120000))
            qFatal("%s reported nothing", qPrintable(program));
    }
    const QByteArray line = process.readLine();
    double peak = line.trimmed().toDouble();
    if (!untilEnd) { // the bare window: settled after its first paint
        QThread::msleep(500);
        peak = peakMegabytes(process.processId());
        process.terminate();
    }
    process.waitForFinished();
    return peak;
}
} // namespace

int main(int argc, char **argv)
{
    TrainerApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--walk") == 0)
        return walkOnce(app);
    if (argc > 2 && std::strcmp(argv[1], "--walk-course") == 0)
        return walkCourse(app, QString::fromLocal8Bit(argv[2]));
    const bool phone = argc > 1 && std::strcmp(argv[1], "--phone") == 0;
    const int runsAt = phone ? 2 : 1;
    const int runs = argc > runsAt ? std::max(1, atoi(argv[runsAt])) : 21;
    QTemporaryDir folder;
    QStringList walk{QStringLiteral("--walk")}, floor;
    if (phone) {
        walk = QStringList{QStringLiteral("--walk-course"), bench::writePhoneCourse(folder.path(), 20, 60, false)};
        floor = QStringList{QStringLiteral("--photograph"), folder.filePath(QStringLiteral("images/photo-0.jpg"))};
    }
    std::vector<double> run, bare;
    for (int i = 0; i < runs; ++i) {
        run.push_back(childPeak(QCoreApplication::applicationFilePath(), walk, true));
        bare.push_back(childPeak(QStringLiteral(KELVORA_BARE_WINDOW), floor, false));
    }
    const double r = bench::median(run);
    const double b = bench::median(bare);
    std::printf("peak memory, median of %d: %s %.1f MB, bare window %.1f MB, ratio %.2f (median of ratios %.2f)\n", runs,
                phone ? "run of a 20-screen phone-photo course" : "guided run", r, b, r / b,
                bench::medianRatio(run, bare));
    return 0;
}
