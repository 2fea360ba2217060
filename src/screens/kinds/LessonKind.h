#pragma once

#include <QObject>
#include <QPointF>
#include <QStringList>

namespace kelvora {

class LessonScreen;

// A named behaviour a course adds to the lesson template: the template calls
// these hooks at its own points, and a kind acts through the screen's controls.
class LessonKind : public QObject {
    Q_OBJECT
public:
    explicit LessonKind(LessonScreen &screen);

    // After Picture1's inset is set, before the photograph.
    virtual void loadInsets() {}
    // At the end of the load sequence.
    virtual void loaded() {}
    // A press on the window, before the steps: true when the kind took it.
    virtual bool press(QPointF position);
    // The continue mark or Next: true when the kind ends the screen its own way.
    virtual bool next() { return false; }
    // The photographs the kind shows next, in the order it shows them.
    virtual QStringList photographsAhead() const { return {}; }

protected:
    LessonScreen &screen() const { return m_screen; }

private:
    LessonScreen &m_screen;
};

} // namespace kelvora
