#include "Screen.h"

#include "Timer.h"
#include "content/ContentPicture.h"
#include "content/Letterbox.h"

#include <QPainter>

namespace kelvora {

Screen::Screen(const QSize &clientSize)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(clientSize);
}

void Screen::setPicture(const QString &name)
{
    m_picture = m_fitPictures ? letterboxed(loadContentPicture(name), size()) : loadContentPicture(name);
    m_pictureName = name;
    update();
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
    deleteLater();
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

void Screen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, m_picture);
}

} // namespace kelvora
