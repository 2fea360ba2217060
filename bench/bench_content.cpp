// How long the work on a press takes apart from the sounds: reading the next
// explanation line (the file is read again from its start on every call),
// finding a content file without regard to case, and decoding a photograph.
#include "content/ContentPath.h"
#include "content/ContentPicture.h"
#include "content/LanguageFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace kelvora;

namespace {
QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    static bool ready = [] {
        QDir root(dir.path());
        root.mkpath(QStringLiteral("images"));
        QFile language(root.filePath(QStringLiteral("Lang1.txt")));
        language.open(QIODevice::WriteOnly);
        for (int line = 1; line <= 50; ++line)
            language.write("Gaz kolunu r\xF6lantiye al ve motor devrinin y\xFCzde yetmi\xFE olmas\xFDn\xFD bekle.\r\n");
        language.close();
        QImage photo(1024, 768, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb((x * 7) & 255, (y * 3) & 255, (x ^ y) & 255));
        photo.save(root.filePath(QStringLiteral("images/035.jpg")), "JPG", 90);
        return true;
    }();
    Q_UNUSED(ready);
    return dir;
}

void ReadLanguageLine(benchmark::State &state)
{
    const QString path = folder().filePath(QStringLiteral("Lang1.txt"));
    const int line = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(readLanguageLine(path, line));
}
BENCHMARK(ReadLanguageLine)->Arg(1)->Arg(25)->Arg(50);

// A language file with a 10 MB line: reading it (and the line after it) must
// cost that line, not copies of the file. Run it alone for a meaningful peak:
//   bench_content --benchmark_filter=LongLine
void ReadAfterLongLine(benchmark::State &state)
{
    const QString path = folder().filePath(QStringLiteral("Lang2.txt"));
    QFile language(path);
    language.open(QIODevice::WriteOnly);
    language.write("first\r\n" + QByteArray("Gaz kolunu r\xF6lantiye al. ").repeated(400000) + "\r\nlast\r\n");
    language.close();
    const int line = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(readLanguageLine(path, line));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_RSS_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(ReadAfterLongLine)->Name("LongLine/line_after_it")->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAfterLongLine)->Name("LongLine/the_line")->Arg(2)->Unit(benchmark::kMillisecond);

void ResolveContentName(benchmark::State &state)
{
    const QString base = folder().path();
    for (auto _ : state)
        benchmark::DoNotOptimize(resolveContentPath(QStringLiteral("Images\\035.JPG"), base));
}
BENCHMARK(ResolveContentName);

void LoadPhotograph(benchmark::State &state)
{
    const QString base = folder().path();
    for (auto _ : state)
        benchmark::DoNotOptimize(loadContentPicture({QStringLiteral("Images\\035.jpg")}, base));
    state.SetLabel("1024 x 768 JPEG");
}
BENCHMARK(LoadPhotograph)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
