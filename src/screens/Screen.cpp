#include "Screen.h"

#include "Run.h"
#include "Timer.h"
#include "content/ContentPicture.h"

#include <QPaintEvent>
#include <QPainter>

namespace kelvora {

Screen::Screen(Run &run, const QSize &clientSize) : m_run(run)
{
    run.adopt(*this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(clientSize);
}

void Screen::setPicture(const QString &name)
{
    m_picture = QImage(); // one photograph at a time: the last one goes before the next is read
    m_picture = loadContentPicture({name, m_fitPictures ? size() : QSize()}, m_run.contentRoot());
    m_background.clear();
    m_pictureName = name;
    update();
    pictureChanged();
}

QObject *Screen::control(const QString &name) const
{
    const QList<QObject *> children = findChildren<QObject *>();
    for (QObject *child : children) {
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    }
    throw RuntimeError(RuntimeError::Kind::ControlNotFound, name, QStringLiteral("on %1").arg(objectName()));
}

void Screen::open()
{
    ensureLoaded();
    show();
}

void Screen::ensureLoaded()
{
    if (!m_loaded) {
        m_loaded = true;
        load();
    }
}

void Screen::unload()
{
    stopTimers();
    hide();
    m_unloaded = true;
    if (m_handlersRunning == 0)
        destroyLater();
}

void Screen::destroyLater()
{
    deleteLater();
}

Screen::Handling::Handling(Screen *screen) : m_screen(screen)
{
    if (m_screen)
        ++m_screen->m_handlersRunning;
}

Screen::Handling::~Handling()
{
    if (m_screen && --m_screen->m_handlersRunning == 0 && m_screen->m_unloaded)
        m_screen->destroyLater();
}

Screen *Screen::of(const QObject *object)
{
    for (; object; object = object->parent()) {
        if (auto *screen = qobject_cast<Screen *>(const_cast<QObject *>(object)))
            return screen;
    }
    return nullptr;
}

bool Screen::leave()
{
    if (m_leaving)
        return false;
    m_leaving = true;
    stopTimers();
    return true;
}

void Screen::stopTimers()
{
    for (Timer *timer : findChildren<Timer *>())
        timer->setEnabled(false);
}

void Screen::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_background.paint(painter, m_picture, event->region());
}

} // namespace kelvora
