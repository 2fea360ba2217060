#pragma once

#include "CoursePlace.h"

#include <QTreeWidget>

namespace kelvora {

class CourseDocument;

// The course's screens and their steps, each with a thumbnail of its photograph.
// Dragging a screen or a step asks for it to be moved; the list itself changes
// only when the course does.
class OutlineView : public QTreeWidget {
    Q_OBJECT
public:
    explicit OutlineView(const CourseDocument &document, QWidget *parent = nullptr);

    void rebuild();
    void select(CoursePlace place);
    CoursePlace selectedPlace() const;

signals:
    void placeSelected(kelvora::CoursePlace place);
    void moveRequested(kelvora::CoursePlace from, int to);
    // A step dropped on another screen or one of its steps: to the end of that screen.
    void moveToScreenRequested(kelvora::CoursePlace step, int screen);

protected:
    void dropEvent(QDropEvent *event) override;
    // A press below the items selects the course itself.
    void mousePressEvent(QMouseEvent *event) override;

private:
    QIcon thumbnail(const QString &photograph);
    static CoursePlace placeOf(const QTreeWidgetItem *item);

    const CourseDocument &m_document;
    QHash<QString, QIcon> m_thumbnails; // by path and modification time
    bool m_rebuilding = false;
};

} // namespace kelvora
