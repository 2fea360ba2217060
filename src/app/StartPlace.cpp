#include "StartPlace.h"

#include "Form000.h"
#include "platform/RuntimeError.h"
#include "screens/LessonChain.h"
#include "screens/Run.h"

namespace kelvora {

namespace {
int languageCode(const Course &course, const QString &tag)
{
    if (tag.isEmpty())
        return 1;
    QStringList tags;
    for (size_t i = 0; i < course.languages.size(); ++i) {
        if (course.languages[i].tag.compare(tag, Qt::CaseInsensitive) == 0)
            return int(i) + 1;
        tags << course.languages[i].tag;
    }
    throw RuntimeError(RuntimeError::Kind::BadCourse, course.file,
                       QStringLiteral("--language %1: the course's languages are %2").arg(tag, tags.join(QStringLiteral(", "))));
}
} // namespace

Screen &firstScreen(Run &run, const CommandLineOptions &options)
{
    const Course &course = run.course();
    const int language = languageCode(course, options.languageTag);
    if (options.startScreen == 0) {
        auto *start = new Form000(run);
        if (!options.languageTag.isEmpty())
            start->chooseLanguage(language);
        return *start;
    }
    Screen *lesson = createLessonScreen(run, options.startScreen);
    if (!lesson)
        throw RuntimeError(RuntimeError::Kind::ScreenNotFound, QStringLiteral("--screen %1").arg(options.startScreen),
                           QStringLiteral("%1 has %2 screens").arg(course.file).arg(course.lessonCount()));
    run.language = language;
    run.startedAt = options.startScreen;
    run.explanationCursor = 0;
    for (int screen = 1; screen < options.startScreen; ++screen)
        run.explanationCursor += Course::linesRead(course.screens[size_t(screen - 1)]);
    return *lesson;
}

} // namespace kelvora
