#include "AuthorCompiler.h"

#include "AuthorReader.h"
#include "AuthorValidation.h"
#include "course/ControlNames.h"
#include "course/CourseNode.h"
#include "content/ContentPath.h"
#include "content/Letterbox.h"

#include <algorithm>

namespace kelvora {

namespace {
constexpr int PageMargin = 16;
// Room for three rows of explanation, and the inset and the throttle below it.
constexpr int ExplainHeight = 65;
constexpr int BelowExplain = 74;
constexpr QSize QuadrantBoxSize{173, 253};
constexpr int QuadrantTop = 300;

using Verb = ScreenAction::Verb;
using Kind = SourcePlace::Kind;

QString timerName(int n)
{
    return names::BlinkTimerPrefix + QString::number(n);
}

QString markName(int n)
{
    return names::MarkPrefix + QString::number(n);
}

int leftOf(const QString &place, int width)
{
    return place == QLatin1String("right") ? LessonPictureSize.width() - PageMargin - width : PageMargin;
}

// One screen of the author's course as the lesson template runs it.
class ScreenCompiler {
public:
    ScreenCompiler(const AuthorScreen &screen, int number, const AuthorCourse &author, Course &course)
        : m_screen(screen), m_author(author), m_course(course)
    {
        m_design.screen = number;
        m_source.id = screen.id;
        for (const QString &tag : author.tags())
            m_source.titles.insert(tag, screen.title.isEmpty() ? screen.id : author.textIn(screen.title, tag));
    }

    LessonDesign compile()
    {
        m_design.name = m_screen.title.isEmpty() ? m_screen.id : m_author.textIn(m_screen.title, m_author.tags().front());
        m_design.fitPictures = true;
        m_design.layout = authorsLayout({});
        m_design.firstPhotograph = m_screen.photograph;
        // A photograph not there yet (the generator writes it from this course) counts as page-sized; the
        // trainer refuses a course whose files are missing before it runs.
        const QString photograph = resolveContentPath(m_screen.photograph, m_author.folder);
        const QSize size = photograph.isEmpty() ? QSize() : authorPhotographSize(photograph);
        m_fit = Letterbox::fit(size.isValid() ? size : LessonPictureSize, LessonPictureSize);
        // Marks are kept off the bars beside or above a photograph narrower or wider than the page; past the
        // page's own edge they may reach (a control at the photograph's edge).
        const QRect photo = m_fit.map(QRectF(QPointF(0, 0), QSizeF(size.isValid() ? size : LessonPictureSize))).toAlignedRect();
        constexpr int Far = 1 << 20;
        const QRect page(QPoint(0, 0), LessonPictureSize);
        m_onPage = QRect(QPoint(photo.left() > page.left() ? photo.left() : -Far, photo.top() > page.top() ? photo.top() : -Far),
                         QPoint(photo.right() < page.right() ? photo.right() : Far, photo.bottom() < page.bottom() ? photo.bottom() : Far));

        m_design.photographDescriptions = texts(m_screen.description);
        if (m_screen.inset) {
            m_design.insetDescriptions = texts(m_screen.inset->description);
            m_design.inset = m_screen.inset->picture;
            m_design.layout.inset = authorsLayout(m_screen.inset->place).inset;
        }
        m_design.loop = m_screen.loop;
        m_design.ownLoop = true;
        m_design.engineLoop = !m_design.loop.isEmpty();
        addCaption(m_design.loop, m_screen.loopCaption);
        if (m_design.engineLoop)
            m_design.atLoad.push_back({Verb::Loop, m_design.loop});
        if (!addLine(m_screen.text, m_screen.narration)) { // the load reads a line whatever the screen
            for (QStringList &lines : m_course.lines)
                lines << QString();
            for (QStringList &files : m_course.narrations)
                files << QString();
        }
        name(names::ContinueMark, Kind::Continue, QStringLiteral("continue"));
        name(names::ContinueTimer, Kind::Continue, QStringLiteral("continue"));

        compileThrottle();
        compileSteps();
        compileGroups();
        compileSequence();
        if (m_steps == 0 && m_design.timedSequence)
            m_design.atLoad.push_back({Verb::Start, names::SequenceDelay});
        if (m_steps == 0 && !m_design.timedSequence) {
            m_design.layout.continueLabelShown = true;
            m_design.layout.continueBlinking = true;
        }
        return std::move(m_design);
    }

    SourceScreen source() const { return m_source; }

private:
    void name(const QString &generated, Kind kind, const QString &id, const QString &part = {})
    {
        m_source.names.insert(generated, SourcePlace{kind, id, part});
    }

    void compileSteps()
    {
        if (m_screen.steps.empty())
            return;
        m_steps = m_marks = int(m_screen.steps.size());
        for (int n = 1; n <= m_steps; ++n) {
            const AuthorStep &step = m_screen.steps[size_t(n - 1)];
            addMark(markName(n), -1, step.target, MarkYellow);
            m_design.targetLabels[markName(n).toLower()] =
                step.label.isEmpty() ? QStringList{readableId(step.id)} : texts(step.label);
            m_design.blinkTimers.push_back({timerName(n), n == 1});
            name(markName(n), Kind::Step, step.id);
            name(timerName(n), Kind::Step, step.id);
            addCaption(step.sound, step.caption);
            if (!step.presses) {
                StepDesign design{.activeWhile = timerName(n), .mark = markName(n), .sound = step.sound,
                                  .photograph = step.photograph, .followUp = after(n)};
                design.nextLine = addLine(step.text, step.narration);
                m_design.steps.push_back(design);
                continue;
            }
            PressCounterDesign counter{.timer = timerName(n), .mark = markName(n), .presses = *step.presses,
                                       .click = step.sound, .done = {{Verb::Stop, timerName(n)}, {Verb::Hide, markName(n)}},
                                       .photographs = step.photographs};
            const Actions next = after(n);
            counter.done.insert(counter.done.end(), next.begin(), next.end());
            if (addLine(step.text, step.narration))
                counter.done.push_back({Verb::Line});
            m_design.pressCounter = counter;
        }
    }

    void compileGroups()
    {
        for (const AuthorGroup &group : m_screen.pointAt) {
            const int n = ++m_marks;
            for (size_t i = 0; i < group.targets.size(); ++i)
                addMark(markName(n), int(i), group.targets[i], PointerCyan);
            m_design.blinkTimers.push_back({timerName(n), true});
            name(markName(n), Kind::Group, group.id);
            name(timerName(n), Kind::Group, group.id);
        }
    }

    void compileSequence()
    {
        if (!m_screen.sequence)
            return;
        const AuthorSequence &sequence = *m_screen.sequence;
        const QString first = sequence.photographs.value(0);
        TimedSequenceDesign design{.periodMs = sequence.periodMs.value_or(1), .lastTick = int(sequence.photographs.size()),
                                   .view = {{Verb::Photograph, first},
                                            {Verb::Start, names::SequenceTimer},
                                            {Verb::Stop, names::SequenceDelay}},
                                   .finish = {{Verb::Stop, names::SequenceTimer}},
                                   .photographs = sequence.photographs.mid(1)};
        name(names::SequenceTimer, Kind::Sequence, QStringLiteral("sequence"));
        name(names::SequenceDelay, Kind::Sequence, QStringLiteral("sequence"), QStringLiteral("start"));
        if (sequence.watch) {
            const int n = ++m_marks;
            addMark(markName(n), -1, sequence.watch, WatchGreen);
            m_design.blinkTimers.push_back({timerName(n), false});
            design.view.push_back({Verb::Show, markName(n)});
            design.view.push_back({Verb::Start, timerName(n)});
            design.finish.push_back({Verb::Stop, timerName(n)});
            design.finish.push_back({Verb::Hide, markName(n)});
            name(markName(n), Kind::Sequence, QStringLiteral("sequence"), QStringLiteral("watch"));
            name(timerName(n), Kind::Sequence, QStringLiteral("sequence"), QStringLiteral("watch"));
        }
        if (!sequence.sound.isEmpty())
            design.view.push_back({Verb::Sound, sequence.sound});
        addCaption(sequence.sound, sequence.caption);
        if (addLine(sequence.text, sequence.narration))
            design.view.push_back({Verb::Line});
        design.finish.push_back({Verb::Start, names::ContinueTimer});
        design.finish.push_back({Verb::Show, names::ContinueLabel});
        design.finish.push_back({Verb::Show, names::ContinueMark});
        if (m_design.engineLoop)
            design.finish.push_back({Verb::Loop, m_design.loop});
        m_design.timedSequence = design;
    }

    // Pull the lever to OFF on its inset, lift the finger lift on the photograph, push it to IDLE.
    void compileThrottle()
    {
        if (!m_screen.throttle)
            return;
        const AuthorThrottle &throttle = *m_screen.throttle;
        ThrottleQuadrantDesign design{.rect = QRect(QPoint(leftOf(throttle.place, QuadrantBoxSize.width()), QuadrantTop),
                                                    QuadrantBoxSize),
                                      .picture = throttle.picture,
                                      .halfCaptions = texts(throttle.captions.half),
                                      .idleCaptions = texts(throttle.captions.idle),
                                      .pullTimer = timerName(1),
                                      .liftMark = markName(2),
                                      .liftTimer = timerName(2),
                                      .liftClick = throttle.sound,
                                      .liftClickGivesWay = false,
                                      .pushTimer = timerName(3),
                                      .atIdle = {},
                                      .fitPicture = true};
        m_steps = m_marks = 3;
        addMark(design.liftMark, -1, throttle.lift, MarkYellow);
        for (int n = 1; n <= 3; ++n)
            m_design.blinkTimers.push_back({timerName(n), n == 1});
        const QString pull = QStringLiteral("throttle-pull"), lift = QStringLiteral("throttle-lift"),
                      push = QStringLiteral("throttle-push");
        name(names::QuadrantPullMark, Kind::Throttle, pull);
        name(timerName(1), Kind::Throttle, pull);
        name(design.liftMark, Kind::Throttle, lift);
        name(timerName(2), Kind::Throttle, lift);
        name(names::QuadrantPushMark, Kind::Throttle, push);
        name(timerName(3), Kind::Throttle, push);
        name(names::QuadrantKnob, Kind::Throttle, QStringLiteral("throttle-lever"));
        m_design.throttleQuadrant = design;
        m_design.throttleQuadrant->atIdle = leadOn();
    }

    Actions after(int step) const
    {
        if (step < m_steps)
            return {{Verb::Start, timerName(step + 1)}};
        return leadOn();
    }

    Actions leadOn() const
    {
        if (m_screen.sequence)
            return {{Verb::Start, names::SequenceDelay}};
        return {{Verb::Show, names::ContinueMark}, {Verb::Start, names::ContinueTimer}, {Verb::Show, names::ContinueLabel}};
    }

    // A target is placed by the photograph's letterbox and kept on the photograph: a press on the bars
    // beside it is no press on the target.
    void addMark(const QString &name, int index, const std::optional<Target> &target, const QColor &colour)
    {
        if (!target)
            failCourse(m_author.file, QStringLiteral("screen %1").arg(m_screen.id), QStringLiteral("a target is missing"));
        const QRect onPage = m_fit.map(QRectF(target->box)).toRect().intersected(m_onPage);
        const MarkKind kind = target->shape == Target::Shape::Circle ? MarkKind::Circle
                            : target->shape == Target::Shape::Oval   ? MarkKind::Oval
                                                                     : MarkKind::Rectangle;
        m_design.marks.push_back({.name = name, .index = index, .rect = onPage, .kind = kind, .border = colour});
    }

    QStringList texts(const Texts &map) const
    {
        QStringList result;
        if (map.isEmpty())
            return result;
        for (const QString &tag : m_author.tags())
            result << m_author.textIn(map, tag);
        return result;
    }

    // Adds the text as the next line the run reads, with its recordings; false when there is none. A
    // language without its own recording is spoken, not given another language's.
    bool addLine(const Texts &map, const Texts &recordings)
    {
        const QStringList lines = texts(map);
        if (lines.isEmpty())
            return false;
        const QStringList tags = m_author.tags();
        for (size_t k = 0; k < m_course.lines.size(); ++k) {
            m_course.lines[k] << lines.at(qsizetype(k));
            m_course.narrations[k] << recordings.value(tags.value(qsizetype(k)));
        }
        return true;
    }

    // A sound's caption; on one screen a sound is what its first caption says.
    void addCaption(const QString &sound, const Texts &caption)
    {
        if (sound.isEmpty() || caption.isEmpty())
            return;
        m_design.soundCaptions.try_emplace(soundKey(sound), texts(caption));
    }

    const AuthorScreen &m_screen;
    const AuthorCourse &m_author;
    Course &m_course;
    LessonDesign m_design;
    SourceScreen m_source;
    Letterbox m_fit;
    QRect m_onPage; // where marks may be: the photograph's place on the page, open past the page's edges
    int m_steps = 0; // steps, the throttle's three included
    int m_marks = 0; // marks and timers numbered so far
};

CourseLanguage compiledLanguage(const AuthorLanguage &language)
{
    CourseLanguage result{language.name, {}, language.tag};
    if (const LanguageCaptions *own = defaultCaptions(language.tag))
        result.captions = *own;
    const LanguageCaptions &given = language.captions;
    QString *fields[] = {&result.captions.start, &result.captions.continueLabel, &result.captions.next,
                         &result.captions.exit,  &result.captions.currentLanguage, &result.captions.credit};
    const QString *values[] = {&given.start, &given.continueLabel, &given.next,
                               &given.exit,  &given.currentLanguage, &given.credit};
    for (size_t i = 0; i < std::size(fields); ++i) {
        if (!values[i]->isEmpty())
            *fields[i] = *values[i];
    }
    return result;
}
} // namespace

LessonLayout authorsLayout(const QString &insetPlace)
{
    LessonLayout layout;
    layout.explainHeight = ExplainHeight;
    layout.inset = {leftOf(insetPlace, InsetSize.width()), BelowExplain};
    return layout;
}

QString readableId(const QString &id)
{
    QString words = id;
    words.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    words = words.simplified();
    if (!words.isEmpty())
        words[0] = words[0].toUpper();
    return words;
}

Course compileAuthorCourse(const AuthorCourse &author)
{
    if (author.languages.empty() || author.screens.empty())
        failCourse(author.file, {}, QStringLiteral("names no language or holds no screen"));
    Course course;
    course.fitsPictures = true;
    course.playsExitClick = false;
    course.startExitInLanguage = true;
    course.file = author.file;
    course.folder = author.folder;
    course.id = author.id;
    for (const AuthorLanguage &language : author.languages) {
        course.languages.push_back(compiledLanguage(language));
        course.titles << author.textIn(author.title, language.tag);
        course.source.courseTitles.insert(language.tag, course.titles.back());
    }
    course.source.tags = author.tags();
    course.title = course.titles.front();
    course.lines.resize(course.languages.size());
    course.narrations.resize(course.languages.size());
    const int count = int(author.screens.size());
    for (const AuthorScreen &screen : author.screens) {
        const int number = int(course.screens.size()) + 1;
        ScreenCompiler compiler(screen, number, author, course);
        course.screens.push_back(compiler.compile());
        course.source.screens.push_back(compiler.source());
        LessonDesign &design = course.screens.back();
        for (const QString &title : course.titles)
            design.captions << QStringLiteral("%1 - %2 / %3").arg(title).arg(number).arg(count);
        design.caption = design.captions.front();
    }
    course.screens.back().runEnding = RunEndingDesign{};
    if (std::all_of(course.narrations.begin(), course.narrations.end(), [](const QStringList &files) {
            return std::all_of(files.begin(), files.end(), [](const QString &file) { return file.isEmpty(); });
        }))
        course.narrations.clear();
    // The start screen shows where the lessons begin.
    course.startPicture = course.screens.front().firstPhotograph;
    return course;
}

void refuseAuthorCourse(const AuthorCourse &course, bool rules, bool files)
{
    for (const AuthorProblem &problem : validateAuthorCourse(course, {.rules = rules, .files = files, .decodeFiles = false, .soundProblem = {}})) {
        if (problem.severity == AuthorProblem::Severity::Refused)
            failCourse(course.file, {}, problem.toString());
    }
}

Course loadAuthorCourse(const QJsonObject &root, const QString &file)
{
    auto author = std::make_shared<AuthorCourse>(readAuthorCourse(root, file));
    refuseAuthorCourse(*author, true, false);
    Course course = compileAuthorCourse(*author);
    course.author = std::move(author);
    return course;
}

} // namespace kelvora
