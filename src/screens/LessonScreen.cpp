#include "LessonScreen.h"

#include "Announcer.h"
#include "AuthorView.h"
#include "CaptionLine.h"
#include "CaptionedVoice.h"
#include "LessonChain.h"
#include "Look.h"
#include "Narrator.h"
#include "PictureBox.h"
#include "PressLabel.h"
#include "PrgModule.h"
#include "RunGuard.h"
#include "RunWindow.h"
#include "StepTracker.h"
#include "Run.h"
#include "TargetButton.h"
#include "TextPlate.h"
#include "Timer.h"
#include "content/PicturesAhead.h"
#include "course/ControlNames.h"
#include "kinds/PressCounter.h"
#include "kinds/RunEnding.h"
#include "kinds/ThrottleSteps.h"
#include "kinds/TimedSequence.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
#include <QPushButton>

#include <algorithm>

namespace kelvora {

LessonScreen::LessonScreen(Run &run, const LessonDesign &design)
    : Screen(run, LessonPictureSize), m_design(design), m_layout(m_design.layout),
      m_tracker(new StepTracker(*this, design.screen))
{
    setObjectName(QStringLiteral("Form%1").arg(design.screen, 3, 10, QLatin1Char('0')));
    setWindowTitle(design.caption);
    createCommonControls();
    createMarks();
    createKinds();
    if (run.access().captions)
        new CaptionLine(*this, m_design.soundCaptions);
    if (design.fitPictures) {
        fitPictures();
        m_inset->fitPictures();
    }
    for (const StepDesign &step : m_design.steps) {
        m_steps.push_back({&step, timer(step.activeWhile), mark(step.mark)});
        m_tracker->track(m_steps.back().activeWhile, m_steps.back().mark);
        addTarget(m_steps.back().activeWhile, m_steps.back().mark);
    }
    m_continue = new TargetButton(*mark(names::ContinueMark), QString(), run.access().keyboard);
    connect(m_continue, &TargetButton::triggered, this, [this] { pressTarget(*m_continue); });
    connect(timer(names::ContinueTimer), &Timer::started, this, [this] { keepFocusReachable(); });
}

void LessonScreen::trackStep(const QString &activeWhile, const QString &markName)
{
    m_tracker->track(timer(activeWhile), mark(markName));
    addTarget(timer(activeWhile), mark(markName));
}

bool LessonScreen::Target::active() const
{
    return std::any_of(activeWhile.begin(), activeWhile.end(), [](const Timer *timer) { return timer->isEnabled(); });
}

void LessonScreen::addTarget(Timer *activeWhile, Shape *mark)
{
    connect(activeWhile, &Timer::started, this, [this] { keepFocusReachable(); });
    for (Target &target : m_targets) {
        if (target.button->mark() == mark) {
            target.activeWhile.push_back(activeWhile);
            return;
        }
    }
    auto *button = new TargetButton(*mark, QString(), run().access().keyboard);
    m_targets.push_back({{activeWhile}, button});
    connect(button, &TargetButton::triggered, this, [this, button] { pressTarget(*button); });
}

QString LessonScreen::targetName(const QString &markName, int number) const
{
    const auto labels = m_design.targetLabels.find(markName.toLower());
    if (labels != m_design.targetLabels.end() && !labels->second.isEmpty()) {
        const int language = run().language >= 1 && run().language <= labels->second.size() ? run().language : 1;
        return labels->second.at(language - 1);
    }
    return tr("Control %1").arg(number);
}

QList<QWidget *> LessonScreen::keyboardOrder() const
{
    const bool checking = run().mode() == RunMode::Check;
    std::vector<std::pair<QPointF, QWidget *>> targets;
    for (const Target &target : m_targets) {
        if ((checking || target.active()) && target.button->isVisibleTo(this))
            targets.emplace_back(target.button->parentWidget()->mapTo(this, target.button->middle()), target.button);
    }
    // Rows of about a mark's height, each read from left to right.
    std::stable_sort(targets.begin(), targets.end(), [](const auto &a, const auto &b) {
        constexpr qreal Row = 48;
        const int rowA = int(a.first.y() / Row), rowB = int(b.first.y() / Row);
        return rowA != rowB ? rowA < rowB : a.first.x() < b.first.x();
    });
    QList<QWidget *> order;
    for (const auto &target : targets)
        order << target.second;
    if (timer(names::ContinueTimer)->isEnabled() || continueLabel()->isVisibleTo(this))
        order << m_continue;
    order << control<QWidget>(names::Exit);
    return order;
}

bool LessonScreen::focusNextPrevChild(bool next)
{
    if (!run().access().keyboard)
        return Screen::focusNextPrevChild(next);
    const QList<QWidget *> order = keyboardOrder();
    const qsizetype at = order.indexOf(focusWidget());
    qsizetype to = 0;
    if (at < 0)
        to = next ? 0 : order.size() - 1;
    else
        to = (at + (next ? 1 : order.size() - 1)) % order.size();
    order.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void LessonScreen::focusFirst()
{
    const QList<QWidget *> order = keyboardOrder();
    if (order.size() > 1)
        order.front()->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

// After a press or when a target becomes active: the focus leaves what Tab no longer reaches, and the page or
// Exit, where it went for want of anything to press, give it to what can be pressed now.
void LessonScreen::keepFocusReachable()
{
    if (!run().access().keyboard || isLeaving())
        return;
    QWidget *focus = focusWidget();
    const QList<QWidget *> order = keyboardOrder();
    if (!focus || focus == this || !order.contains(focus) || (focus == order.back() && order.size() > 1))
        focusFirst();
}

void LessonScreen::pressTarget(const TargetButton &button)
{
    if (isLeaving())
        return;
    const QPointF atScreen = button.parentWidget()->mapTo(this, button.middle());
    QWidget *receiver = childAt(atScreen.toPoint());
    if (!receiver)
        receiver = this;
    const QPointF local = receiver->mapFrom(this, atScreen);
    const QPointF global = receiver->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &release);
    keepFocusReachable();
}

void LessonScreen::keyPressEvent(QKeyEvent *event)
{
    Narrator *narrator = run().narrator();
    if (narrator && event->key() == Qt::Key_N && !event->isAutoRepeat())
        narrator->repeat();
    else
        Screen::keyPressEvent(event);
}

void LessonScreen::createCommonControls()
{
    auto *explain = new PressLabel(this, names::Explain,
                                   QRect(m_layout.explain, QSize(ExplainWidth, m_layout.explainHeight)), QString());
    explain->setFont(captionFont());
    setTextColor(explain, MarkYellow);
    explain->setWordWrap(true);
    explain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_announcer = new Announcer(this, explain->geometry());

    m_inset = new PictureBox(this, names::Inset, QRect(m_layout.inset, InsetSize));

    addButton(this, names::Next, {758, 6, 103, 27}, QStringLiteral("Next  ->"));
    auto *exit = addButton(this, names::Exit, {m_layout.exitLeft, 6, 37, 27}, QStringLiteral("Exit"));
    addButton(this, names::ReadMore, QRect(m_layout.readMore, QSize(103, 27)), QStringLiteral("Raed  ->"));
    connect(control<QPushButton>(names::Next), &QPushButton::clicked, this, guarded(this, [this] { next(); }));
    connect(exit, &QPushButton::clicked, this, guarded(this, [this] { exitProgram(); }));
    connect(control<QPushButton>(names::ReadMore), &QPushButton::clicked, this, guarded(this, [this] { readMore(); }));
    exit->setFocus();

    auto *label = new PressLabel(this, names::ContinueLabel, m_layout.continueLabel, QStringLiteral("Devam"));
    label->setFont(captionFont());
    setTextColor(label, MarkYellow);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setVisible(m_layout.continueLabelShown);
    connect(label, &PressLabel::pressed, this, [this, label] {
        if (!label->isHidden())
            next();
    });

    new Shape(this, names::ContinueMark, m_layout.continueMark, Shape::Kind::Oval, MarkYellow,
              m_layout.continueMarkShown);
    addBlinkTimer(names::ContinueTimer, m_layout.continueBlinking);
}

void LessonScreen::createMarks()
{
    for (const MarkDesign &design : m_design.marks) {
        auto *shape = new Shape(this, design.name, design.rect, design.kind, design.border, design.visible);
        shape->setIndex(design.index);
    }
    for (const BlinkTimerDesign &design : m_design.blinkTimers)
        addBlinkTimer(design.name, design.enabled, design.blinks);
}

// Always in this order, the quadrant before the sequence: the order controls and timers are created in is the
// order they are stacked in and tick in when due together.
void LessonScreen::createKinds()
{
    if (m_design.throttleQuadrant)
        m_kinds.push_back(new ThrottleSteps(*this, *m_design.throttleQuadrant));
    if (m_design.timedSequence)
        m_kinds.push_back(new TimedSequence(*this, *m_design.timedSequence));
    if (m_design.pressCounter)
        m_kinds.push_back(new PressCounter(*this, *m_design.pressCounter));
    if (m_design.runEnding)
        m_kinds.push_back(new RunEnding(*this, *m_design.runEnding));
}

Timer *LessonScreen::addBlinkTimer(const QString &name, bool enabled, const QStringList &blinks)
{
    Timer *blinkTimer = new Timer(this, name, m_layout.blinkInterval, enabled);
    QStringList marks = blinks;
    if (marks.isEmpty())
        marks << names::markOfBlinkTimer(name);
    connect(blinkTimer, &Timer::ticked, this, [this, marks] {
        for (const QString &markName : marks)
            blink(markName);
    });
    return blinkTimer;
}

// Flips every mark of that name: one mark, or each member of a group in index order.
void LessonScreen::blink(const QString &markName)
{
    for (Shape *shape : findChildren<Shape *>()) {
        if (shape->objectName().compare(markName, Qt::CaseInsensitive) != 0)
            continue;
        if (run().access().steadyMarks) {
            shape->setSteady(true);
            shape->show();
        } else {
            shape->toggleVisible();
        }
    }
}

QString LessonScreen::languageText() const
{
    return QString::number(run().language);
}

void LessonScreen::showNextLine()
{
    ShowNextExplanation(*this, languageText());
    explanationChanged();
}

QString LessonScreen::explanation() const
{
    return control<QLabel>(names::Explain)->text();
}

void LessonScreen::explanationChanged()
{
    m_announcer->announce(explanation());
    if (Narrator *narrator = run().narrator()) {
        const CourseLanguage *language = run().course().language(run().language);
        narrator->say(explanation(), language ? language->tag : QString(),
                      run().course().narrationOf(run().language, run().explanationCursor));
    }
}

QString LessonScreen::inLanguage(const QStringList &texts) const
{
    return texts.isEmpty() ? QString() : texts.value(run().language - 1, texts.front());
}

void LessonScreen::pictureChanged()
{
    plateWhereUnreadable(*control<QLabel>(names::Explain), picture());
    plateWhereUnreadable(*control<QLabel>(names::ContinueLabel), picture());
}

// The page's first explanation was read while it loaded, before it could be announced.
void LessonScreen::showEvent(QShowEvent *event)
{
    Screen::showEvent(event);
    if (!event->spontaneous())
        m_announcer->announce(explanation());
}

void LessonScreen::restartLoop()
{
    if (m_design.loop.isEmpty())
        return;
    playLoop(m_design.loop);
}

void LessonScreen::playLoop(const QString &name)
{
    if (m_design.ownLoop && run().loopPlaying() == name)
        return;
    run().play(name.toStdString(), NoModule, SoundAsync | SoundLoop);
}

void LessonScreen::setInset(const QString &name)
{
    m_inset->setPicture(name);
}

QWidget *LessonScreen::continueLabel() const
{
    return control<QWidget>(names::ContinueLabel);
}

void LessonScreen::load()
{
    m_tracker->screenLoaded();
    const int language = run().language;
    if (language >= 1 && language <= m_design.captions.size())
        setWindowTitle(m_design.captions.at(language - 1));
    LocalizeScreen(*this, language);
    if (number() == 1)
        run().explanationCursor = 0; // the first lesson starts the run's explanation lines
    showNextLine();
    if (m_layout.continueLabelInFront)
        continueLabel()->raise();
    if (m_design.inset.isEmpty())
        m_inset->hide();
    else
        setInset(m_design.inset);
    for (LessonKind *kind : m_kinds)
        kind->loadInsets();
    setPicture(m_design.firstPhotograph);
    if (m_design.ownLoop && m_design.loop.isEmpty() && !run().loopPlaying().isEmpty())
        run().play("", NoModule, SoundAsync); // the loop of the screen before stops with it
    runActions(m_design.atLoad);
    for (LessonKind *kind : m_kinds)
        kind->loaded();
    // Named in the run's language, known from the load on.
    for (size_t i = 0; i < m_targets.size(); ++i)
        m_targets[i].button->setName(targetName(m_targets[i].button->mark()->objectName(), int(i) + 1));
    m_continue->setName(control<QLabel>(names::ContinueLabel)->text());
    setAccessibleName(windowTitle());
    setAccessibleDescription(inLanguage(m_design.photographDescriptions));
    m_inset->setAccessibleDescription(inLanguage(m_design.insetDescriptions));
    if (auto *captioned = dynamic_cast<CaptionedVoice *>(&run().voice())) {
        if (auto *line = findChild<CaptionLine *>(QString(), Qt::FindDirectChildrenOnly))
            captioned->tellLoopGoingOn(*line);
    }
    if (run().authorMode())
        new AuthorView(*this);
    if (run().access().keyboard)
        focusFirst();
}

// A page of the author's photographs reads ahead what its next press can show,
// then what its Continue leads to; the built-in course's photographs are of the
// page's size and decode within a frame, so its pages read ahead only the next page.
QList<PictureShown> LessonScreen::picturesAhead() const
{
    const QList<PictureShown> opening = openingPictures(run(), number() + 1);
    if (!m_design.fitPictures)
        return opening;
    QStringList photographs;
    for (const Step &step : m_steps) {
        if (!step.design->photograph.isEmpty() && step.activeWhile->isEnabled())
            photographs.append(step.design->photograph);
    }
    for (const LessonKind *kind : m_kinds)
        photographs += kind->photographsAhead();
    QList<PictureShown> pictures;
    for (const QString &photograph : std::as_const(photographs)) {
        if (pictures.size() + opening.size() >= MostPicturesAhead)
            break;
        pictures.append({photograph, size()});
    }
    return pictures + opening;
}

void LessonScreen::readAheadAgain()
{
    if (isLeaving() || !m_design.fitPictures)
        return;
    if (RunWindow *window = RunWindow::hosting(*this))
        window->readAhead(*this);
}

void LessonScreen::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (isLeaving())
        return;
    runHandler(this, [this, position = event->position()] {
        const StepTracker::Press watch(*m_tracker, this, position);
        pressWindow(position);
        readAheadAgain();
    });
}

void LessonScreen::pressWindow(QPointF position)
{
    for (LessonKind *kind : m_kinds) {
        if (kind->press(position))
            return;
    }
    for (const Step &step : m_steps) {
        if (step.activeWhile->isEnabled() && step.mark->hits(position)) {
            runStep(step);
            return;
        }
    }
    pressContinueMark(position);
}

void LessonScreen::pressContinueMark(QPointF position)
{
    if (timer(names::ContinueTimer)->isEnabled() && mark(names::ContinueMark)->hits(position))
        next();
}

void LessonScreen::runStep(const Step &step)
{
    const StepDesign &design = *step.design;
    if (!design.cue.isEmpty())
        PlayCue(*this, design.cue);
    if (!design.sound.isEmpty())
        run().play(design.sound.toStdString(), SoundModule, SoundSync);
    if (isLeaving())
        return; // handed over while the cue played
    if (m_design.engineLoop)
        restartLoop();
    if (!design.photograph.isEmpty())
        setPicture(design.photograph);
    step.activeWhile->setEnabled(false);
    step.mark->hide();
    runActions(design.followUp);
    if (design.nextLine)
        showNextLine();
}

// A cue among them may hand the screen over; what follows it is then left undone.
void LessonScreen::runActions(const Actions &actions)
{
    for (const ScreenAction &action : actions) {
        if (isLeaving())
            return;
        runAction(action);
    }
}

void LessonScreen::runAction(const ScreenAction &action)
{
    const QString &name = action.argument;
    using Verb = ScreenAction::Verb;
    switch (action.verb) {
    case Verb::Show: control<QWidget>(name)->show(); break;
    case Verb::Hide: control<QWidget>(name)->hide(); break;
    case Verb::Start: timer(name)->setEnabled(true); break;
    case Verb::Stop: timer(name)->setEnabled(false); break;
    case Verb::Photograph: setPicture(name); break;
    case Verb::Inset: setInset(name); break;
    case Verb::Line: showNextLine(); break;
    case Verb::Sound: run().play(name.toStdString(), SoundModule, SoundAsync); break;
    case Verb::Loop: playLoop(name); break;
    case Verb::Cue: PlayCue(*this, name); break;
    }
}

void LessonScreen::next()
{
    if (isLeaving())
        return;
    for (LessonKind *kind : m_kinds) {
        if (kind->next())
            return;
    }
    Screen *following = createLessonScreen(run(), number() + 1);
    if (!following)
        throw RuntimeError(RuntimeError::Kind::ScreenNotFound, QStringLiteral("Form%1").arg(number() + 1, 3, 10, QLatin1Char('0')),
                           QStringLiteral("the screen after %1").arg(objectName()));
    GoToScreen(*this, *following);
}

void LessonScreen::finishRun()
{
    run().ended(RunResult::completed());
    Screen *results = run().mode() == RunMode::Check ? run().makeResultsPage() : nullptr;
    if (results)
        GoToScreen(*this, *results);
    else
        run().end(0);
}

void LessonScreen::exitProgram()
{
    run().ended(RunResult::left());
    run().play(ExitClickSound, SoundModule, SoundAsync);
    if (m_layout.exitRequests == 2)
        run().play("", SoundModule, SoundAsync);
    run().end(0);
}

void LessonScreen::readMore()
{
    showNextLine();
}

} // namespace kelvora
