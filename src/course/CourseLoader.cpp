#include "CourseLoader.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>

namespace kelvora {

namespace {
const QRect Window{0, 0, 1024, 768};

// The controls every lesson screen has, and those the kinds add.
const QStringList TemplateControls{"Explain", "Picture1", "Command1", "Command2", "Command3", "LabelDVM"};
const QStringList QuadrantControls{"Picture2", "Line1", "shpthr", "LabelTHRTL"};
const QStringList QuadrantMarks{"Shape1", "Shape3"};
const QStringList SequenceTimers{"Timerkokpitbekle", "TimerDVMBekle"};

[[noreturn]] void fail(const QString &file, const QString &place, const QString &reason)
{
    throw RuntimeError(RuntimeError::Kind::BadCourse, file, place.isEmpty() ? reason : place + QStringLiteral(": ") + reason);
}

// A JSON object with the place in the file where it stands, for messages.
class Node {
public:
    Node(const QString &file, QJsonObject object, QString place)
        : m_file(file), m_object(std::move(object)), m_place(std::move(place))
    {
    }

    const QString &place() const { return m_place; }
    [[noreturn]] void fail(const QString &reason) const { kelvora::fail(m_file, m_place, reason); }
    [[noreturn]] void fail(const char *field, const QString &reason) const
    {
        kelvora::fail(m_file, fieldPlace(field), reason);
    }
    QString fieldPlace(const char *field) const
    {
        return (m_place.isEmpty() ? QString() : m_place + QStringLiteral(", ")) + QStringLiteral("field ") +
               QLatin1String(field);
    }

    // Fields an author misspells would otherwise be silently ignored.
    void allow(std::initializer_list<const char *> fields) const
    {
        for (const QString &key : m_object.keys()) {
            if (std::none_of(fields.begin(), fields.end(), [&](const char *f) { return key == QLatin1String(f); }))
                kelvora::fail(m_file, m_place, QStringLiteral("unknown field \"%1\"").arg(key));
        }
    }

    bool has(const char *field) const { return m_object.contains(QLatin1String(field)); }

    QJsonValue value(const char *field) const { return m_object.value(QLatin1String(field)); }

    QString text(const char *field, const QString &fallback = {}) const
    {
        if (!has(field))
            return fallback;
        if (!value(field).isString() || value(field).toString().isEmpty())
            fail(field, QStringLiteral("is not a text"));
        return value(field).toString();
    }
    QString requiredText(const char *field) const
    {
        require(field);
        return text(field);
    }
    int number(const char *field, int fallback) const
    {
        if (!has(field))
            return fallback;
        const QJsonValue v = value(field);
        if (!v.isDouble() || v.toDouble() != double(v.toInt()))
            fail(field, QStringLiteral("is not a whole number"));
        return v.toInt();
    }
    int requiredNumber(const char *field) const
    {
        require(field);
        return number(field, 0);
    }
    int positiveNumber(const char *field) const
    {
        const int n = requiredNumber(field);
        if (n <= 0)
            fail(field, QStringLiteral("must be greater than 0"));
        return n;
    }
    bool flag(const char *field, bool fallback) const
    {
        if (!has(field))
            return fallback;
        if (!value(field).isBool())
            fail(field, QStringLiteral("is not true or false"));
        return value(field).toBool();
    }
    QList<int> numbers(const char *field, int count) const
    {
        const QJsonArray array = value(field).toArray();
        QList<int> result;
        for (const QJsonValue &v : array) {
            if (v.isDouble() && v.toDouble() == double(v.toInt()))
                result << v.toInt();
        }
        if (!value(field).isArray() || result.size() != count || array.size() != count)
            fail(field, QStringLiteral("is not a list of %1 whole numbers").arg(count));
        return result;
    }
    QPoint point(const char *field, QPoint fallback) const
    {
        if (!has(field))
            return fallback;
        const QList<int> n = numbers(field, 2);
        return {n[0], n[1]};
    }
    // [left, top, width, height], at least partly inside the window.
    QRect rect(const char *field, QRect fallback) const
    {
        if (!has(field))
            return fallback;
        const QList<int> n = numbers(field, 4);
        const QRect r(n[0], n[1], n[2], n[3]);
        if (r.width() <= 0 || r.height() <= 0)
            fail(field, QStringLiteral("has no area"));
        if (!Window.intersects(r))
            fail(field, QStringLiteral("lies outside the 1024 x 768 window"));
        return r;
    }
    QRect requiredRect(const char *field) const
    {
        require(field);
        return rect(field, {});
    }
    QStringList texts(const char *field) const
    {
        if (!has(field))
            return {};
        QStringList result;
        for (const QJsonValue &v : value(field).toArray()) {
            if (!v.isString())
                fail(field, QStringLiteral("is not a list of texts"));
            result << v.toString();
        }
        if (!value(field).isArray())
            fail(field, QStringLiteral("is not a list of texts"));
        return result;
    }
    QList<Node> objects(const char *field, const std::function<QString(const QJsonObject &, int)> &placeOf) const
    {
        if (!has(field))
            return {};
        if (!value(field).isArray())
            fail(field, QStringLiteral("is not a list"));
        QList<Node> result;
        const QJsonArray array = value(field).toArray();
        for (int i = 0; i < array.size(); ++i) {
            if (!array[i].isObject())
                fail(field, QStringLiteral("item %1 is not an object").arg(i + 1));
            const QString own = placeOf(array[i].toObject(), i);
            result << Node(m_file, array[i].toObject(), m_place.isEmpty() ? own : m_place + QStringLiteral(", ") + own);
        }
        return result;
    }
    Node object(const char *field) const
    {
        if (has(field) && !value(field).isObject())
            fail(field, QStringLiteral("is not an object"));
        return Node(m_file, value(field).toObject(), fieldPlace(field));
    }

private:
    void require(const char *field) const
    {
        if (!has(field))
            fail(field, QStringLiteral("is missing"));
    }

    QString m_file;
    QJsonObject m_object;
    QString m_place;
};

QString namedPlace(const char *what, const QJsonObject &object, int i)
{
    const QString name = object.value(QStringLiteral("name")).toString();
    return name.isEmpty() ? QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(i + 1)
                          : QStringLiteral("%1 %2").arg(QLatin1String(what), name);
}

Shape::Kind markKind(const Node &node)
{
    static const std::map<QString, Shape::Kind> kinds{
        {"circle", Shape::Kind::Circle}, {"oval", Shape::Kind::Oval}, {"roundedSquare", Shape::Kind::RoundedSquare}};
    const auto found = kinds.find(node.text("kind", QStringLiteral("circle")));
    if (found == kinds.end())
        node.fail("kind", QStringLiteral("is not circle, oval or roundedSquare"));
    return found->second;
}

QColor colour(const Node &node)
{
    if (!node.has("colour"))
        return MarkYellow;
    const QColor c = QColor::fromString(node.text("colour"));
    if (!c.isValid())
        node.fail("colour", QStringLiteral("is not a colour such as \"#FFFF00\""));
    return c;
}

// The names a screen's steps and actions may use.
class ScreenNames {
public:
    explicit ScreenNames(const Node &screen)
    {
        for (const QString &name : TemplateControls)
            m_controls.insert(name.toLower());
        addMark(QStringLiteral("ShapeDVM"), -1, screen);
        addTimer(QStringLiteral("TimerDVM"), screen);
    }

    void addMark(const QString &name, int index, const Node &at)
    {
        const QString key = name.toLower();
        if (m_controls.contains(key) && !(index >= 0 && m_groupIndices.contains(key)))
            at.fail(QStringLiteral("the name %1 is used twice").arg(name));
        if (index >= 0 && m_groupIndices[key].contains(index))
            at.fail(QStringLiteral("the mark %1 #%2 is given twice").arg(name).arg(index));
        if (index >= 0)
            m_groupIndices[key].insert(index);
        m_controls.insert(key);
        m_marks.insert(key);
    }
    void addTimer(const QString &name, const Node &at)
    {
        const QString key = name.toLower();
        if (m_controls.contains(key))
            at.fail(QStringLiteral("the name %1 is used twice").arg(name));
        m_controls.insert(key);
        m_timers.insert(key);
    }
    void addControl(const QString &name, const Node &at)
    {
        if (m_controls.contains(name.toLower()))
            at.fail(QStringLiteral("the name %1 is used twice").arg(name));
        m_controls.insert(name.toLower());
    }

    void checkMark(const QString &name, const Node &at, const char *field) const
    {
        if (!m_marks.contains(name.toLower()))
            at.fail(field, QStringLiteral("names the mark %1, which the screen does not have").arg(name));
    }
    void checkTimer(const QString &name, const Node &at, const char *field) const
    {
        if (!m_timers.contains(name.toLower()))
            at.fail(field, QStringLiteral("names the timer %1, which the screen does not have").arg(name));
    }
    void checkControl(const QString &name, const Node &at, const char *field) const
    {
        if (!m_controls.contains(name.toLower()))
            at.fail(field, QStringLiteral("names the control %1, which the screen does not have").arg(name));
    }

private:
    QSet<QString> m_controls;
    QSet<QString> m_marks;
    QSet<QString> m_timers;
    QHash<QString, QSet<int>> m_groupIndices;
};

// "show Shape2", "start Timer2", "photograph images\017.jpg", "line" ...
Actions actions(const Node &node, const char *field, const ScreenNames &names)
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

    Course read()
    {
        QFile file(m_file);
        if (!file.open(QIODevice::ReadOnly))
            fail(m_file, {}, QStringLiteral("cannot be read: %1").arg(file.errorString()));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        if (document.isNull())
            fail(m_file, QStringLiteral("at byte %1").arg(error.offset), error.errorString());
        if (!document.isObject())
            fail(m_file, {}, QStringLiteral("is not a JSON object"));

        const Node root(m_file, document.object(), {});
        root.allow({"title", "languages", "screens"});
        Course course;
        course.file = m_file;
        course.folder = QFileInfo(m_file).absolutePath();
        course.title = root.requiredText("title");
        for (const Node &language : root.objects("languages", [](const QJsonObject &o, int i) {
                 return namedPlace("language", o, i);
             })) {
            language.allow({"name", "startCaption", "file"});
            course.languages.push_back(
                {language.requiredText("name"), language.requiredText("startCaption"), language.requiredText("file")});
        }
        if (course.languages.empty())
            root.fail("languages", QStringLiteral("names no language"));

        const QList<Node> screens =
            root.objects("screens", [](const QJsonObject &, int i) { return QStringLiteral("screen %1").arg(i + 1); });
        if (screens.isEmpty())
            root.fail("screens", QStringLiteral("holds no screen"));
        for (const Node &screen : screens) {
            course.screens.push_back(readScreen(screen, int(course.screens.size()) + 1));
            course.screens.back().caption =
                QStringLiteral("%1 - %2 / %3").arg(course.title).arg(course.screens.size()).arg(screens.size());
        }
        return course;
    }

private:
    LessonDesign readScreen(const Node &node, int number)
    {
        node.allow({"name", "inset", "photograph", "layout", "marks", "timers", "steps", "engineLoop", "atLoad", "kinds"});
        LessonDesign design;
        design.screen = number;
        design.inset = node.requiredText("inset");
        design.firstPhotograph = node.requiredText("photograph");
        design.layout = readLayout(node.object("layout"));
        design.engineLoop = node.flag("engineLoop", false);

        ScreenNames names(node);
        for (const Node &mark : node.objects("marks", [](const QJsonObject &o, int i) { return namedPlace("mark", o, i); })) {
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
        const QList<Node> timers =
            node.objects("timers", [](const QJsonObject &o, int i) { return namedPlace("timer", o, i); });
        for (const Node &timer : timers) {
            timer.allow({"name", "running", "blinks"});
            BlinkTimerDesign t{timer.requiredText("name"), timer.flag("running", false), timer.texts("blinks")};
            names.addTimer(t.name, timer);
            design.blinkTimers.push_back(t);
        }

        // The kinds add controls the steps and actions may name, so they come first.
        const QList<Node> kinds = node.objects("kinds", [](const QJsonObject &o, int i) {
            const QString kind = o.value(QStringLiteral("kind")).toString();
            return kind.isEmpty() ? QStringLiteral("kind %1").arg(i + 1) : QStringLiteral("kind %1").arg(kind);
        });
        for (const Node &kind : kinds)
            declareKind(kind, names);

        for (int i = 0; i < timers.size(); ++i) {
            const BlinkTimerDesign &t = design.blinkTimers[size_t(i)];
            if (t.blinks.isEmpty() && !t.name.startsWith(QLatin1String("Timer"), Qt::CaseInsensitive))
                timers[i].fail("blinks", QStringLiteral("is missing: the name %1 does not say the mark").arg(t.name));
            const QStringList blinked = t.blinks.isEmpty() ? QStringList{QStringLiteral("Shape") + t.name.mid(5)} : t.blinks;
            for (const QString &mark : blinked)
                names.checkMark(mark, timers[i], "blinks");
        }

        for (const Node &step : node.objects("steps", [](const QJsonObject &, int i) {
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
        for (const Node &kind : kinds)
            readKind(kind, names, design);
        return design;
    }

    static LessonLayout readLayout(const Node &node)
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

    void declareKind(const Node &kind, ScreenNames &names)
    {
        const QString name = kind.requiredText("kind");
        if (name == QLatin1String("throttleQuadrant")) {
            for (const QString &control : QuadrantControls)
                names.addControl(control, kind);
            for (const QString &mark : QuadrantMarks)
                names.addMark(mark, -1, kind);
        } else if (name == QLatin1String("timedSequence")) {
            for (const QString &timer : SequenceTimers)
                names.addTimer(timer, kind);
        } else if (name != QLatin1String("pressCounter") && name != QLatin1String("runEnding")) {
            kind.fail("kind", QStringLiteral("\"%1\" is no kind (timedSequence, throttleQuadrant, pressCounter, "
                                             "runEnding)").arg(name));
        }
    }

    void readKind(const Node &kind, const ScreenNames &names, LessonDesign &design)
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
            c.done = actions(kind, "done", names);
            design.pressCounter = c;
        } else {
            once(design.runEnding.has_value());
            kind.allow({"kind", "cue"});
            design.runEnding = RunEndingDesign{kind.requiredText("cue")};
        }
    }

    static QString timerField(const Node &node, const char *field, const ScreenNames &names)
    {
        const QString timer = node.requiredText(field);
        names.checkTimer(timer, node, field);
        return timer;
    }

    QString m_file;
};
} // namespace

Course loadCourse(const QString &file)
{
    return CourseReader(file).read();
}

} // namespace kelvora
