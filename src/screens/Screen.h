#pragma once

#include "platform/RuntimeError.h"

#include <QImage>
#include <QWidget>

namespace kelvora {

// One window of the trainer: its background is the current photograph, drawn
// unscaled from the origin, and it owns its controls as named children.
// A screen is loaded once, when it is first opened, and unloaded when the run
// moves on; an unloaded screen keeps nothing.
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(const QSize &clientSize);

    // The screen's picture: read from disk now, drawn from the origin.
    void setPicture(const QString &name); // throws RuntimeError
    const QString &pictureName() const { return m_pictureName; }

    // The child control of that name, without regard to letter case.
    // Throws RuntimeError (control not found) when the screen has none.
    QObject *control(const QString &name) const;
    template <class T> T *control(const QString &name) const;

    // Loads the screen if it is not loaded yet, then shows it.
    void open();
    // Stops the screen's timers, closes the window and destroys it later.
    void unload();

protected:
    virtual void load() = 0;
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QString m_pictureName;
    bool m_loaded = false;
};

template <class T> T *Screen::control(const QString &name) const
{
    if (T *typed = qobject_cast<T *>(control(name)))
        return typed;
    throw RuntimeError(RuntimeError::Kind::ControlNotFound, name,
                       QStringLiteral("on %1, of kind %2").arg(objectName(), QLatin1String(T::staticMetaObject.className())));
}

} // namespace kelvora
