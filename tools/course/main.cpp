// kelvora-course texts export|import: the translators' round trip of a course's texts.
#include "CourseDocument.h"
#include "CourseTranslation.h"
#include "ToolError.h"
#include "platform/ProgramOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using namespace kelvora;

namespace {
constexpr int Usage = 2;

int exportTexts(const QStringList &args, const QString &language, const QString &output, QTextStream &err)
{
    if (args.size() != 3 || language.isEmpty())
        return Usage;
    const CourseTranslation translation(readCourseDocument(args.at(2)), args.at(2));
    QStringList notes;
    const PoCatalogue catalogue = translation.exportTexts(language, notes);
    for (const QString &note : notes)
        err << "kelvora-course: " << note << '\n';
    catalogue.write(output.isEmpty() ? QStringLiteral("-") : output);
    return 0;
}

int importTexts(const QStringList &args, QTextStream &err)
{
    if (args.size() != 4)
        return Usage;
    const QString courseFile = args.at(2);
    const QString poFile = args.at(3);
    const AuthorCourse before = readCourseDocument(courseFile);
    CourseTranslation translation(before, courseFile);
    const CourseTranslation::Imported imported = translation.importTexts(PoCatalogue::read(poFile), poFile);
    for (const QString &problem : imported.problems)
        err << "kelvora-course: " << problem << '\n';
    if (imported.changed > 0)
        writeCourseDocument(courseFile, translation.course(), before);
    err << QStringLiteral("kelvora-course: %1: %2 text(s) changed, %3 fuzzy, obsolete or untranslated left as they were, "
                          "%4 skipped as not matching the course\n")
               .arg(imported.tag).arg(imported.changed).arg(imported.skipped).arg(imported.problems.size());
    return imported.problems.isEmpty() ? 0 : 1;
}
} // namespace

int main(int argc, char **argv)
{
    ProgramOptions options(QStringLiteral("kelvora-course"),
                           QStringLiteral("The translators' round trip of a course's texts and captions, as gettext PO files:\n"
                                          "  kelvora-course texts export COURSE --language TAG [--output FILE]\n"
                                          "  kelvora-course texts import COURSE FILE"),
                           QStringLiteral("texts export|import COURSE [FILE]"));
    QCommandLineParser &parser = options.parser();
    parser.addPositionalArgument(QStringLiteral("texts"), QStringLiteral("export or import, then the course file"));
    parser.addOption({QStringLiteral("language"), QStringLiteral("The language to export, by its tag."), QStringLiteral("TAG")});
    parser.addOption({QStringLiteral("output"), QStringLiteral("Write the PO file there, not to the standard output."),
                      QStringLiteral("FILE")});
    if (const std::optional<ProgramStop> stopped = options.read(argc, argv))
        return stopped->print();

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvora-course"));
    QTextStream err(stderr);

    const QStringList args = parser.positionalArguments();
    int status = Usage;
    try {
        if (args.value(0) == QLatin1String("texts") && args.value(1) == QLatin1String("export"))
            status = exportTexts(args, parser.value(QStringLiteral("language")), parser.value(QStringLiteral("output")), err);
        else if (args.value(0) == QLatin1String("texts") && args.value(1) == QLatin1String("import"))
            status = importTexts(args, err);
    } catch (const ToolError &error) {
        err << "kelvora-course: " << error.message() << '\n';
        return 1;
    }
    if (status == Usage) {
        err.flush();
        return options.usageError(QStringLiteral("give texts export COURSE --language TAG, or texts import COURSE FILE."))
            .print();
    }
    return status;
}
