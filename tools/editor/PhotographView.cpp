// Stand-in until the canvas lands: shows the photograph, nothing more.
#include "PhotographView.h"

#include <QDragEnterEvent>
#include <QGraphicsPixmapItem>
#include <QMimeData>

namespace kelvora {

PhotographView::PhotographView(QWidget *parent) : QGraphicsView(parent)
{
    setScene(new QGraphicsScene(this));
    m_photograph = scene()->addPixmap({});
    setAcceptDrops(true);
}

void PhotographView::setPhotograph(const QString &path)
{
    m_photograph->setPixmap(QPixmap(path));
    fitInView(m_photograph, Qt::KeepAspectRatio);
}

void PhotographView::setTargets(const QList<QJsonObject> &targets, int current)
{
    m_targetObjects = targets;
    m_current = current;
}

void PhotographView::setInsetPlace(const QString &) {}
void PhotographView::resizeEvent(QResizeEvent *event) { QGraphicsView::resizeEvent(event); }
void PhotographView::keyPressEvent(QKeyEvent *event) { QGraphicsView::keyPressEvent(event); }
void PhotographView::dragEnterEvent(QDragEnterEvent *event) { event->acceptProposedAction(); }
void PhotographView::dragMoveEvent(QDragMoveEvent *event) { event->acceptProposedAction(); }

void PhotographView::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->urls().isEmpty())
        emit photographDropped(event->mimeData()->urls().first().toLocalFile());
}

void PhotographView::placeTargets() {}
void PhotographView::showMessage(const QString &) {}

} // namespace kelvora
