#include "CourseLoader.h"

#include "ControlNames.h"
#include "CourseNode.h"
#include "author/AuthorCompiler.h"
#include "author/AuthorReader.h"
#include "LanguageCaptions.h"
#include "NumberedPhotographs.h"
#include "ScreenNames.h"

#include "content/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <map>

namespace kelvora {

namespace {
constexpr size_t MaxLanguages = 3;
const QStringList Kinds{"timedSequence", "throttleQuadrant", "pressCounter", "runEnding"};

QString namedPlace(const char *what, const QJsonObject &object, int i)
{
    const QString name = object.value(QStringLiteral("name")).toString();
    return name.isEmpty() ? QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(i + 1)
                          : QStringLiteral("%1 %2").arg(QLatin1String(what), name);
}

// The optional tag that names the language in records, as xAPI asks: "en", "pt-BR".
QString languageTag(const CourseNode &node)
{
    const QString tag = node.text("tag");
    if (node.has("tag") && !isLanguageTag(tag))
        node.fail("tag", QStringLiteral("is not a language tag such as \"en\" or \"pt-BR\""));
    return tag;
}

// This format's captions follow the language's tag where the trainer has words for it (English for a tag it
// has none for), else its place: Turkish, English, French. The start screen's own lines are the same in every
// language.
LanguageCaptions formatOneCaptions(const QString &tag, int place)
{
    static const char *const tags[MaxLanguages] = {"tr", "en", "fr"};
    const LanguageCaptions &english = *defaultCaptions(QStringLiteral("en"));
    const LanguageCaptions *byTag = tag.isEmpty() ? defaultCaptions(QLatin1String(tags[std::min(size_t(place), MaxLanguages - 1)]))
                                                  : defaultCaptions(tag);
    LanguageCaptions captions = byTag ? *byTag : english;
    captions.currentLanguage = english.currentLanguage;
    captions.credit = english.credit;
    return captions;
}

MarkKind markKind(const CourseNode &node)
{
    static const std::map<QString, MarkKind> kinds{
        {"circle", MarkKind::Circle}, {"oval", MarkKind::Oval}, {"roundedSquare", MarkKind::RoundedSquare}};
    const auto found = kinds.find(node.text("kind", QStringLiteral("circle")));
    if (found == kinds.end())
        node.fail("kind", QStringLiteral("is not circle, oval or roundedSquare"));
    return found->second;
}

QColor colour(const CourseNode &node)
{
    if (!node.has("colour"))
        return MarkYellow;
    const QColor c = QColor::fromString(node.text("colour"));
    if (!c.isValid())
        node.fail("colour", QStringLiteral("is not a colour such as \"#FFFF00\""));
    return c;
}


// "show Shape2", "start Timer2", "photograph images\017.jpg", "line" ...
Actions actions(const CourseNode &node, const char *field, const ScreenNames &names)
{
    using Verb = ScreenAction::Verb;
    static const std::map<QString, Verb> verbs{
        {"show", Verb::Show},   {"hide", Verb::Hide},   {"start", Verb::Start},
        {"stop", Verb::Stop},   {"photograph", Verb::Photograph}, {"inset", Verb::Inset},
        {"line", Verb::Line},   {"sound", Verb::Sound}, {"loop", Verb::Loop},
        {"cue", Verb::Cue},
    };
    Actions result;
    for (const QString &text : node.texts(field)) {
        const QString verbText = text.section(QLatin1Char(' '), 0, 0);
        const QString argument = text.section(QLatin1Char(' '), 1).trimmed();
        const auto found = verbs.find(verbText);
        if (found == verbs.end())
            node.fail(field, QStringLiteral("\"%1\" is no action (show, hide, start, stop, photograph, inset, line, "
                                            "sound, loop, cue)").arg(text));
        const Verb verb = found->second;
        if ((verb == Verb::Line) != argument.isEmpty())
            node.fail(field, QStringLiteral("\"%1\": %2").arg(text, verb == Verb::Line ? QStringLiteral("line takes nothing")
                                                                                      : QStringLiteral("names nothing")));
        if (verb == Verb::Show || verb == Verb::Hide)
            names.checkControl(argument, node, field);
        if (verb == Verb::Start || verb == Verb::Stop)
            names.checkTimer(argument, node, field);
        result.push_back({verb, argument});
    }
    return result;
}

class CourseReader {
public:
    explicit CourseReader(QString file) : m_file(std::move(file)) {}

    // The first format: the lesson design written down.
    static Course load(const QJsonObject &json, const QString &file) { return CourseReader(file).readDesign(json); }

private:
    // The first format: the lesson design written down.
    Course readDesign(const QJsonObject &json)
    {
        const CourseNode root(m_file, json, {});
        root.allow({"format", "title", "languages", "screens"});
        Course course;
        course.file = m_file;
        course.folder = QFileInfo(m_file).absolutePath();
        course.title = root.requiredText("title");
        for (const CourseNode &language : root.objects("languages", [](const QJsonObject &o, int i) {
                 return namedPlace("language", o, i);
             })) {
            language.allow({"name", "startCaption", "file", "tag"});
            const QString tag = languageTag(language);
            course.languages.push_back({language.requiredText("name"), language.requiredText("file"), tag,
                                        formatOneCaptions(tag, int(course.languages.size()))});
            course.languages.back().captions.start = language.requiredText("startCaption");
        }
        if (course.languages.empty() || course.languages.size() > MaxLanguages)
            root.fail("languages", QStringLiteral("must name one to three languages: the start screen offers three"));

        const QList<CourseNode> screens =
            root.objects("screens", [](const QJsonObject &, int i) { return QStringLiteral("screen %1").arg(i + 1); });
        if (screens.isEmpty())
            root.fail("screens", QStringLiteral("holds no screen"));
        for (const CourseNode &screen : screens) {
            course.screens.push_back(readScreen(screen, int(course.screens.size()) + 1));
            course.screens.back().caption =
                QStringLiteral("%1 - %2 / %3").arg(course.title).arg(course.screens.size()).arg(screens.size());
        }
        return course;
    }

    LessonDesign readScreen(const CourseNode &node, int number)
    {
        node.allow({"name", "inset", "photograph", "layout", "marks", "timers", "steps", "engineLoop", "atLoad", "kinds"});
        LessonDesign design;
        design.screen = number;
        design.name = node.text("name");
        design.inset = node.requiredText("inset");
        design.firstPhotograph = node.requiredText("photograph");
        design.layout = readLayout(node.object("layout"));
        design.engineLoop = node.flag("engineLoop", false);

        ScreenNames names(node);
        for (const CourseNode &mark : node.objects("marks", [](const QJsonObject &o, int i) { return namedPlace("mark", o, i); })) {
            mark.allow({"name", "index", "rect", "kind", "colour", "visible"});
            MarkDesign m;
            m.name = mark.requiredText("name");
            m.index = mark.number("index", -1);
            m.rect = mark.requiredRect("rect");
            m.kind = markKind(mark);
            m.border = colour(mark);
            m.visible = mark.flag("visible", false);
            names.addMark(m.name, m.index, mark);
            design.marks.push_back(m);
        }
        const QList<CourseNode> timers =
            node.objects("timers", [](const QJsonObject &o, int i) { return namedPlace("timer", o, i); });
        for (const CourseNode &timer : timers) {
            timer.allow({"name", "running", "blinks"});
            BlinkTimerDesign t{timer.requiredText("name"), timer.flag("running", false), timer.texts("blinks")};
            names.addTimer(t.name, timer);
            design.blinkTimers.push_back(t);
        }

        // The kinds add controls the steps and actions may name, so they come first.
        const QList<CourseNode> kinds = node.objects("kinds", [](const QJsonObject &o, int i) {
            const QString kind = o.value(QStringLiteral("kind")).toString();
            return kind.isEmpty() ? QStringLiteral("kind %1").arg(i + 1) : QStringLiteral("kind %1").arg(kind);
        });
        for (const CourseNode &kind : kinds)
            declareKind(kind, names);

        for (int i = 0; i < timers.size(); ++i) {
            const BlinkTimerDesign &t = design.blinkTimers[size_t(i)];
            if (t.blinks.isEmpty() && !names::isNumberedBlinkTimer(t.name))
                timers[i].fail("blinks", QStringLiteral("is missing: the name %1 does not say the mark").arg(t.name));
            const QStringList blinked = t.blinks.isEmpty() ? QStringList{names::markOfBlinkTimer(t.name)} : t.blinks;
            for (const QString &mark : blinked)
                names.checkMark(mark, timers[i], "blinks");
        }

        for (const CourseNode &step : node.objects("steps", [](const QJsonObject &, int i) {
                 return QStringLiteral("step %1").arg(i + 1);
             })) {
            step.allow({"activeWhile", "mark", "cue", "photograph", "followUp", "nextLine"});
            StepDesign s;
            s.activeWhile = step.requiredText("activeWhile");
            names.checkTimer(s.activeWhile, step, "activeWhile");
            s.mark = step.requiredText("mark");
            names.checkMark(s.mark, step, "mark");
            s.cue = step.text("cue");
            s.photograph = step.text("photograph");
            s.followUp = actions(step, "followUp", names);
            s.nextLine = step.flag("nextLine", false);
            design.steps.push_back(s);
        }
        design.atLoad = actions(node, "atLoad", names);
        for (const CourseNode &kind : kinds)
            readKind(kind, names, design);
        return design;
    }

    static LessonLayout readLayout(const CourseNode &node)
    {
        node.allow({"explain", "explainHeight", "inset", "continueMarkShown", "continueLabelShown", "continueBlinking",
                    "blinkInterval", "continueMark", "continueLabel", "exitLeft", "readMore", "continueLabelInFront",
                    "exitRequests"});
        LessonLayout l;
        l.explain = node.point("explain", l.explain);
        l.explainHeight = node.number("explainHeight", l.explainHeight);
        l.inset = node.point("inset", l.inset);
        l.continueMarkShown = node.flag("continueMarkShown", l.continueMarkShown);
        l.continueLabelShown = node.flag("continueLabelShown", l.continueLabelShown);
        l.continueBlinking = node.flag("continueBlinking", l.continueBlinking);
        l.blinkInterval = node.number("blinkInterval", l.blinkInterval);
        l.continueMark = node.rect("continueMark", l.continueMark);
        l.continueLabel = node.rect("continueLabel", l.continueLabel);
        l.exitLeft = node.number("exitLeft", l.exitLeft);
        l.readMore = node.point("readMore", l.readMore);
        l.continueLabelInFront = node.flag("continueLabelInFront", l.continueLabelInFront);
        l.exitRequests = node.number("exitRequests", l.exitRequests);
        if (l.explainHeight <= 0)
            node.fail("explainHeight", QStringLiteral("must be greater than 0"));
        if (l.blinkInterval <= 0)
            node.fail("blinkInterval", QStringLiteral("must be greater than 0"));
        if (l.exitRequests != 1 && l.exitRequests != 2)
            node.fail("exitRequests", QStringLiteral("must be 1 or 2"));
        return l;
    }

    static void declareKind(const CourseNode &kind, ScreenNames &names)
    {
        const QString name = kind.requiredText("kind");
        if (!Kinds.contains(name))
            kind.fail("kind", QStringLiteral("\"%1\" is no kind (%2)").arg(name, Kinds.join(QStringLiteral(", "))));
        names.addKind(name, kind);
    }

    void readKind(const CourseNode &kind, const ScreenNames &names, LessonDesign &design)
    {
        const QString name = kind.requiredText("kind");
        auto once = [&](bool taken) {
            if (taken)
                kind.fail(QStringLiteral("the screen has this kind twice"));
        };
        if (name == QLatin1String("timedSequence")) {
            once(design.timedSequence.has_value());
            kind.allow({"kind", "periodMs", "lastTick", "photographOffset", "view", "finish"});
            design.timedSequence = TimedSequenceDesign{kind.positiveNumber("periodMs"), kind.positiveNumber("lastTick"),
                                                       kind.requiredNumber("photographOffset"),
                                                       actions(kind, "view", names), actions(kind, "finish", names)};
            const qint64 offset = design.timedSequence->photographOffset;
            checkNumberedPhotographs(kind, "lastTick", offset + 1, offset + design.timedSequence->lastTick - 1);
        } else if (name == QLatin1String("throttleQuadrant")) {
            once(design.throttleQuadrant.has_value());
            kind.allow({"kind", "rect", "picture", "halfCaptions", "idleCaptions", "pullTimer", "liftMark", "liftTimer",
                        "liftClick", "pushTimer", "atIdle"});
            ThrottleQuadrantDesign q;
            q.rect = kind.requiredRect("rect");
            q.picture = kind.requiredText("picture");
            q.halfCaptions = kind.texts("halfCaptions");
            q.idleCaptions = kind.texts("idleCaptions");
            q.pullTimer = timerField(kind, "pullTimer", names);
            q.liftMark = kind.requiredText("liftMark");
            names.checkMark(q.liftMark, kind, "liftMark");
            q.liftTimer = timerField(kind, "liftTimer", names);
            q.liftClick = kind.requiredText("liftClick");
            q.pushTimer = timerField(kind, "pushTimer", names);
            q.atIdle = actions(kind, "atIdle", names);
            design.throttleQuadrant = q;
        } else if (name == QLatin1String("pressCounter")) {
            once(design.pressCounter.has_value());
            kind.allow({"kind", "timer", "mark", "presses", "click", "photographOffset", "done"});
            PressCounterDesign c;
            c.timer = timerField(kind, "timer", names);
            c.mark = kind.requiredText("mark");
            names.checkMark(c.mark, kind, "mark");
            c.presses = kind.positiveNumber("presses");
            c.click = kind.requiredText("click");
            c.photographOffset = kind.requiredNumber("photographOffset");
            checkNumberedPhotographs(kind, "presses", qint64(c.photographOffset) + 1, qint64(c.photographOffset) + c.presses);
            c.done = actions(kind, "done", names);
            design.pressCounter = c;
        } else {
            once(design.runEnding.has_value());
            kind.allow({"kind", "cue"});
            design.runEnding = RunEndingDesign{kind.requiredText("cue")};
        }
    }

    static QString timerField(const CourseNode &node, const char *field, const ScreenNames &names)
    {
        const QString timer = node.requiredText(field);
        names.checkTimer(timer, node, field);
        return timer;
    }

    QString m_file;
};
} // namespace

namespace {
// The formats, by "format"; a file without the field is of the first. Only the author's format has a
// course of the author's to read.
struct CourseFormat {
    Course (*load)(const QJsonObject &, const QString &file);
    AuthorCourse (*readAuthor)(const QJsonObject &, const QString &file);
};
const std::map<int, CourseFormat> Formats{{1, {CourseReader::load, nullptr}},
                                          {2, {loadAuthorCourse, readAuthorCourse}}};

QJsonObject readCourseJson(const QString &file)
{
    QString readError;
    const std::optional<QByteArray> bytes = readRegularFile(file, MaxCourseFileBytes, &readError);
    if (!bytes)
        failCourse(file, {}, readError);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (document.isNull())
        failCourse(file, QStringLiteral("at byte %1").arg(error.offset), error.errorString());
    if (!document.isObject())
        failCourse(file, {}, QStringLiteral("is not a JSON object"));
    return document.object();
}

const CourseFormat &formatOf(const QJsonObject &json, const QString &file)
{
    const CourseNode root(file, json, {});
    const auto format = Formats.find(root.number("format", 1));
    if (format == Formats.end())
        root.fail("format", QStringLiteral("is not 2 (or 1, the format without the field)"));
    return format->second;
}
} // namespace

Course loadCourse(const QString &file)
{
    const QJsonObject json = readCourseJson(file);
    return formatOf(json, file).load(json, file);
}

std::shared_ptr<AuthorCourse> readAuthorsCourse(const QString &file)
{
    const QJsonObject json = readCourseJson(file);
    const CourseFormat &format = formatOf(json, file);
    return format.readAuthor ? std::make_shared<AuthorCourse>(format.readAuthor(json, file)) : nullptr;
}

} // namespace kelvora
