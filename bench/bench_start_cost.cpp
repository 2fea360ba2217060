// What the trainer costs to start and to sit idle, side by side with a bare Qt
// window showing images/000.jpg: the time from starting the process to its
// first paint (median of alternating runs) and the CPU it takes while nothing
// happens. The same window with the start screen's text on it is timed too,
// since laying out and drawing the first text costs Qt more than the rest of
// the start screen. Run from anywhere; the programs start in the runnable folder.
//   bench_start_cost [runs] [idle seconds]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <map>
#include <cstdio>
#include <vector>

namespace {
struct Program {
    const char *name;
    QString executable;
    QStringList arguments;
};

void prepare(QProcess &process, const Program &program)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KELVORA_REPORT_FIRST_PAINT"), QStringLiteral("1"));
    if (!environment.contains(QStringLiteral("DISPLAY")) && !environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QStringLiteral(KELVORA_DIST_DIR));
    process.setProgram(program.executable);
    process.setArguments(program.arguments);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
}

// Starts the program and returns once it has painted, with the milliseconds that took.
double startUntilFirstPaint(QProcess &process, const Program &program)
{
    prepare(process, program);
    QElapsedTimer clock;
    clock.start();
    process.start();
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(10000))
            qFatal("%s did not report its first paint", program.name);
    }
    return double(clock.nsecsElapsed()) / 1e6;
}

void end(QProcess &process)
{
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
    }
}

// CPU time of each thread of the process so far, in nanoseconds.
std::map<QString, double> threadCpu(qint64 pid)
{
    std::map<QString, double> cpu;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly))
            cpu[task] = stat.readAll().split(' ').value(0).toDouble();
    }
    return cpu;
}

// The CPU the threads took since before was taken (a thread that ended meanwhile is not counted).
double cpuSince(qint64 pid, const std::map<QString, double> &before)
{
    double total = 0;
    for (const auto &[task, now] : threadCpu(pid)) {
        const auto earlier = before.find(task);
        total += now - (earlier == before.end() ? 0.0 : earlier->second);
    }
    return total;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const int idleSeconds = argc > 2 ? std::max(1, atoi(argv[2])) : 20;
    const Program programs[] = {{"trainer", QStringLiteral(KELVORA_TRAINER), {}},
                                {"bare window", QStringLiteral(KELVORA_BARE_WINDOW), {}},
                                {"bare window with text", QStringLiteral(KELVORA_BARE_WINDOW), {QStringLiteral("--text")}}};

    std::vector<double> paint[3];
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < 3; ++p) {
            QProcess process;
            paint[p].push_back(startUntilFirstPaint(process, programs[p]));
            end(process);
        }
    }
    const double trainerPaint = median(paint[0]);
    const double barePaint = median(paint[1]);
    const double textPaint = median(paint[2]);
    std::printf("first paint, median of %d: trainer %.1f ms, bare window %.1f ms, with text %.1f ms\n", runs,
                trainerPaint, barePaint, textPaint);
    std::printf("ratio to the bare window %.2f, to the bare window with text %.2f (that window to the bare one %.2f)\n",
                trainerPaint / barePaint, trainerPaint / textPaint, textPaint / barePaint);

    // Both idle at once, after their start has settled (the trainer's sound starts after the paint).
    QProcess idle[2];
    for (int p = 0; p < 2; ++p)
        startUntilFirstPaint(idle[p], programs[p]);
    QThread::sleep(5);
    std::map<QString, double> before[2];
    for (int p = 0; p < 2; ++p)
        before[p] = threadCpu(idle[p].processId());
    QThread::sleep(idleSeconds);
    double percent[2];
    for (int p = 0; p < 2; ++p)
        percent[p] = cpuSince(idle[p].processId(), before[p]) / (idleSeconds * 1e9) * 100;
    for (QProcess &process : idle)
        end(process);
    std::printf("idle CPU over %d s: trainer %.4f %%, bare window %.4f %%\n", idleSeconds, percent[0], percent[1]);
    return 0;
}
