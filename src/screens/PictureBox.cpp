#include "PictureBox.h"

#include "Run.h"
#include "Screen.h"

#include "RunGuard.h"
#include "content/ContentPicture.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>

namespace kelvora {

class PictureBox::Canvas : public QWidget {
public:
    Canvas(PictureBox *box) : QWidget(box), m_box(box) {}
    QImage picture;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.drawImage(0, 0, picture);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        event->accept();
        runHandler(this, [this, position = event->position()] { emit m_box->pressed(position); });
    }

private:
    PictureBox *m_box;
};

PictureBox::PictureBox(QWidget *parent, const QString &name, const QRect &rect, int borderWidth)
    : QFrame(parent), m_canvas(new Canvas(this))
{
    setObjectName(name);
    setGeometry(rect);
    if (borderWidth > 0) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(borderWidth);
    }
    m_canvas->setGeometry(contentsRect());
}

// The frame around the canvas is part of the box: it takes every press too.
void PictureBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

QWidget *PictureBox::canvas() const
{
    return m_canvas;
}

void PictureBox::setPicture(const QString &name)
{
    m_canvas->picture = QImage(); // one picture at a time, as on the page
    const Screen *screen = Screen::of(this);
    m_canvas->picture = loadContentPicture({name, m_fitPictures ? m_canvas->size() : QSize()},
                                           screen ? screen->run().contentRoot() : QDir::currentPath());
    m_pictureName = name;
    m_canvas->update();
}

} // namespace kelvora
