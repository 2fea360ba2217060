#include "Format2Check.h"

#include "SoundDecode.h"
#include "TrainerControls.h"
#include "content/ContentPath.h"
#include "content/ContentPicture.h"
#include "content/ExplanationFit.h"
#include "content/Letterbox.h"
#include "course/CourseTexts.h"
#include "screens/Look.h"

#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QJsonArray>

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

// Texts the explanation label shows; titles are captions of the window and the records.
bool shownInLabel(const CourseText &text)
{
    return text.context != QLatin1String("title") && (!text.step.isEmpty() || text.context != text.screen + QLatin1String("/title"));
}

// "missing" for a screen's or step's text, "title: missing" for the others.
QString textMessage(const CourseText &text, const QString &what)
{
    const QString part = text.step.isEmpty() ? text.context.section(u'/', 1) : QString();
    const QString own = text.screen.isEmpty() ? text.context : part;
    return own.isEmpty() ? what : QStringLiteral("%1: %2").arg(own, what);
}
} // namespace

Format2Check::Format2Check(QJsonObject course, QString folder)
    : m_course(std::move(course)), m_folder(std::move(folder)), m_tags(courseLanguageTags(m_course))
{
}

QList<CourseFinding> Format2Check::run()
{
    m_findings.clear();
    m_checkedFiles.clear();
    checkIds();
    checkTexts();
    checkCaptions();
    for (const QJsonValue &screen : list(m_course, "screens")) {
        checkScreenFiles(screen.toObject(), id(screen));
        checkTargets(screen.toObject(), id(screen));
    }
    return m_findings;
}

void Format2Check::checkIds()
{
    // A screen or a step named like the translators' other contexts would make two texts one.
    auto clash = [this](const QString &screen, const QString &step, const QString &owner) {
        report(screen, step, {}, QStringLiteral("the id %1 is %2's in translation files: choose another")
                                     .arg(step.isEmpty() ? screen : step, owner));
    };
    auto twice = [this](const QStringList &ids, const QString &what, const QString &screen, bool steps) {
        QSet<QString> seen;
        for (const QString &one : ids) {
            if (!one.isEmpty() && seen.contains(one))
                report(screen, steps ? one : QString(), {}, QStringLiteral("two %1 have the id %2").arg(what, one));
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
        twice(steps, QStringLiteral("steps or point-at groups"), screenId, true);
    }
    twice(screens, QStringLiteral("screens"), {}, false);
    QStringList lowerTags;
    for (const QString &tag : m_tags)
        lowerTags << tag.toLower();
    twice(lowerTags, QStringLiteral("languages"), {}, false);
}

void Format2Check::checkTexts()
{
    const QFont font = explanationFont();
    const bool rightFont = QFontInfo(font).family() == font.family();
    if (!rightFont)
        report({}, {}, {}, QStringLiteral("text widths not checked: the font %1 is not installed").arg(font.family()));
    const PageControls controls;
    for (const CourseText &text : courseTexts(m_course)) {
        for (const QString &tag : m_tags) {
            const QString shown = text.texts.value(tag).toString();
            if (shown.trimmed().isEmpty()) {
                report(text.screen, text.step, tag, textMessage(text, QStringLiteral("missing")));
                continue;
            }
            if (!shownInLabel(text) || !rightFont)
                continue;
            const QSize label = controls.explanation.size();
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
    const int width = PageControls().layout.continueLabel.width();
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
}

void Format2Check::checkTargets(const QJsonObject &screen, const QString &screenId)
{
    const QSize size = m_pictureSizes.value(fileKey(text(screen, "photograph")));
    if (size.isEmpty())
        return; // reported with the files
    // The side of the inset ("" without one).
    const QJsonValue insetNode = screen.value(QStringLiteral("inset"));
    const QString inset = insetNode.isObject() ? insetNode[QStringLiteral("place")].toString(QStringLiteral("left")) : QString();
    for (const QJsonValue &step : list(screen, "steps"))
        checkTarget(step.toObject().value(QStringLiteral("target")), size, inset, screenId, id(step), QStringLiteral("target"));
    for (const QJsonValue &group : list(screen, "pointAt")) {
        for (const QJsonValue &target : list(group.toObject(), "targets"))
            checkTarget(target, size, inset, screenId, id(group), QStringLiteral("target"));
    }
    const QJsonObject sequence = screen.value(QStringLiteral("sequence")).toObject();
    if (sequence.contains(QStringLiteral("watch")))
        checkTarget(sequence.value(QStringLiteral("watch")), size, inset, screenId, {}, QStringLiteral("sequence: watch target"));
}

void Format2Check::checkTarget(const QJsonValue &target, QSize photograph, const QString &insetPlace, const QString &screenId,
                               const QString &step, const QString &what)
{
    const QRectF rect = targetRect(target);
    if (rect.isEmpty())
        return; // the course's reader says what is wrong with its shape
    if (!QRectF(QPointF(0, 0), photograph).contains(rect)) {
        report(screenId, step, {}, QStringLiteral("%1 reaches outside the photograph (%2 x %3 px)")
                                       .arg(what).arg(photograph.width()).arg(photograph.height()));
    }
    const QRectF onPage = Letterbox::fit(photograph, PageSize).map(rect);
    QStringList under;
    for (const auto &[name, control] : PageControls(insetPlace).list(!insetPlace.isEmpty())) {
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
    const QString path = resolveContentPath(name, m_folder);
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
    QString problem;
    const QImage image = readCompletePicture(path, problem);
    if (image.isNull())
        report(screenId, step, {}, QStringLiteral("%1: does not decode as a picture: %2").arg(name, problem));
    m_pictureSizes.insert(fileKey(name), image.size());
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
