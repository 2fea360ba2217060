#include "Format2Screen.h"

#include "ControlNames.h"
#include "LocalisedText.h"
#include "content/ContentPath.h"
#include "content/ContentPicture.h"

#include <QRegularExpression>
#include <QSet>

namespace kelvora {

namespace {
constexpr int PageMargin = 16;
// Room for three rows of explanation, and the inset and the throttle below it.
constexpr int ExplainHeight = 65;
constexpr int BelowExplain = 74;
constexpr QSize QuadrantBox{173, 253};
constexpr int QuadrantTop = 300;

using Verb = ScreenAction::Verb;

QString timerName(int n)
{
    return names::BlinkTimerPrefix + QString::number(n);
}

QString markName(int n)
{
    return names::MarkPrefix + QString::number(n);
}

// "fuel-pump" or "fuel_pump" as a screen reader should say it: "Fuel pump".
QString readableId(const QString &id)
{
    QString words = id;
    words.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    words = words.simplified();
    if (!words.isEmpty())
        words[0] = words[0].toUpper();
    return words;
}

QString checkedId(const CourseNode &node)
{
    static const QRegularExpression wellFormed(QStringLiteral("^[A-Za-z0-9._-]+$"));
    const QString id = node.requiredText("id");
    if (!wellFormed.match(id).hasMatch())
        node.fail("id", QStringLiteral("\"%1\" is not an id: letters, digits, -, _ and . only").arg(id));
    return id;
}

QString placeOf(const char *what, const QJsonObject &object, int i)
{
    const QString id = object.value(QStringLiteral("id")).toString();
    return QStringLiteral("%1 %2").arg(QLatin1String(what), id.isEmpty() ? QString::number(i + 1) : id);
}

// "left" or "right": the side of the page an inset or the throttle stands on.
QString sideOf(const CourseNode &node)
{
    const QString place = node.text("place", QStringLiteral("left"));
    if (place != QLatin1String("left") && place != QLatin1String("right"))
        node.fail("place", QStringLiteral("is not \"left\" or \"right\""));
    return place;
}

// The left edge of a box of that width on the node's side of the page.
int leftOf(const CourseNode &node, int width)
{
    return sideOf(node) == QLatin1String("left") ? PageMargin : LessonPictureSize.width() - PageMargin - width;
}
} // namespace

LessonLayout authorsLayout(const QString &insetPlace)
{
    LessonLayout layout;
    layout.explainHeight = ExplainHeight;
    layout.inset = {insetPlace == QLatin1String("right") ? LessonPictureSize.width() - PageMargin - InsetSize.width() : PageMargin,
                    BelowExplain};
    return layout;
}

Format2Screen::Format2Screen(const CourseNode &node, int number, Course &course) : m_node(node), m_course(course)
{
    m_design.screen = number;
}

LessonDesign Format2Screen::compile()
{
    m_node.allow({"id", "title", "photograph", "inset", "loop", "text", "steps", "pointAt", "sequence", "throttle"});
    const QString id = checkedId(m_node);
    const QStringList titles = localisedText(m_node, "title", m_course.languages);
    m_design.name = titles.isEmpty() ? id : titles.front();
    m_design.fitPictures = true;
    m_design.layout = authorsLayout();

    m_design.firstPhotograph = m_node.requiredText("photograph");
    // Targets are placed by the photograph's size. A photograph not there yet (the generator writes it from
    // this course) counts as page-sized; the trainer refuses a course whose files are missing before it runs.
    const QString photograph = resolveContentPath(m_design.firstPhotograph, m_course.folder);
    m_photographSize = photograph.isEmpty() ? QSize() : pictureSize(photograph);
    m_fit = Letterbox::fit(m_photographSize.isValid() ? m_photographSize : LessonPictureSize, LessonPictureSize);

    if (m_node.has("inset")) {
        const CourseNode inset = m_node.object("inset");
        inset.allow({"picture", "place"});
        m_design.inset = inset.requiredText("picture");
        m_design.layout.inset = authorsLayout(sideOf(inset)).inset;
    }
    m_design.loop = m_node.text("loop");
    m_design.engineLoop = !m_design.loop.isEmpty();
    if (m_design.engineLoop)
        m_design.atLoad.push_back({Verb::Loop, m_design.loop});
    if (!addLine(m_node, "text")) // the load reads a line whatever the screen
        for (QStringList &lines : m_course.lines)
            lines << QString();

    readThrottle();
    readSteps();
    readPointAt();
    readSequence();
    if (m_steps == 0 && m_design.timedSequence)
        m_design.atLoad.push_back({Verb::Start, names::SequenceDelay});
    if (m_steps == 0 && !m_design.timedSequence) {
        m_design.layout.continueLabelShown = true;
        m_design.layout.continueBlinking = true;
    }
    return std::move(m_design);
}

void Format2Screen::readSteps()
{
    const QList<CourseNode> steps =
        m_node.objects("steps", [](const QJsonObject &o, int i) { return placeOf("step", o, i); });
    if (steps.isEmpty())
        return;
    if (m_design.throttleQuadrant)
        m_node.fail("steps", QStringLiteral("a screen with a throttle has the throttle's steps only"));
    m_steps = m_marks = int(steps.size());
    for (int n = 1; n <= m_steps; ++n) {
        const CourseNode &step = steps[n - 1];
        step.allow({"id", "target", "sound", "photograph", "presses", "photographs", "text"});
        const QString id = checkedId(step);
        if (m_ids.contains(id))
            step.fail("id", QStringLiteral("is the id of an earlier step on this screen"));
        m_ids.insert(id);
        addMark(markName(n), -1, target(step, "target"), MarkYellow);
        m_design.targetLabels[markName(n).toLower()] = {readableId(id)};
        m_design.blinkTimers.push_back({timerName(n), n == 1});
        const QString sound = step.text("sound");
        if (!step.has("presses")) {
            if (step.has("photographs"))
                step.fail("photographs", QStringLiteral("belong to a step that counts presses (\"presses\")"));
            StepDesign design{.activeWhile = timerName(n), .mark = markName(n), .sound = sound,
                              .photograph = step.text("photograph"), .followUp = after(n)};
            design.nextLine = addLine(step, "text");
            m_design.steps.push_back(design);
            continue;
        }
        if (m_design.pressCounter)
            step.fail("presses", QStringLiteral("only one step of a screen counts presses"));
        if (step.has("photograph"))
            step.fail("photograph", QStringLiteral("a step that counts presses has \"photographs\", one after each press"));
        PressCounterDesign counter{.timer = timerName(n), .mark = markName(n), .presses = step.requiredNumber("presses"),
                                   .click = sound, .done = {{Verb::Stop, timerName(n)}, {Verb::Hide, markName(n)}},
                                   .photographs = step.texts("photographs")};
        if (counter.presses < 2)
            step.fail("presses", QStringLiteral("must be 2 or more"));
        if (counter.photographs.size() != counter.presses)
            step.fail("photographs", QStringLiteral("must name %1 photographs, one after each press").arg(counter.presses));
        const Actions next = after(n);
        counter.done.insert(counter.done.end(), next.begin(), next.end());
        if (addLine(step, "text"))
            counter.done.push_back({Verb::Line});
        m_design.pressCounter = counter;
    }
}

void Format2Screen::readPointAt()
{
    for (const CourseNode &group :
         m_node.objects("pointAt", [](const QJsonObject &o, int i) { return placeOf("pointAt", o, i); })) {
        group.allow({"id", "targets"});
        const QString id = checkedId(group);
        if (m_ids.contains(id))
            group.fail("id", QStringLiteral("is the id of an earlier step or group on this screen"));
        m_ids.insert(id);
        const int n = ++m_marks;
        const QList<CourseNode> targets =
            group.objects("targets", [](const QJsonObject &, int i) { return QStringLiteral("target %1").arg(i + 1); });
        if (targets.isEmpty())
            group.fail("targets", QStringLiteral("holds no target"));
        for (int i = 0; i < targets.size(); ++i)
            addMark(markName(n), i, target(targets[i]), PointerCyan);
        m_design.blinkTimers.push_back({timerName(n), true});
    }
}

void Format2Screen::readSequence()
{
    if (!m_node.has("sequence"))
        return;
    const CourseNode sequence = m_node.object("sequence");
    sequence.allow({"periodMs", "photographs", "sound", "watch", "text"});
    const QStringList photographs = sequence.texts("photographs");
    if (photographs.isEmpty())
        sequence.fail("photographs", QStringLiteral("names no photograph"));
    TimedSequenceDesign design{.periodMs = sequence.positiveNumber("periodMs"), .lastTick = int(photographs.size()),
                               .view = {{Verb::Photograph, photographs.front()},
                                        {Verb::Start, names::SequenceTimer},
                                        {Verb::Stop, names::SequenceDelay}},
                               .finish = {{Verb::Stop, names::SequenceTimer}},
                               .photographs = photographs.mid(1)};
    if (sequence.has("watch")) {
        const int n = ++m_marks;
        addMark(markName(n), -1, target(sequence, "watch"), WatchGreen);
        m_design.blinkTimers.push_back({timerName(n), false});
        design.view.push_back({Verb::Show, markName(n)});
        design.view.push_back({Verb::Start, timerName(n)});
        design.finish.push_back({Verb::Stop, timerName(n)});
        design.finish.push_back({Verb::Hide, markName(n)});
    }
    if (sequence.has("sound"))
        design.view.push_back({Verb::Sound, sequence.text("sound")});
    if (addLine(sequence, "text"))
        design.view.push_back({Verb::Line});
    design.finish.push_back({Verb::Start, names::ContinueTimer});
    design.finish.push_back({Verb::Show, names::ContinueLabel});
    design.finish.push_back({Verb::Show, names::ContinueMark});
    if (m_design.engineLoop)
        design.finish.push_back({Verb::Loop, m_design.loop});
    m_design.timedSequence = design;
}

// The throttle: pull the lever to OFF on its inset, lift the finger lift on the photograph, push it to IDLE.
void Format2Screen::readThrottle()
{
    if (!m_node.has("throttle"))
        return;
    const CourseNode throttle = m_node.object("throttle");
    throttle.allow({"picture", "place", "lift", "sound", "captions"});
    const CourseNode captions = throttle.object("captions");
    captions.allow({"half", "idle"});
    ThrottleQuadrantDesign design{.rect = QRect(QPoint(leftOf(throttle, QuadrantBox.width()), QuadrantTop), QuadrantBox),
                                  .picture = throttle.requiredText("picture"),
                                  .halfCaptions = localisedText(captions, "half", m_course.languages),
                                  .idleCaptions = localisedText(captions, "idle", m_course.languages),
                                  .pullTimer = timerName(1),
                                  .liftMark = markName(2),
                                  .liftTimer = timerName(2),
                                  .liftClick = throttle.text("sound"),
                                  .pushTimer = timerName(3),
                                  .atIdle = {},
                                  .fitPicture = true};
    m_steps = m_marks = 3;
    addMark(design.liftMark, -1, target(throttle, "lift"), MarkYellow);
    for (int n = 1; n <= 3; ++n)
        m_design.blinkTimers.push_back({timerName(n), n == 1});
    m_design.throttleQuadrant = design;
    m_design.throttleQuadrant->atIdle = leadOn();
}

Actions Format2Screen::after(int step) const
{
    if (step < m_steps)
        return {{Verb::Start, timerName(step + 1)}};
    return leadOn();
}

Actions Format2Screen::leadOn() const
{
    if (m_node.has("sequence"))
        return {{Verb::Start, names::SequenceDelay}};
    return {{Verb::Show, names::ContinueMark}, {Verb::Start, names::ContinueTimer}, {Verb::Show, names::ContinueLabel}};
}

Format2Screen::Target Format2Screen::target(const CourseNode &node, const char *field) const
{
    if (!node.has(field))
        node.fail(field, QStringLiteral("is missing"));
    return target(node.object(field));
}

// {"rectangle": [x, y, w, h]}, {"oval": [x, y, w, h]} or {"circle": [cx, cy, r]} on the photograph, placed on the page.
Format2Screen::Target Format2Screen::target(const CourseNode &shape) const
{
    shape.allow({"rectangle", "oval", "circle"});
    if (shape.json().size() != 1)
        shape.fail(QStringLiteral("must be one rectangle, oval or circle"));
    QRectF onPhotograph;
    MarkKind kind = MarkKind::Circle;
    if (shape.has("circle")) {
        const QList<int> n = shape.numbers("circle", 3);
        onPhotograph = QRectF(n[0] - n[2], n[1] - n[2], 2 * n[2], 2 * n[2]);
    } else {
        const char *field = shape.has("oval") ? "oval" : "rectangle";
        const QList<int> n = shape.numbers(field, 4);
        onPhotograph = QRectF(n[0], n[1], n[2], n[3]);
        kind = shape.has("oval") ? MarkKind::Oval : MarkKind::Rectangle;
    }
    if (onPhotograph.isEmpty())
        shape.fail(QStringLiteral("has no area"));
    if (m_photographSize.isValid() && !onPhotograph.intersects(QRectF(QPointF(0, 0), QSizeF(m_photographSize))))
        shape.fail(QStringLiteral("lies outside the photograph (%1 x %2)")
                       .arg(m_photographSize.width()).arg(m_photographSize.height()));
    return {m_fit.map(onPhotograph).toRect(), kind};
}

void Format2Screen::addMark(const QString &name, int index, const Target &target, const QColor &colour)
{
    m_design.marks.push_back({.name = name, .index = index, .rect = target.rect, .kind = target.kind, .border = colour});
}

bool Format2Screen::addLine(const CourseNode &node, const char *field)
{
    const QStringList texts = localisedText(node, field, m_course.languages);
    if (texts.isEmpty())
        return false;
    for (size_t k = 0; k < m_course.lines.size(); ++k)
        m_course.lines[k] << texts.at(qsizetype(k));
    return true;
}

} // namespace kelvora
