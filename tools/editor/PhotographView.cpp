#include "PhotographView.h"

#include "ControlsOverlay.h"
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
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    fitInView(sceneRect(), Qt::KeepAspectRatio);
    if (!m_photograph.isEmpty())
        showPicture(false);
}

void PhotographView::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint delta;
    switch (event->key()) {
    case Qt::Key_Left: delta = {-step, 0}; break;
    case Qt::Key_Right: delta = {step, 0}; break;
    case Qt::Key_Up: delta = {0, -step}; break;
    case Qt::Key_Down: delta = {0, step}; break;
    default: QGraphicsView::keyPressEvent(event); return;
    }
    if (m_current >= 0 && m_current < m_targets.size() && m_targets.at(m_current)->isVisible())
        m_targets.at(m_current)->nudge(delta);
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
