#pragma once

#include "course/LessonDesign.h"
#include "Screen.h"
#include "Shape.h"
#include "Timer.h"

#include <vector>

class QPushButton;

namespace kelvora {

class Announcer;
class LessonKind;
class PictureBox;
class PressLabel;
class StepTracker;
class TargetButton;

// The template every lesson screen follows: the common controls, the load
// sequence, blinking marks, the step machine over the lesson's table of steps,
// the continue mark that leads to the next screen, and Exit. The named kinds of
// the design add their behaviour at the template's hooks.
class LessonScreen : public Screen {
    Q_OBJECT
public:
    LessonScreen(Run &run, const LessonDesign &design);

    int number() const { return m_design.screen; }

    Shape *mark(const QString &name) const { return control<Shape>(name); }
    Timer *timer(const QString &name) const { return control<Timer>(name); }

    // ShowNextExplanation for this screen in the run's language.
    void showNextLine();
    void setInset(const QString &name);
    void runActions(const Actions &actions);

    // Restarts the screen's looping sound.
    void restartLoop();
    // Plays a looping sound, unless the screen's own loop plays already.
    void playLoop(const QString &name);

    // A click step that a kind runs itself, followed like the table's steps.
    void trackStep(const QString &activeWhile, const QString &mark);
    StepTracker &stepTracker() const { return *m_tracker; }
    // The last screen is done: in check mode the results follow, else the program ends.
    void finishRun();
    QList<PictureShown> picturesAhead() const override;
    // What the next press can show has changed: read it ahead instead.
    void readAheadAgain();

public slots:
    // The Next button's click procedure, which the continue mark runs.
    void next();
    // The Exit button.
    void exitProgram();
    // The read-more button (hidden on every lesson screen).
    void readMore();

protected:
    void load() override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void pictureChanged() override;
    // With keyboard operation, Tab goes round the targets, Continue and Exit only.
    bool focusNextPrevChild(bool next) override;

private:
    struct Step {
        const StepDesign *design;
        Timer *activeWhile;
        Shape *mark;
    };

    // A press on the window: a kind that takes it, else the first active step
    // whose mark it hits, else the continue mark.
    void pressWindow(QPointF position);
    void pressContinueMark(QPointF position);
    // The run's language as the decimal text the explanation reader takes.
    QString languageText() const;

    // A place to press, reachable from the keyboard and named for the screen reader.
    struct Target {
        std::vector<Timer *> activeWhile; // a mark may serve several steps
        TargetButton *button;
        bool active() const;
    };
    void addTarget(Timer *activeWhile, Shape *mark);
    QString targetName(const QString &markName, int number) const;
    // What Tab reaches now: in guided runs the active targets, in check runs every
    // one (so the focus tells nothing), in reading order; then Continue and Exit.
    QList<QWidget *> keyboardOrder() const;
    // The focus on the first of them other than Exit, else on the page itself.
    void focusFirst();
    void keepFocusReachable();
    // A press in the middle of the button's mark, delivered as a click there would be.
    void pressTarget(const TargetButton &button);

    // A new explanation is on display: told to the screen reader and the narrator.
    void explanationChanged();
    QString explanation() const;
    // The text of the run's language from a list by language, else the first language's.
    QString inLanguage(const QStringList &texts) const;

    void createCommonControls();
    void createMarks();
    void createKinds();
    Timer *addBlinkTimer(const QString &name, bool enabled, const QStringList &blinks = {});
    void runAction(const ScreenAction &action);
    void runStep(const Step &step);
    void blink(const QString &markName);
    QWidget *continueLabel() const;

    LessonDesign m_design;
    const LessonLayout &m_layout;
    PictureBox *m_inset = nullptr;
    Announcer *m_announcer = nullptr;
    std::vector<Step> m_steps;
    std::vector<Target> m_targets;
    TargetButton *m_continue = nullptr;
    std::vector<LessonKind *> m_kinds;
    StepTracker *m_tracker;
};

} // namespace kelvora
