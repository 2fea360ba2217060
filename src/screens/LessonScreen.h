#pragma once

#include "LessonDesign.h"
#include "Screen.h"
#include "Timer.h"

#include <vector>

class QPushButton;

namespace kelvora {

class PictureBox;
class PressLabel;
class StepTracker;

// The template every lesson screen follows: the common controls, the load
// sequence, blinking marks, the step machine over the lesson's table of steps,
// the continue mark that leads to the next screen, and Exit.
class LessonScreen : public Screen {
    Q_OBJECT
public:
    LessonScreen(const LessonDesign &design);

    int number() const { return m_design.screen; }

    Shape *mark(const QString &name) const { return control<Shape>(name); }
    Timer *timer(const QString &name) const { return control<Timer>(name); }

    // ShowNextExplanation for this screen in CurrentLanguage.
    void showNextLine();
    void setInset(const QString &name);

    // "images\0" + number + ".jpg": the names that lessons build from a counter.
    static QString numberedPhotograph(int number);

public slots:
    // The Next button's click procedure, which the continue mark runs.
    virtual void next();
    // The Exit button.
    void exitProgram();
    // The read-more button (hidden on every lesson screen).
    void readMore();

protected:
    void load() override;
    void mousePressEvent(QMouseEvent *event) override;

    // A press on the window: the first active step whose mark it hits, else the continue mark.
    virtual void pressWindow(QPointF position);
    bool pressContinueMark(QPointF position);

    // The load sequence's pictures other than the photograph: Picture1's bitmap.
    virtual void loadInsets();

    // CurrentLanguage as the decimal text the explanation reader takes.
    static QString languageText();

    Timer *addTimer(const QString &name, int intervalMs, bool enabled);
    Timer *addBlinkTimer(const QString &name, bool enabled, const std::vector<const char *> &blinks = {});
    void runFollowUp(const std::vector<FollowUp> &actions);
    // A click step that the lesson runs itself, followed like the table's steps.
    void trackStep(const char *activeWhile, const char *mark);
    StepTracker &stepTracker() const { return *m_tracker; }
    // The last screen is done: in check mode the results follow, else the program ends.
    void finishRun();
    // Restarts the running engine's looping sound.
    static void restartEngineLoop();
    QWidget *continueLabel() const;

private:
    struct Step {
        const StepDesign *design;
        Timer *activeWhile;
        Shape *mark;
    };

    void createCommonControls();
    void createMarks();
    void runStep(const Step &step);
    void runFollowUp(const FollowUp &action);
    void blink(const QString &markName);

    LessonDesign m_design;
    const LessonLayout &m_layout;
    PictureBox *m_inset = nullptr;
    std::vector<Step> m_steps;
    StepTracker *m_tracker;
};

} // namespace kelvora
