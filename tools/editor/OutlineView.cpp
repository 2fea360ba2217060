#include "OutlineView.h"

#include "CourseModel.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace kelvora {

OutlineView::OutlineView(CourseModel *model, QWidget *parent) : QTreeView(parent)
{
    setModel(model);
    setIconSize(CourseModel::ThumbnailSize);
    setDragDropMode(QAbstractItemView::InternalMove);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setUniformRowHeights(false);
    setWordWrap(true);
    setAccessibleName(tr("Course outline"));
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header()->hideSection(1); // where each target is: the fields below the photograph say it
    setHeaderHidden(true);
    // A course changed in its shape comes back whole: show it all again.
    connect(model, &QAbstractItemModel::modelReset, this, &QTreeView::expandAll);
    connect(model, &QAbstractItemModel::rowsInserted, this, &QTreeView::expandAll);
    expandAll();
}

void OutlineView::mousePressEvent(QMouseEvent *event)
{
    if (indexAt(event->position().toPoint()).isValid()) {
        QTreeView::mousePressEvent(event);
        return;
    }
    selectionModel()->setCurrentIndex({}, QItemSelectionModel::Clear);
}

void OutlineView::dropEvent(QDropEvent *event)
{
    QTreeView::dropEvent(event);
    // The model moved the item itself: the drag must not take the dragged row out as well.
    if (event->isAccepted())
        event->setDropAction(Qt::IgnoreAction);
}

} // namespace kelvora
