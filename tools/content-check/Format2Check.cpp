#include "Format2Check.h"

#include "LessonFlow.h"
#include "SoundDecode.h"
#include "course/PageControls.h"
#include "content/ContentPath.h"
#include "content/PictureCheck.h"
#include "content/ExplanationFit.h"
#include "content/Letterbox.h"
#include "course/ControlNames.h"
#include "course/CourseTexts.h"
#include "screens/Look.h"

#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QJsonArray>

#include <functional>

namespace kelvora {

namespace {
QString id(const QJsonValue &object)
{
    return object.toObject().value(QStringLiteral("id")).toString();
}

QJsonArray list(const QJsonObject &object, const char *field)
{
    return object.value(QLatin1String(field)).toArray();
}

QString text(const QJsonObject &object, const char *field)
{
    return object.value(QLatin1String(field)).toString();
}

// Names are matched without regard to case or the slashes' direction.
QString fileKey(const QString &name)
{
    return contentRelativePath(name).toLower();
}

// {"rectangle": [x, y, w, h]}, {"oval": [x, y, w, h]} or {"circle": [cx, cy, r]}; null when it is none.
QRectF targetRect(const QJsonValue &target)
{
    const QJsonObject object = target.toObject();
    if (object.size() != 1)
        return {};
    const QJsonArray n = object.begin().value().toArray();
    const QString shape = object.begin().key();
    if ((shape == QLatin1String("rectangle") || shape == QLatin1String("oval")) && n.size() == 4)
        return {n[0].toDouble(), n[1].toDouble(), n[2].toDouble(), n[3].toDouble()};
    if (shape == QLatin1String("circle") && n.size() == 3)
        return {n[0].toDouble() - n[2].toDouble(), n[1].toDouble() - n[2].toDouble(), 2 * n[2].toDouble(), 2 * n[2].toDouble()};
    return {};
}

// "missing" for a screen's or step's text, "title: missing", "throttle/half: missing" for the others.
QString textMessage(const CourseText &text, const QString &what)
{
    const QString part = text.step.isEmpty() ? text.context.section(u'/', 1) : QString();
    const QString own = text.screen.isEmpty() ? text.context : part;
    return own.isEmpty() ? what : QStringLiteral("%1: %2").arg(own, what);
}
} // namespace

Format2Check::Format2Check(QJsonObject course, QString folder, const Course *compiled)
    : m_course(std::move(course)), m_folder(std::move(folder)), m_compiled(compiled), m_tags(courseLanguageTags(m_course))
{
}

QList<CourseFinding> Format2Check::run()
{
    m_findings.clear();
    m_checkedFiles.clear();
    m_pictureSizes.clear();
    checkIds();
    checkTexts();
    checkCaptions();
    const QJsonArray screens = list(m_course, "screens");
    for (qsizetype i = 0; i < screens.size(); ++i) {
        checkScreenFiles(screens[i].toObject(), id(screens[i]));
        if (m_compiled)
            checkTargets(screens[i].toObject(), m_compiled->screens[size_t(i)].layout);
    }
    if (m_compiled)
        checkFlow();
    return m_findings;
}

void Format2Check::checkIds()
{
    // A screen or a step named like the translators' other contexts would make two texts one.
    auto clash = [this](const QString &screen, const QString &step, const QString &owner) {
        report(screen, step, {}, QStringLiteral("the id %1 is %2's in translation files: choose another")
                                     .arg(step.isEmpty() ? screen : step, owner));
    };
    // Calls found with each id that an earlier one repeats.
    auto twice = [](const QStringList &ids, const std::function<void(const QString &)> &found) {
        QSet<QString> seen;
        for (const QString &one : ids) {
            if (!one.isEmpty() && seen.contains(one))
                found(one);
            seen.insert(one);
        }
    };
    QStringList screens;
    for (const QJsonValue &screen : list(m_course, "screens")) {
        const QString screenId = id(screen);
        screens << screenId;
        if (screenId == QLatin1String("title"))
            clash(screenId, {}, QStringLiteral("the course title"));
        QStringList steps;
        for (const QJsonValue &step : list(screen.toObject(), "steps")) {
            steps << id(step);
            if (id(step) == QLatin1String("title") || id(step) == QLatin1String("sequence"))
                clash(screenId, id(step), QStringLiteral("the screen's %1").arg(id(step)));
        }
        for (const QJsonValue &group : list(screen.toObject(), "pointAt"))
            steps << id(group);
        twice(steps, [&](const QString &step) {
            report(screenId, step, {}, QStringLiteral("two steps or point-at groups have the id %1").arg(step));
        });
    }
    twice(screens, [&](const QString &screen) {
        report(screen, {}, {}, QStringLiteral("two screens have the id %1").arg(screen));
    });
    QStringList lowerTags;
    for (const QString &tag : m_tags)
        lowerTags << tag.toLower();
    twice(lowerTags, [&](const QString &tag) {
        report({}, {}, tag, QStringLiteral("two languages have this tag"));
    });
}

void Format2Check::checkTexts()
{
    const QFont font = explanationFont();
    const bool rightFont = QFontInfo(font).family() == font.family();
    if (!rightFont)
        report({}, {}, {}, QStringLiteral("text widths not checked: the font %1 is not installed").arg(font.family()));
    QHash<QString, QSize> labels; // by screen id
    if (m_compiled) {
        const QJsonArray screens = list(m_course, "screens");
        for (qsizetype i = 0; i < screens.size(); ++i)
            labels.insert(id(screens[i]), PageControls(m_compiled->screens[size_t(i)].layout).explanation.size());
    }
    for (const CourseText &text : courseTexts(m_course)) {
        for (const QString &tag : m_tags) {
            const QString shown = text.texts.value(tag).toString();
            if (shown.trimmed().isEmpty()) {
                report(text.screen, text.step, tag, textMessage(text, QStringLiteral("missing")));
                continue;
            }
            if (!text.explanation || !rightFont || !labels.contains(text.screen))
                continue;
            const QSize label = labels.value(text.screen);
            if (shown.size() > LongestTextLaidOut || !fitsLabel(shown, font, label.width(), label.height())) {
                const WrappedText wrapped = wrapText(shown.left(LongestTextLaidOut), font, label.width());
                report(text.screen, text.step, tag,
                       textMessage(text, QStringLiteral("does not fit the explanation label (%1 x %2 px): %3 row(s), widest %4 px")
                                             .arg(label.width()).arg(label.height()).arg(wrapped.rows).arg(wrapped.widestRow)));
            }
        }
    }
}

// The continue caption stands on one row of the continue label; the start screen and the buttons
// leave their captions room.
void Format2Check::checkCaptions()
{
    const QFontMetrics metrics(captionFont());
    const int width = LessonLayout().continueLabel.width();
    for (const QJsonValue &language : list(m_course, "languages")) {
        const QString caption = text(language.toObject().value(QStringLiteral("captions")).toObject(), "continue");
        const int wide = metrics.horizontalAdvance(caption);
        if (wide > width)
            report({}, {}, text(language.toObject(), "tag"),
                   QStringLiteral("captions: continue: does not fit the Continue label (%1 px wide): %2 px").arg(width).arg(wide));
    }
}

void Format2Check::checkScreenFiles(const QJsonObject &screen, const QString &screenId)
{
    checkPicture(text(screen, "photograph"), screenId, {});
    checkPicture(text(screen.value(QStringLiteral("inset")).toObject(), "picture"), screenId, {});
    checkSound(text(screen, "loop"), screenId, {});
    for (const QJsonValue &stepValue : list(screen, "steps")) {
        const QJsonObject step = stepValue.toObject();
        checkSound(text(step, "sound"), screenId, id(step));
        checkPicture(text(step, "photograph"), screenId, id(step));
        for (const QJsonValue &photograph : list(step, "photographs"))
            checkPicture(photograph.toString(), screenId, id(step));
    }
    const QJsonObject sequence = screen.value(QStringLiteral("sequence")).toObject();
    for (const QJsonValue &photograph : list(sequence, "photographs"))
        checkPicture(photograph.toString(), screenId, {});
    checkSound(text(sequence, "sound"), screenId, {});
    const QJsonObject throttle = screen.value(QStringLiteral("throttle")).toObject();
    checkPicture(text(throttle, "picture"), screenId, {});
    checkSound(text(throttle, "sound"), screenId, {});
}

// Step n of a screen is taken while the compiled screen's blink timer n runs.
void Format2Check::checkFlow()
{
    const QJsonArray screens = list(m_course, "screens");
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const LessonFlow flow(m_compiled->screens[size_t(i)]);
        const QJsonArray steps = list(screens[i].toObject(), "steps");
        for (qsizetype n = 1; n <= steps.size(); ++n) {
            if (!flow.canEnable(names::BlinkTimerPrefix + QString::number(n)))
                report(id(screens[i]), id(steps[n - 1]), {}, QStringLiteral("can never become active"));
        }
        if (!flow.throttleCanBeActive())
            report(id(screens[i]), {}, {}, QStringLiteral("throttle: can never become active"));
        if (!flow.leadsOn())
            report(id(screens[i]), {}, {}, QStringLiteral("can never lead on"));
    }
}

// The controls take the presses made on them, so a target to press must lie clear of
// them; a look-only target may be drawn over them. A target may reach past its
// photograph's edge round a control at the edge, but what it points at, its
// middle, lies on the photograph.
void Format2Check::checkTargets(const QJsonObject &screen, const LessonLayout &layout)
{
    const QSize size = m_pictureSizes.value(fileKey(text(screen, "photograph")));
    if (size.isEmpty())
        return; // reported with the files
    const QString screenId = id(screen);
    const auto controls = PageControls(layout).list(screen.value(QStringLiteral("inset")).isObject());
    const QList<std::pair<QString, QRect>> none;
    for (const QJsonValue &step : list(screen, "steps"))
        checkTarget(step.toObject().value(QStringLiteral("target")), size, controls, screenId, id(step), QStringLiteral("target"));
    const QJsonObject throttle = screen.value(QStringLiteral("throttle")).toObject();
    if (throttle.contains(QStringLiteral("lift")))
        checkTarget(throttle.value(QStringLiteral("lift")), size, controls, screenId, {}, QStringLiteral("throttle: lift target"));
    for (const QJsonValue &group : list(screen, "pointAt")) {
        for (const QJsonValue &target : list(group.toObject(), "targets"))
            checkTarget(target, size, none, screenId, id(group), QStringLiteral("target"));
    }
    const QJsonObject sequence = screen.value(QStringLiteral("sequence")).toObject();
    if (sequence.contains(QStringLiteral("watch")))
        checkTarget(sequence.value(QStringLiteral("watch")), size, none, screenId, {}, QStringLiteral("sequence: watch target"));
}

void Format2Check::checkTarget(const QJsonValue &target, QSize photograph, const QList<std::pair<QString, QRect>> &controls,
                               const QString &screenId, const QString &step, const QString &what)
{
    const QRectF rect = targetRect(target);
    if (rect.isEmpty())
        return; // the course's reader says what is wrong with its shape
    if (!QRectF(QPointF(0, 0), QSizeF(photograph)).contains(rect.center())) {
        report(screenId, step, {}, QStringLiteral("%1: its middle lies outside the photograph (%2 x %3 px)")
                                       .arg(what).arg(photograph.width()).arg(photograph.height()));
    }
    const QRectF onPage = Letterbox::fit(photograph, LessonPictureSize).map(rect);
    QStringList under;
    for (const auto &[name, control] : controls) {
        if (onPage.intersects(control))
            under << name;
    }
    if (!under.isEmpty())
        report(screenId, step, {}, QStringLiteral("%1 lies under the trainer's %2").arg(what, under.join(QStringLiteral(" and "))));
}

QString Format2Check::resolve(const QString &name, const QString &screenId, const QString &step)
{
    if (name.isEmpty() || m_checkedFiles.contains(fileKey(name)))
        return {};
    m_checkedFiles.insert(fileKey(name));
    const QString path = m_elsewhere.contains(name) ? m_elsewhere.value(name) : resolveContentPath(name, m_folder);
    if (path.isEmpty())
        report(screenId, step, {}, QStringLiteral("%1: missing (looked for it in %2, in any letter case)")
                                       .arg(name, QDir(m_folder).absolutePath()));
    return path;
}

void Format2Check::checkPicture(const QString &name, const QString &screenId, const QString &step)
{
    const QString path = resolve(name, screenId, step);
    if (path.isEmpty())
        return;
    const PictureCheckResult checked = PictureChecks::shared().check(path);
    if (!checked.problem.isEmpty())
        report(screenId, step, {}, QStringLiteral("%1: does not decode as a picture: %2").arg(name, checked.problem));
    m_pictureSizes.insert(fileKey(name), checked.size);
}

void Format2Check::checkSound(const QString &name, const QString &screenId, const QString &step)
{
    const QString path = resolve(name, screenId, step);
    const QString problem = path.isEmpty() ? QString() : soundProblem(path);
    if (!problem.isEmpty())
        report(screenId, step, {}, QStringLiteral("%1: %2").arg(name, problem));
}

void Format2Check::report(const QString &screen, const QString &step, const QString &language, const QString &message)
{
    m_findings.append({screen, step, language, message});
}

} // namespace kelvora
