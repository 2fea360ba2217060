#pragma once

#include <QTreeView>

namespace kelvora {

class CourseModel;

// The course model as a tree: screens with their steps, groups, sequence and
// throttle, each screen and step with a thumbnail of its photograph. A drag
// moves a screen or step through the model, which keeps its rules.
class OutlineView : public QTreeView {
    Q_OBJECT
public:
    explicit OutlineView(CourseModel *model, QWidget *parent = nullptr);

protected:
    void dropEvent(QDropEvent *event) override;
    // A press below the items selects the course itself.
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace kelvora
