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
    // The shape a drag on the photograph draws ("rectangle", "circle", "oval"; "" draws nothing).
    void setDrawShape(const QString &shape) { m_drawShape = shape; }

    // The page fitted into the view (the default), the photograph at one screen pixel per pixel, or in between.
    void zoomToFit();
    void zoomToPhotographPixels();
    void zoomBy(double factor);
    double zoom() const { return m_zoom; } // 0 while fitted

signals:
    // After a drag or resize is released, and on each arrow-key nudge.
    void targetEdited(int index, const QJsonObject &target);
    // A picture file dropped on the view.
    void photographDropped(const QString &path);
    // A new target drawn by a drag on the photograph, in its pixels.
    void targetDrawn(const QJsonObject &target);
    // A target double-clicked: the author asks for it (its step) to be the selected one.
    void targetChosen(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void showMessage(const QString &message);
    void placeTargets();
    void applyZoom();
    QPointF photographPoint(QPoint viewPoint) const;
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
    QString m_drawShape = QStringLiteral("rectangle");
    QGraphicsRectItem *m_drawing = nullptr; // the drag that draws a target, in photograph pixels
    QPointF m_drawFrom;
    QPoint m_panFrom;
    bool m_panning = false;
    double m_zoom = 0;
    ScaledPictures m_pictures;
};

} // namespace kelvora
