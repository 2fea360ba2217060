#include "OutlineView.h"

#include "CourseDocument.h"

#include <QDateTime>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace kelvora {

namespace {
constexpr QSize ThumbnailSize(96, 72);
constexpr int PlaceRole = Qt::UserRole;

QString label(const QJsonObject &object, const QString &firstTag)
{
    const QString id = object.value(QStringLiteral("id")).toString();
    const QString title = object.value(QStringLiteral("title")).toObject().value(firstTag).toString();
    const QString text = object.value(QStringLiteral("text")).toObject().value(firstTag).toString();
    QString line = title.isEmpty() ? id : QStringLiteral("%1 (%2)").arg(title, id);
    if (!text.isEmpty())
        line += QLatin1Char('\n') + (text.size() > 40 ? text.left(39) + QChar(0x2026) : text);
    return line;
}
} // namespace

OutlineView::OutlineView(const CourseDocument &document, QWidget *parent) : QTreeWidget(parent), m_document(document)
{
    setHeaderHidden(true);
    setIconSize(ThumbnailSize);
    setDragDropMode(QAbstractItemView::InternalMove);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAccessibleName(tr("Course outline"));
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_rebuilding && item)
            emit placeSelected(placeOf(item));
    });
}

CoursePlace OutlineView::placeOf(const QTreeWidgetItem *item)
{
    const QPoint place = item->data(0, PlaceRole).toPoint();
    return {place.x(), place.y()};
}

QIcon OutlineView::thumbnail(const QString &photograph)
{
    const QString path = m_document.pathOf(photograph);
    const QFileInfo info(path);
    const QString key = path + QLatin1Char('@') + QString::number(info.lastModified().toMSecsSinceEpoch());
    if (!m_thumbnails.contains(key)) {
        QPixmap canvas(ThumbnailSize);
        canvas.fill(Qt::black);
        QImageReader reader(path);
        reader.setAutoTransform(true);
        if (reader.canRead()) {
            const QSize size = reader.size().scaled(ThumbnailSize, Qt::KeepAspectRatio);
            reader.setScaledSize(size);
            QPainter(&canvas).drawImage((ThumbnailSize.width() - size.width()) / 2,
                                        (ThumbnailSize.height() - size.height()) / 2, reader.read());
        }
        m_thumbnails.insert(key, QIcon(canvas));
    }
    return m_thumbnails.value(key);
}

void OutlineView::rebuild()
{
    const CoursePlace kept = selectedPlace();
    m_rebuilding = true;
    clear();
    const QString firstTag = m_document.languageTags().value(0);
    const QJsonArray screens = m_document.screens();
    for (int s = 0; s < screens.size(); ++s) {
        const QJsonObject screen = screens.at(s).toObject();
        auto *screenItem = new QTreeWidgetItem(this, {QStringLiteral("%1. %2").arg(s + 1).arg(label(screen, firstTag))});
        screenItem->setData(0, PlaceRole, QPoint(s, -1));
        screenItem->setIcon(0, thumbnail(screen.value(QStringLiteral("photograph")).toString()));
        screenItem->setFlags(screenItem->flags() | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
        const QJsonArray steps = screen.value(QStringLiteral("steps")).toArray();
        for (int t = 0; t < steps.size(); ++t) {
            const QJsonObject step = steps.at(t).toObject();
            auto *stepItem = new QTreeWidgetItem(screenItem, {label(step, firstTag)});
            stepItem->setData(0, PlaceRole, QPoint(s, t));
            const QString left = step.value(QStringLiteral("photograph")).toString();
            stepItem->setIcon(0, thumbnail(left.isEmpty() ? m_document.photographBefore({s, t + 1}) : left));
            stepItem->setFlags((stepItem->flags() | Qt::ItemIsDragEnabled) & ~Qt::ItemIsDropEnabled);
        }
    }
    expandAll();
    m_rebuilding = false;
    select(kept);
}

void OutlineView::select(CoursePlace place)
{
    QTreeWidgetItem *item = place.screen >= 0 ? topLevelItem(place.screen) : nullptr;
    if (item && place.step >= 0)
        item = item->child(place.step);
    const bool quiet = m_rebuilding;
    m_rebuilding = true;
    setCurrentItem(item);
    m_rebuilding = quiet;
}

CoursePlace OutlineView::selectedPlace() const
{
    return currentItem() ? placeOf(currentItem()) : CoursePlace{};
}

void OutlineView::mousePressEvent(QMouseEvent *event)
{
    if (itemAt(event->position().toPoint())) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    select({});
    emit placeSelected({});
}

void OutlineView::dropEvent(QDropEvent *event)
{
    // The course moves the item; the list follows it in rebuild().
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    const QTreeWidgetItem *dragged = currentItem();
    const QTreeWidgetItem *onto = itemAt(event->position().toPoint());
    if (!dragged || !onto)
        return;
    const CoursePlace from = placeOf(dragged);
    const CoursePlace to = placeOf(onto);
    if (from.step < 0)
        emit moveRequested(from, to.screen);
    else if (to.screen == from.screen)
        emit moveRequested(from, to.step < 0 ? 0 : to.step);
    else if (to.screen >= 0)
        emit moveToScreenRequested(from, to.screen);
}

} // namespace kelvora
