#include "AuthorValidation.h"

#include "AuthorTexts.h"
#include "content/ContentPath.h"
#include "content/ContentPicture.h"
#include "content/PictureCheck.h"
#include "content/Letterbox.h"
#include "content/PictureSizes.h"
#include "content/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

namespace kelvora {

bool isWellFormedId(const QString &id)
{
    static const QRegularExpression wellFormed(QStringLiteral("^[A-Za-z0-9._-]+$"));
    return wellFormed.match(id).hasMatch();
}

namespace {
using Severity = AuthorProblem::Severity;

// Longer words tire a listener or do not fit the caption line (a line of the explanation's font).
constexpr int LongestLabel = 80;
constexpr int LongestDescription = 400;
constexpr int LongestCaption = 60;

class Validation {
public:
    Validation(const AuthorCourse &course, const AuthorValidationOptions &options)
        : m_course(course), m_options(options), m_tags(course.tags())
    {
    }

    QList<AuthorProblem> run()
    {
        if (m_options.rules)
            courseRules();
        for (const AuthorScreen &screen : m_course.screens) {
            m_screen = screen.id;
            if (m_options.rules)
                screenRules(screen);
            if (m_options.files)
                screenFiles(screen);
        }
        return m_problems;
    }

private:
    void refuse(const QString &step, const QString &message) { report(Severity::Refused, step, {}, message); }
    void report(Severity severity, const QString &step, const QString &language, const QString &message)
    {
        m_problems.append({severity, m_screen, step, language, message});
    }

    void courseRules()
    {
        if (m_course.id.isEmpty())
            refuse({}, QStringLiteral("id: is missing"));
        if (m_course.title.isEmpty())
            refuse({}, QStringLiteral("title: is missing"));
        if (m_course.languages.empty())
            refuse({}, QStringLiteral("languages: names no language"));
        QSet<QString> tags;
        for (const AuthorLanguage &language : m_course.languages) {
            if (!isLanguageTag(language.tag))
                report(Severity::Refused, {}, language.tag,
                       QStringLiteral("tag: is not a language tag such as \"en\" or \"pt-BR\""));
            else if (tags.contains(language.tag.toLower()))
                report(Severity::Refused, {}, language.tag, QStringLiteral("two languages have this tag"));
            tags.insert(language.tag.toLower());
            if (language.name.isEmpty())
                report(Severity::Refused, {}, language.tag, QStringLiteral("name: is missing"));
            if (defaultCaptions(language.tag))
                continue;
            for (const auto &[context, text] : captionTexts(m_course, language.tag)) {
                if (text.isEmpty())
                    report(Severity::Refused, {}, language.tag,
                           QStringLiteral("%1: is missing: the trainer has no caption of its own for %2").arg(context, language.tag));
            }
        }
        if (m_course.screens.empty())
            refuse({}, QStringLiteral("screens: holds no screen"));
        for (const AuthorText &text : authorTexts(m_course)) {
            m_screen = text.screen;
            const QString own = text.context.section(u'/', text.step.isEmpty() ? 1 : 2);
            const QString what = text.screen.isEmpty() ? text.context : own;
            auto message = [&what](const QString &m) { return what.isEmpty() ? m : what + QStringLiteral(": ") + m; };
            for (auto it = text.texts.begin(); it != text.texts.end(); ++it) {
                if (!m_tags.contains(it.key()))
                    report(Severity::Refused, text.step, it.key(), message(QStringLiteral("the course has no such language")));
            }
            for (const QString &tag : m_tags) {
                if (text.texts.value(tag).trimmed().isEmpty())
                    report(Severity::Advice, text.step, tag, message(QStringLiteral("missing")));
            }
        }
        m_screen.clear();
        QSet<QString> screens;
        for (const AuthorScreen &screen : m_course.screens) {
            m_screen = screen.id;
            if (screens.contains(screen.id))
                refuse({}, QStringLiteral("two screens have the id %1").arg(screen.id));
            screens.insert(screen.id);
            // A screen named like the translators' other contexts would make two texts one.
            if (screen.id == QLatin1String("title") || screen.id == QLatin1String("captions"))
                report(Severity::Advice, {}, {}, QStringLiteral("the id %1 is the course's in translation files: choose another").arg(screen.id));
        }
        m_screen.clear();
    }

    void checkId(const QString &id, const QString &step)
    {
        if (id.isEmpty())
            refuse(step, QStringLiteral("id: is missing"));
        else if (!isWellFormedId(id))
            refuse(step, QStringLiteral("id: \"%1\" is not an id: letters, digits, -, _ and . only").arg(id));
    }

    static bool isSide(const QString &place)
    {
        return place.isEmpty() || place == QLatin1String("left") || place == QLatin1String("right");
    }

    void screenRules(const AuthorScreen &screen)
    {
        checkId(screen.id, {});
        if (screen.photograph.isEmpty())
            refuse({}, QStringLiteral("photograph: is missing"));
        if (screen.inset && screen.inset->picture.isEmpty())
            refuse({}, QStringLiteral("inset: picture: is missing"));
        if (screen.inset && !isSide(screen.inset->place))
            refuse({}, QStringLiteral("inset: place: is not \"left\" or \"right\""));
        if (screen.throttle && !screen.steps.empty())
            refuse({}, QStringLiteral("steps: a screen with a throttle has the throttle's steps only"));
        QSet<QString> ids;
        bool counting = false;
        for (const AuthorStep &step : screen.steps) {
            checkId(step.id, step.id);
            if (ids.contains(step.id))
                refuse(step.id, QStringLiteral("two steps or point-at groups have the id %1").arg(step.id));
            ids.insert(step.id);
            if (step.id == QLatin1String("title") || step.id == QLatin1String("sequence"))
                report(Severity::Advice, step.id, {},
                       QStringLiteral("the id %1 is the screen's %1's in translation files: choose another").arg(step.id));
            if (!step.target)
                refuse(step.id, QStringLiteral("target: is missing"));
            if (!step.presses) {
                if (!step.photographs.isEmpty())
                    refuse(step.id, QStringLiteral("photographs: belong to a step that counts presses (\"presses\")"));
                continue;
            }
            if (counting)
                refuse(step.id, QStringLiteral("presses: only one step of a screen counts presses"));
            counting = true;
            if (!step.photograph.isEmpty())
                refuse(step.id, QStringLiteral("photograph: a step that counts presses has \"photographs\", one after each press"));
            if (*step.presses < 2)
                refuse(step.id, QStringLiteral("presses: must be 2 or more"));
            else if (step.photographs.size() != *step.presses)
                refuse(step.id, QStringLiteral("photographs: must name %1 photographs, one after each press").arg(*step.presses));
            emptyNames(step.photographs, step.id, QStringLiteral("photographs"));
        }
        for (const AuthorGroup &group : screen.pointAt) {
            checkId(group.id, group.id);
            if (ids.contains(group.id))
                refuse(group.id, QStringLiteral("two steps or point-at groups have the id %1").arg(group.id));
            ids.insert(group.id);
            if (group.targets.empty())
                refuse(group.id, QStringLiteral("targets: holds no target"));
        }
        if (const auto &sequence = screen.sequence) {
            if (sequence->photographs.isEmpty())
                refuse({}, QStringLiteral("sequence: photographs: names no photograph"));
            emptyNames(sequence->photographs, {}, QStringLiteral("sequence: photographs"));
            if (!sequence->periodMs)
                refuse({}, QStringLiteral("sequence: periodMs: is missing"));
            else if (*sequence->periodMs <= 0)
                refuse({}, QStringLiteral("sequence: periodMs: must be greater than 0"));
        }
        if (const auto &throttle = screen.throttle) {
            if (throttle->picture.isEmpty())
                refuse({}, QStringLiteral("throttle: picture: is missing"));
            if (!isSide(throttle->place))
                refuse({}, QStringLiteral("throttle: place: is not \"left\" or \"right\""));
            if (!throttle->lift)
                refuse({}, QStringLiteral("throttle: lift: is missing"));
        }
        for (const auto &[target, step, what, pressed] : targets(screen)) {
            if (target->box.isEmpty())
                refuse(step, QStringLiteral("%1: has no area").arg(what));
        }
        accessRules(screen);
    }

    // The words and recordings for trainees who do not see or hear: in the course's languages, short enough
    // to be read out or shown on the caption line, and a caption only where there is a sound to caption.
    void accessRules(const AuthorScreen &screen)
    {
        recordings(screen.narration, {}, QStringLiteral("narration"));
        fitting(screen.description, {}, QStringLiteral("description"), LongestDescription);
        if (screen.inset)
            fitting(screen.inset->description, {}, QStringLiteral("inset: description"), LongestDescription);
        captioned(screen.loop, screen.loopCaption, {}, QStringLiteral("loopCaption"));
        for (const AuthorStep &step : screen.steps) {
            recordings(step.narration, step.id, QStringLiteral("narration"));
            fitting(step.label, step.id, QStringLiteral("label"), LongestLabel);
            captioned(step.sound, step.caption, step.id, QStringLiteral("caption"));
        }
        if (const auto &sequence = screen.sequence) {
            recordings(sequence->narration, {}, QStringLiteral("sequence: narration"));
            captioned(sequence->sound, sequence->caption, {}, QStringLiteral("sequence: caption"));
        }
    }

    void recordings(const Texts &files, const QString &step, const QString &what)
    {
        for (auto it = files.begin(); it != files.end(); ++it) {
            if (!m_tags.contains(it.key()))
                report(Severity::Refused, step, it.key(), QStringLiteral("%1: the course has no such language").arg(what));
            else if (it.value().trimmed().isEmpty())
                report(Severity::Refused, step, it.key(), QStringLiteral("%1: names no file").arg(what));
        }
    }

    void fitting(const Texts &texts, const QString &step, const QString &what, int longest)
    {
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            if (it.value().size() > longest)
                report(Severity::Advice, step, it.key(),
                       QStringLiteral("%1: is %2 characters long; a screen reader user hears %3 at most comfortably")
                           .arg(what).arg(it.value().size()).arg(longest));
        }
    }

    void captioned(const QString &sound, const Texts &caption, const QString &step, const QString &what)
    {
        if (caption.isEmpty())
            return;
        if (sound.isEmpty())
            report(Severity::Advice, step, {}, QStringLiteral("%1: there is no sound to caption").arg(what));
        for (auto it = caption.begin(); it != caption.end(); ++it) {
            if (it.value().size() > LongestCaption)
                report(Severity::Advice, step, it.key(),
                       QStringLiteral("%1: is %2 characters long; the caption line shows %3")
                           .arg(what).arg(it.value().size()).arg(LongestCaption));
        }
    }

    void emptyNames(const QStringList &names, const QString &step, const QString &what)
    {
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (names[i].trimmed().isEmpty())
                refuse(step, QStringLiteral("%1: item %2 names no file").arg(what).arg(i + 1));
        }
    }

    struct Placed {
        const Target *target;
        QString step;
        QString what;
        bool pressed; // a step's target; a look-only one else
    };

    static std::vector<Placed> targets(const AuthorScreen &screen)
    {
        std::vector<Placed> result;
        for (const AuthorStep &step : screen.steps) {
            if (step.target)
                result.push_back({&*step.target, step.id, QStringLiteral("target"), true});
        }
        if (screen.throttle && screen.throttle->lift)
            result.push_back({&*screen.throttle->lift, {}, QStringLiteral("throttle: lift target"), true});
        for (const AuthorGroup &group : screen.pointAt) {
            for (const Target &target : group.targets)
                result.push_back({&target, group.id, QStringLiteral("target"), false});
        }
        if (screen.sequence && screen.sequence->watch)
            result.push_back({&*screen.sequence->watch, {}, QStringLiteral("sequence: watch target"), false});
        return result;
    }

    void screenFiles(const AuthorScreen &screen)
    {
        const QSize photograph = picture(screen.photograph, {});
        if (screen.inset)
            picture(screen.inset->picture, {});
        sound(screen.loop, {});
        for (const AuthorStep &step : screen.steps) {
            sound(step.sound, step.id);
            picture(step.photograph, step.id);
            for (const QString &name : step.photographs)
                picture(name, step.id);
        }
        if (screen.sequence) {
            for (const QString &name : screen.sequence->photographs)
                picture(name, {});
            sound(screen.sequence->sound, {});
        }
        if (screen.throttle) {
            picture(screen.throttle->picture, {});
            sound(screen.throttle->sound, {});
        }
        for (const QString &file : screen.narration)
            sound(file, {});
        for (const AuthorStep &step : screen.steps) {
            for (const QString &file : step.narration)
                sound(file, step.id);
        }
        if (screen.sequence) {
            for (const QString &file : screen.sequence->narration)
                sound(file, {});
        }
        if (photograph.isValid())
            placeTargets(screen, photograph);
    }

    // A target on its photograph as the page shows it: one wholly beside it, or too small to press at the
    // page's scale, leaves the trainee stuck.
    void placeTargets(const AuthorScreen &screen, QSize photograph)
    {
        const QRectF whole(QPointF(0, 0), QSizeF(photograph));
        const Letterbox fit = Letterbox::fit(photograph, LessonPictureSize);
        for (const auto &[target, step, what, pressed] : targets(screen)) {
            const QRectF box(target->box);
            if (box.isEmpty())
                continue; // said with the rules
            const QString size = QStringLiteral("(%1 x %2 px)").arg(photograph.width()).arg(photograph.height());
            if (!box.intersects(whole)) {
                refuse(step, QStringLiteral("%1: lies outside the photograph %2").arg(what, size));
                continue;
            }
            // Past the page's edge it harms nothing; beside a photograph narrower than the page it would
            // take presses on the bars.
            const QRectF page(QPointF(0, 0), QSizeF(LessonPictureSize));
            if (!fit.map(whole).adjusted(-1, -1, 1, 1).contains(fit.map(box).intersected(page)))
                report(Severity::Advice, step, {},
                       QStringLiteral("%1: reaches past the photograph %2; only its part on the photograph takes a press")
                           .arg(what, size));
            const QRectF onPage = fit.map(box.intersected(whole));
            if (onPage.width() < SmallestPressablePixels || onPage.height() < SmallestPressablePixels)
                report(pressed ? Severity::Refused : Severity::Advice, step, {},
                       QStringLiteral("%1: cannot take a press at the page's scale: %2 x %3 page pixels, %4 at least")
                           .arg(what).arg(onPage.width(), 0, 'f', 1).arg(onPage.height(), 0, 'f', 1).arg(SmallestPressablePixels));
        }
    }

    // The file a name leads to inside the course's folder, or "" with the problem said.
    QString resolve(const QString &name, const QString &step)
    {
        if (m_options.filesElsewhere.contains(name))
            return m_options.filesElsewhere.value(name);
        const QString relative = contentRelativePath(name);
        const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
        if (relative.startsWith(u'/') || QDir::isAbsolutePath(name) || parts.contains(QStringLiteral("..")) ||
            parts.contains(QStringLiteral("."))) {
            refuse(step, QStringLiteral("%1: leads out of the course's folder").arg(name));
            return {};
        }
        const QString folder = QDir(m_course.folder).absolutePath();
        QString path = resolveContentPath(name, folder);
        if (path.isEmpty()) {
            // Perhaps there, but out of reach or no regular file: say what it is.
            const QFileInfo there(QDir(folder).filePath(relative));
            const QString kind = specialFileKind(there.filePath());
            const QString real = there.canonicalFilePath();
            if (!kind.isEmpty())
                refuse(step, QStringLiteral("%1: is %2, not a file").arg(name, kind));
            else if (there.exists() && !real.startsWith(QFileInfo(folder).canonicalFilePath() + u'/'))
                refuse(step, QStringLiteral("%1: is a link leading out of the course's folder (to %2)").arg(name, real));
            else if (there.isSymLink())
                refuse(step, QStringLiteral("%1: is a link to %2, which is not there").arg(name, there.symLinkTarget()));
            else
                refuse(step, QStringLiteral("%1: missing (%2)").arg(name, contentLookupDetail(name, folder)));
            return {};
        }
        return path;
    }

    QSize picture(const QString &name, const QString &step)
    {
        if (name.isEmpty())
            return {};
        const auto known = m_pictures.find(contentRelativePath(name).toLower());
        if (known != m_pictures.end())
            return *known;
        QSize size;
        if (const QString path = resolve(name, step); !path.isEmpty()) {
            QImageReader reader(path);
            if (!reader.canRead()) {
                refuse(step, QStringLiteral("%1: is not a picture (%2)").arg(name, reader.errorString()));
            } else if (m_options.decodeFiles) {
                const PictureCheckResult checked = PictureChecks::shared().check(path);
                if (!checked.problem.isEmpty())
                    refuse(step, QStringLiteral("%1: does not decode as a picture: %2").arg(name, checked.problem));
                else
                    size = checked.size;
            } else {
                size = authorPhotographSize(path);
            }
        }
        m_pictures.insert(contentRelativePath(name).toLower(), size);
        return size;
    }

    void sound(const QString &name, const QString &step)
    {
        if (name.isEmpty() || m_sounds.contains(contentRelativePath(name).toLower()))
            return;
        m_sounds.insert(contentRelativePath(name).toLower());
        const QString path = resolve(name, step);
        if (path.isEmpty() || !m_options.decodeFiles || !m_options.soundProblem)
            return;
        if (const QString problem = m_options.soundProblem(path); !problem.isEmpty())
            refuse(step, QStringLiteral("%1: %2").arg(name, problem));
    }

    const AuthorCourse &m_course;
    const AuthorValidationOptions &m_options;
    const QStringList m_tags;
    QString m_screen;
    QList<AuthorProblem> m_problems;
    QHash<QString, QSize> m_pictures; // by name, whatever its case: invalid where it is not one
    QSet<QString> m_sounds;
};
} // namespace

QString AuthorProblem::toString() const
{
    QStringList parts;
    if (!language.isEmpty())
        parts << language;
    if (!screen.isEmpty())
        parts << (step.isEmpty() ? screen : screen + u'/' + step);
    parts << message;
    return parts.join(QStringLiteral(": "));
}

QList<AuthorProblem> validateAuthorCourse(const AuthorCourse &course, const AuthorValidationOptions &options)
{
    return Validation(course, options).run();
}

QSize authorPhotographSize(const QString &path)
{
    return pictureSize(path);
}

} // namespace kelvora
