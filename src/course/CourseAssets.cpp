#include "CourseAssets.h"

#include "author/AuthorCompiler.h"

#include "content/ContentPath.h"
#include "platform/RuntimeError.h"

namespace kelvora {

namespace {
const QString ExitClick = QString::fromLatin1(ExitClickSound);

void addActions(ScreenAssets &assets, const Actions &actions)
{
    using Verb = ScreenAction::Verb;
    for (const ScreenAction &action : actions) {
        switch (action.verb) {
        case Verb::Photograph: assets.photographs << action.argument; break;
        case Verb::Inset: assets.insets << action.argument; break;
        case Verb::Sound:
        case Verb::Loop: assets.directSounds << action.argument; break;
        case Verb::Cue: assets.cues << action.argument; break;
        default: break;
        }
    }
}

ScreenAssets screenAssets(const LessonDesign &design, bool playsExitClick)
{
    ScreenAssets assets{.screen = design.screen, .photographs = {design.firstPhotograph}};
    if (!design.inset.isEmpty())
        assets.insets << design.inset;
    if (playsExitClick)
        assets.directSounds << ExitClick;
    addActions(assets, design.atLoad);
    for (const StepDesign &step : design.steps) {
        if (!step.cue.isEmpty())
            assets.cues << step.cue;
        if (!step.sound.isEmpty())
            assets.directSounds << step.sound;
        if (!step.photograph.isEmpty())
            assets.photographs << step.photograph;
        addActions(assets, step.followUp);
    }
    if (design.engineLoop && !design.steps.empty())
        assets.directSounds << design.loop;
    if (const auto &quadrant = design.throttleQuadrant) {
        assets.otherPictures << quadrant->picture;
        assets.directSounds << quadrant->liftClick;
        addActions(assets, quadrant->atIdle);
    }
    if (const auto &sequence = design.timedSequence) {
        addActions(assets, sequence->view);
        for (int tick = 1; tick < sequence->lastTick; ++tick)
            assets.photographs << sequence->photograph(tick);
        addActions(assets, sequence->finish);
    }
    if (const auto &counter = design.pressCounter) {
        if (!counter->click.isEmpty())
            assets.directSounds << counter->click;
        if (!design.loop.isEmpty())
            assets.directSounds << design.loop;
        for (int press = 1; press <= counter->presses; ++press)
            assets.photographs << counter->photograph(press);
        addActions(assets, counter->done);
    }
    if (design.runEnding && !design.runEnding->cue.isEmpty())
        assets.cues << design.runEnding->cue;
    // Once each, in order of first use; made unique once complete, as checking every name as it came was quadratic.
    for (QStringList *names : {&assets.insets, &assets.photographs, &assets.otherPictures, &assets.cues, &assets.directSounds})
        names->removeDuplicates();
    return assets;
}
} // namespace

QList<ScreenAssets> courseAssets(const Course &course)
{
    ScreenAssets start{.screen = 0};
    if (!course.startPicture.isEmpty())
        start.photographs << course.startPicture;
    if (course.playsExitClick)
        start.directSounds << ExitClick;
    QList<ScreenAssets> screens{start};
    for (const LessonDesign &design : course.screens)
        screens << screenAssets(design, course.playsExitClick);
    return screens;
}

QList<PackFile> coursePackFiles(const Course &course)
{
    QStringList languageFiles;
    for (const CourseLanguage &language : course.languages)
        if (!language.file.isEmpty())
            languageFiles << language.file;
    QList<PackFile> files = packFiles(courseAssets(course), languageFiles);
    if (course.fitsPictures) {
        for (PackFile &file : files)
            file.pictureSize = {};
        return files;
    }
    // The quadrant draws its picture inside a 2-pixel border.
    for (const LessonDesign &design : course.screens) {
        if (!design.throttleQuadrant)
            continue;
        for (PackFile &file : files) {
            if (file.kind == PackFileKind::ThrottleQuadrant &&
                file.path.compare(QString(design.throttleQuadrant->picture).replace(u'\\', u'/'), Qt::CaseInsensitive) == 0)
                file.pictureSize = design.throttleQuadrant->rect.size() - QSize(4, 4);
        }
    }
    return files;
}

void checkCourseFiles(const Course &course)
{
    if (course.author) // the author's course names its files itself
        return refuseAuthorCourse(*course.author, false, true);
    auto check = [&](const QString &place, const QString &name) {
        if (resolveContentPath(name, course.folder).isEmpty())
            throw RuntimeError(RuntimeError::Kind::BadCourse, course.file,
                               QStringLiteral("%1: names %2, which is not in %3").arg(place, name, course.folder));
    };
    QList<ScreenAssets> screens = courseAssets(course);
    screens.move(0, screens.size() - 1); // the lessons first: the start screen's picture is the template's
    for (const ScreenAssets &assets : screens) {
        const QString place = assets.screen == 0 ? QStringLiteral("the start screen")
                                                 : QStringLiteral("screen %1").arg(assets.screen);
        for (const QStringList &names : {assets.insets, assets.photographs, assets.otherPictures, assets.directSounds})
            for (const QString &name : names)
                check(place, name);
        for (const QString &cue : assets.cues)
            check(place, cueSoundName(cue));
    }
    for (const CourseLanguage &language : course.languages) {
        if (!language.file.isEmpty())
            check(QStringLiteral("language %1").arg(language.name), language.file);
    }
}

} // namespace kelvora
