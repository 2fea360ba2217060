// kelvora-content-gen OUTDIR [TEXTSDIR]: writes the default content pack, the files the built-in course names.
// kelvora-content-gen --course FILE OUTDIR [--photograph-size WxH]: writes a course's pack and the course beside it.

#include "MarkPlaces.h"
#include "PackWriter.h"
#include "SceneBook.h"
#include "course/CourseAssets.h"
#include "course/CourseLoader.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <stdexcept>

using namespace kelvora;
using namespace kelvora::content;

namespace {
// The procedures the generator has scenes for, by the name of the course's folder.
SceneBook::Procedure procedureOf(const Course &course)
{
    const QString folder = QFileInfo(course.folder).fileName();
    if (folder == QLatin1String("startup"))
        return SceneBook::Procedure::StartUp;
    if (folder == QLatin1String("shutdown"))
        return SceneBook::Procedure::ShutDown;
    throw std::runtime_error("no scenes for the course in " + course.folder.toStdString());
}

// The start-up photographs put their controls under the built-in course's marks.
void checkMarkPlaces()
{
    const QStringList faults = markPlaceFaults(SceneBook(), loadCourse(BuiltInCourseFile));
    if (!faults.isEmpty())
        throw std::runtime_error("the photographs and the course's marks disagree:\n" + faults.join(u'\n').toStdString());
}

int writeBuiltInCourse(const QString &outFolder, const QString &textsFolder)
{
    checkMarkPlaces();
    return PackWriter(outFolder, textsFolder).writeAll(coursePackFiles(loadCourse(BuiltInCourseFile)));
}

int writeCourse(const QString &courseFile, const QString &outFolder, QSize photographSize)
{
    const Course course = loadCourse(courseFile);
    const SceneBook book(procedureOf(course));
    PackWriter writer(outFolder, QDir(course.folder).filePath(QStringLiteral("texts")), book);
    writer.setLinesPerRun(course.linesRead());
    writer.setPhotographSize(photographSize);
    const int count = writer.writeAll(coursePackFiles(course));
    const QString copy = QDir(outFolder).filePath(QFileInfo(courseFile).fileName());
    QFile::remove(copy);
    if (!QFile::copy(courseFile, copy))
        throw std::runtime_error("cannot write " + copy.toStdString());
    return count + 1;
}
} // namespace

int main(int argc, char *argv[])
{
    // Only painting into images: no display is needed or wanted.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    const bool course = arguments.size() >= 4 && arguments.at(1) == QLatin1String("--course");
    QSize photographSize;
    if (course && arguments.size() == 6 && arguments.at(4) == QLatin1String("--photograph-size")) {
        const QStringList size = arguments.at(5).split(QLatin1Char('x'));
        photographSize = QSize(size.value(0).toInt(), size.value(1).toInt());
    }
    const bool courseUsage = arguments.size() == 4 || (arguments.size() == 6 && !photographSize.isEmpty());
    if (course ? !courseUsage : (arguments.size() < 2 || arguments.size() > 3)) {
        std::fprintf(stderr, "usage: kelvora-content-gen OUTDIR [TEXTSDIR]\n"
                             "       kelvora-content-gen --course FILE OUTDIR [--photograph-size WxH]\n"
                             "  TEXTSDIR holds tr.txt, en.txt and fr.txt (default: %s);\n"
                             "  a course's texts/ folder beside its file holds its own\n",
                     KELVORA_TEXTS_DIR);
        return 2;
    }
    const QString outFolder = course ? arguments.at(3) : arguments.at(1);

    try {
        QElapsedTimer clock;
        clock.start();
        const int count = course ? writeCourse(arguments.at(2), outFolder, photographSize)
                                 : writeBuiltInCourse(outFolder, arguments.size() == 3 ? arguments.at(2)
                                                                                       : QStringLiteral(KELVORA_TEXTS_DIR));
        std::printf("kelvora-content-gen: wrote %d files to %s in %.1f s\n", count, qPrintable(outFolder),
                    clock.elapsed() / 1000.0);
        return 0;
    } catch (const RuntimeError &error) {
        std::fprintf(stderr, "kelvora-content-gen: %s\n", qPrintable(error.message()));
        return 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "kelvora-content-gen: %s\n", error.what());
        return 1;
    }
}
