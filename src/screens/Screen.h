#pragma once

#include "PageBackground.h"
#include "content/ContentPicture.h"
#include "platform/RuntimeError.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace kelvora {

class Run;

// One page of the trainer: its background is the current photograph, drawn
// from the origin in design units, and it owns its controls as named children.
// It paints every pixel of itself, black where the photograph leaves any.
// A screen is loaded once, when it is first opened, and unloaded when the run
// moves on; an unloaded screen keeps nothing. The run window hosts it; a screen
// without one (a test's, the storyboard's) is a window of its own. A screen
// belongs to one run, which it reaches through run().
class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(Run &run, const QSize &clientSize);

    Run &run() const { return m_run; }

    // The screen's picture: read from disk now, drawn from the origin.
    void setPicture(const QString &name); // throws RuntimeError
    // From now on pictures of any size are fitted whole into the screen (letterboxed) as they are read.
    void fitPictures() { m_fitPictures = true; }
    const QString &pictureName() const { return m_pictureName; }
    // The photograph as the page draws it, from its top-left corner.
    const QImage &picture() const { return m_picture; }

    // The child control of that name, without regard to letter case.
    // Throws RuntimeError (control not found) when the screen has none.
    QObject *control(const QString &name) const;
    template <class T> T *control(const QString &name) const;

    // Loads the screen if it is not loaded yet, then shows it.
    void open();
    void ensureLoaded();
    // Stops the screen's timers, hides it and destroys it later: once none of
    // its handlers is on the stack any more.
    void unload();

    // Marks one handler of the screen (a press, a click, a tick) as running for
    // its lifetime. A pause inside a handler handles pending events, which may
    // hand the screen over; the screen outlives the handler all the same, and
    // the handler stops after the pause when the screen is leaving.
    class Handling {
    public:
        explicit Handling(Screen *screen);
        ~Handling();
        Handling(const Handling &) = delete;
        Handling &operator=(const Handling &) = delete;

    private:
        QPointer<Screen> m_screen;
    };
    // The screen the object belongs to (itself or an ancestor), if any.
    static Screen *of(const QObject *object);

    // The screen hands over to the next one or ends the run: its timers stop and
    // from now on it takes no press. False when it was leaving already, so a
    // second Next never runs.
    bool leave();
    bool isLeaving() const { return m_leaving; }
    void stopTimers();

    // The pictures the next page opens with, read ahead while this one is shown.
    virtual QList<PictureShown> picturesAhead() const { return {}; }

protected:
    virtual void load() = 0;
    // A new photograph is on the page.
    virtual void pictureChanged() {}
    void paintEvent(QPaintEvent *event) override;

private:
    void destroyLater();

    Run &m_run;
    QImage m_picture;
    PageBackground m_background;
    QString m_pictureName;
    bool m_loaded = false;
    bool m_fitPictures = false;
    bool m_leaving = false;
    bool m_unloaded = false;
    int m_handlersRunning = 0;
};

template <class T> T *Screen::control(const QString &name) const
{
    if (T *typed = qobject_cast<T *>(control(name)))
        return typed;
    throw RuntimeError(RuntimeError::Kind::ControlNotFound, name,
                       QStringLiteral("on %1, of kind %2").arg(objectName(), QLatin1String(T::staticMetaObject.className())));
}

} // namespace kelvora
