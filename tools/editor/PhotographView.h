#pragma once

#include "content/ScaledPictures.h"

#include <QDateTime>
#include <QGraphicsView>
#include <QJsonObject>
#include <QList>

class QGraphicsPixmapItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;

namespace kelvora {

class ControlsOverlay;
class TargetItem;

// A step's photograph as the trainer shows it: fitted whole into the 1024 x 768
// page, with the steps' targets over it and the trainer's own controls where
// they will cover the picture. The current target is moved and resized here;
// targets come and go in the photograph's own pixels.
class PhotographView : public QGraphicsView {
    Q_OBJECT
public:
    explicit PhotographView(QWidget *parent = nullptr);

    void setPhotograph(const QString &path);
    // Contract target objects in photograph pixels; `current` is editable (-1 none), the others faint.
    void setTargets(const QList<QJsonObject> &targets, int current);
    // "" none, "left" or "right": the side of the inset box.
    void setInsetPlace(const QString &place);

signals:
    // After a drag or resize is released, and on each arrow-key nudge.
    void targetEdited(int index, const QJsonObject &target);
    // A picture file dropped on the view.
    void photographDropped(const QString &path);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void showMessage(const QString &message);
    void placeTargets();
    void showPicture(bool now);

    QGraphicsRectItem *m_frame;          // the photograph's pixels, placed on the page
    QGraphicsPixmapItem *m_picture;
    QGraphicsSimpleTextItem *m_message;
    ControlsOverlay *m_controls;
    QList<TargetItem *> m_targets;
    QList<QJsonObject> m_targetObjects;
    int m_current = -1;
    QSize m_photograph;
    QString m_shownPath;
    QDateTime m_shownModified;
    ScaledPictures m_pictures;
};

} // namespace kelvora
