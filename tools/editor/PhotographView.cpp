#include "PhotographView.h"

#include "ControlsOverlay.h"
#include "TargetGeometry.h"
#include "TargetItem.h"
#include "content/ScaledPictures.h"
#include "content/Letterbox.h"
#include "content/PictureSizes.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QImageReader>
#include <QMimeData>
#include <QPixmap>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {
QString droppedPicture(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (formats.contains(QFileInfo(path).suffix().toLower().toLatin1()))
            return path;
    }
    return {};
}
} // namespace

PhotographView::PhotographView(QWidget *parent)
    : QGraphicsView(parent), m_frame(new QGraphicsRectItem), m_picture(new QGraphicsPixmapItem),
      m_message(new QGraphicsSimpleTextItem), m_controls(new ControlsOverlay)
{
    auto *page = new QGraphicsScene(QRectF(QPointF(0, 0), LessonPictureSize), this);
    setScene(page);
    page->addRect(page->sceneRect(), Qt::NoPen, Qt::black)->setZValue(-1);
    m_frame->setPen(Qt::NoPen);
    m_picture->setTransformationMode(Qt::SmoothTransformation);
    m_picture->setAcceptedMouseButtons(Qt::NoButton);
    // The picture, then the controls that cover it, then the targets: the author
    // sees a target under a control and can still take hold of it.
    page->addItem(m_picture);
    page->addItem(m_controls);
    page->addItem(m_frame);
    m_controls->setZValue(1);
    m_frame->setZValue(2);
    m_message->setBrush(QColor(0xD0, 0xD0, 0xD0));
    QFont font = m_message->font();
    font.setPixelSize(20);
    m_message->setFont(font);
    page->addItem(m_message);

    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    setBackgroundBrush(QColor(0x2A, 0x2B, 0x2E)); // around the page
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setMinimumSize(320, 240);
    connect(&m_pictures, &ScaledPictures::ready, this, [this](const QString &path) {
        if (path == m_shownPath && !m_photograph.isEmpty())
            showPicture(false);
    });
    setPhotograph(QString());
}

void PhotographView::setPhotograph(const QString &path)
{
    // Steps often share a photograph: it is read again only when its file has changed.
    const QFileInfo file(path);
    if (!path.isEmpty() && path == m_shownPath && file.lastModified() == m_shownModified)
        return;
    m_shownPath = path;
    m_shownModified = file.lastModified();

    QString problem;
    if (path.isEmpty())
        problem = tr("No photograph yet: drop a picture file here.");
    else if (!file.exists())
        problem = tr("Photograph not found:\n%1").arg(path);

    m_photograph = QSize();
    m_picture->setPixmap(QPixmap());
    showMessage(problem);
    if (problem.isEmpty())
        showPicture(true);
    placeTargets();
}

// The photograph decoded at the size the canvas draws it, in steps of a quarter
// of the page so that resizing the window does not decode it at every size. A
// new photograph is shown at once; at a new zoom the one shown stays until the
// worker has decoded it again.
void PhotographView::showPicture(bool now)
{
    const double zoom = std::max(0.25, std::ceil(transform().m11() * devicePixelRatioF() * 4) / 4);
    const QSize box = (QSizeF(LessonPictureSize) * zoom).toSize();
    const std::optional<ScaledPicture> picture =
        now ? m_pictures.pictureNow(m_shownPath, box) : m_pictures.picture(m_shownPath, box);
    if (!picture || m_shownPath.isEmpty())
        return; // ready() brings it
    if (picture->image.isNull()) {
        m_photograph = QSize();
        m_picture->setPixmap(QPixmap());
        placeTargets();
        showMessage(tr("Photograph cannot be read:\n%1\n%2").arg(m_shownPath, picture->problem));
        return;
    }
    const bool resized = m_photograph != picture->shown;
    m_photograph = picture->shown;
    const Letterbox fit = Letterbox::fit(m_photograph, LessonPictureSize);
    m_frame->setPos(fit.offset);
    m_frame->setScale(fit.scale);
    m_picture->setPixmap(QPixmap::fromImage(picture->image));
    m_picture->setPos(fit.offset);
    m_picture->setScale(fit.scale * m_photograph.width() / picture->image.width());
    if (resized && !now)
        placeTargets();
    if (resized && m_zoom > 0)
        applyZoom(); // one photograph pixel per screen pixel stays so for another photograph
}

void PhotographView::showMessage(const QString &message)
{
    m_message->setText(message);
    m_message->setVisible(!message.isEmpty());
    const QRectF box = m_message->boundingRect();
    m_message->setPos((LessonPictureSize.width() - box.width()) / 2, (LessonPictureSize.height() - box.height()) / 2);
}

void PhotographView::setTargets(const QList<QJsonObject> &targets, int current)
{
    m_targetObjects = targets;
    m_current = current;
    // Items are kept and reused: setTargets() is often called from targetEdited(),
    // while the item that emitted it is still handling its mouse release.
    while (m_targets.size() > targets.size()) {
        TargetItem *surplus = m_targets.takeLast();
        surplus->hide();
        surplus->deleteLater();
    }
    while (m_targets.size() < targets.size()) {
        auto *item = new TargetItem(m_frame);
        const int index = int(m_targets.size());
        connect(item, &TargetItem::edited, this, [this, index](const QJsonObject &target) { emit targetEdited(index, target); });
        m_targets.append(item);
    }
    placeTargets();
}

void PhotographView::placeTargets()
{
    for (qsizetype i = 0; i < m_targets.size(); ++i) {
        const std::optional<TargetGeometry> geometry = TargetGeometry::fromJson(m_targetObjects.at(i));
        TargetItem *item = m_targets.at(i);
        item->setVisible(geometry && !m_photograph.isEmpty());
        if (!item->isVisible())
            continue;
        item->setGeometry(*geometry, m_photograph);
        item->setEditable(i == m_current);
    }
}

void PhotographView::setInsetPlace(const QString &place)
{
    m_controls->setInsetPlace(place);
}

void PhotographView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    if (m_zoom <= 0)
        applyZoom();
}

void PhotographView::applyZoom()
{
    if (m_zoom <= 0) {
        fitInView(sceneRect(), Qt::KeepAspectRatio);
    } else {
        // m_zoom screen pixels per photograph pixel.
        const double perPage = m_zoom / std::max(1e-6, m_frame->scale());
        setTransform(QTransform::fromScale(perPage, perPage));
    }
    if (!m_photograph.isEmpty())
        showPicture(false);
}

void PhotographView::zoomToFit()
{
    m_zoom = 0;
    applyZoom();
}

void PhotographView::zoomToPhotographPixels()
{
    m_zoom = 1;
    applyZoom();
}

void PhotographView::zoomBy(double factor)
{
    const double now = m_zoom > 0 ? m_zoom : transform().m11() * m_frame->scale();
    m_zoom = std::clamp(now * factor, 0.05, 16.0);
    applyZoom();
}

QPointF PhotographView::photographPoint(QPoint viewPoint) const
{
    return m_frame->mapFromScene(mapToScene(viewPoint));
}

void PhotographView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    zoomBy(std::pow(1.25, event->angleDelta().y() / 120.0));
    event->accept();
}

void PhotographView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) { // pans a zoomed photograph
        m_panning = true;
        m_panFrom = event->pos();
        event->accept();
        return;
    }
    QGraphicsView::mousePressEvent(event);
    // A press no target took, on the photograph, starts drawing a new one.
    if (event->button() != Qt::LeftButton || scene()->mouseGrabberItem() || m_drawShape.isEmpty() || m_photograph.isEmpty())
        return;
    const QPointF at = photographPoint(event->pos());
    if (!QRectF(QPointF(0, 0), QSizeF(m_photograph)).contains(at))
        return;
    m_drawFrom = at;
    m_drawing = new QGraphicsRectItem(QRectF(at, at), m_frame);
    m_drawing->setPen(QPen(Qt::yellow, 0, Qt::DashLine));
    event->accept();
}

void PhotographView::mouseDoubleClickEvent(QMouseEvent *event)
{
    for (QGraphicsItem *item : items(event->pos())) {
        for (QGraphicsItem *at = item; at; at = at->parentItem()) {
            if (const qsizetype index = m_targets.indexOf(qobject_cast<TargetItem *>(at->toGraphicsObject())); index >= 0) {
                emit targetChosen(int(index));
                event->accept();
                return;
            }
        }
    }
    QGraphicsView::mouseDoubleClickEvent(event);
}

void PhotographView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_panning) {
        const QPoint by = event->pos() - m_panFrom;
        m_panFrom = event->pos();
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - by.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - by.y());
        return;
    }
    if (!m_drawing) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    QRectF box = QRectF(m_drawFrom, photographPoint(event->pos())).normalized();
    if (m_drawShape == QLatin1String("circle")) { // from the centre outwards
        const double r = std::max(box.width(), box.height());
        box = QRectF(m_drawFrom - QPointF(r, r), QSizeF(2 * r, 2 * r));
    }
    m_drawing->setRect(box);
}

void PhotographView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_panning) {
        m_panning = false;
        return;
    }
    if (!m_drawing) {
        QGraphicsView::mouseReleaseEvent(event);
        return;
    }
    const QRectF box = m_drawing->rect();
    delete m_drawing;
    m_drawing = nullptr;
    if (box.width() < 4 || box.height() < 4)
        return; // a click, not a drag
    TargetGeometry drawn;
    drawn.kind = m_drawShape == QLatin1String("circle") ? TargetGeometry::Kind::Circle
                 : m_drawShape == QLatin1String("oval") ? TargetGeometry::Kind::Oval
                                                        : TargetGeometry::Kind::Rectangle;
    drawn.rect = box;
    emit targetDrawn(drawn.fittedInto(m_photograph).toJson());
}

void PhotographView::keyPressEvent(QKeyEvent *event)
{
    // Arrows move the target by a pixel, Shift+arrows resize it; with Alt by ten.
    const int step = event->modifiers() & Qt::AltModifier ? 10 : 1;
    const bool resize = event->modifiers() & Qt::ShiftModifier;
    QPoint delta;
    switch (event->key()) {
    case Qt::Key_Left: delta = {-step, 0}; break;
    case Qt::Key_Right: delta = {step, 0}; break;
    case Qt::Key_Up: delta = {0, -step}; break;
    case Qt::Key_Down: delta = {0, step}; break;
    default: QGraphicsView::keyPressEvent(event); return;
    }
    if (m_current >= 0 && m_current < m_targets.size() && m_targets.at(m_current)->isVisible()) {
        if (resize)
            m_targets.at(m_current)->grow(delta);
        else
            m_targets.at(m_current)->nudge(delta);
    }
    event->accept();
}

void PhotographView::dragEnterEvent(QDragEnterEvent *event)
{
    if (droppedPicture(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void PhotographView::dragMoveEvent(QDragMoveEvent *event)
{
    if (droppedPicture(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void PhotographView::dropEvent(QDropEvent *event)
{
    const QString path = droppedPicture(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit photographDropped(path);
}

} // namespace kelvora
