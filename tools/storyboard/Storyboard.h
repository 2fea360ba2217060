#pragma once

#include "SilentSoundPlayer.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>

namespace kelvora {

class Run;

class Screen;
class Shape;
class Timer;

// One rendered state of a lesson screen.
struct StoryFrame {
    int screen = 0;
    QString state;       // "load", "step 2", "press 3", "TimerDVMBekle tick 4", "shpthr at 74, 188"
    QString file;        // PNG file name in the output folder
    QString explanation; // the line on display
    QStringList sounds;  // sound requests that led to this state
    QByteArray pixelHash; // SHA-256 of the picture's pixels, whatever the PNG encoder makes of them
    QImage thumbnail;
};

// Walks lesson screens as a trainee would and renders every state they go
// through: after load, after each press on the active mark (the mark that an
// enabled blink timer of the course blinks), after each tick of the screens'
// delay and sequence timers that changes something, and at every place a
// control moves to during a press. Blinking marks are drawn in their shown
// phase. Real timers are held back: every tick is delivered here, so the
// pictures are the same on every run. A screen that goes through more states
// than any screen needs, or that ends without a way on, is reported.
class Storyboard : public QObject {
    Q_OBJECT
public:
    // With `picturesToo` false only the states and their pixel hashes are kept.
    Storyboard(Run &run, const QString &outFolder, bool picturesToo = true);
    ~Storyboard() override;

    // Renders every state of lesson screen `number`; false when the chain has
    // no such screen yet.
    bool renderScreen(int number);

    const QList<StoryFrame> &frames() const { return m_frames; }
    const QStringList &errors() const { return m_errors; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void walk();
    void pressStep(Timer *timer, QSet<Timer *> &inert);
    void press(QPoint point);
    void snapshot(const QString &state);
    QList<Shape *> blinkedBy(Timer *timer) const;
    QList<Timer *> enabledTimers(bool blinking) const;
    int blinkTimerNumber(const Timer *timer) const;
    bool isStepTimer(const Timer *timer) const;
    Timer *timer(const QString &name) const;
    QString signature() const;
    QString stepState(Timer *timer) const;
    QString tickState(Timer *timer) const;
    int statesSoFar(const QString &prefix) const;

    Run &m_run;
    QString m_outFolder;
    bool m_picturesToo = true;
    SilentSoundPlayer m_sound;
    Screen *m_screen = nullptr;
    int m_screenNumber = 0;
    bool m_pressing = false;
    QList<StoryFrame> m_frames;
    QStringList m_errors;
};

// Writes the picture as a PNG file, whole or not at all; empty, or the reason naming the file.
QString savePng(const QImage &image, const QString &path);

} // namespace kelvora
