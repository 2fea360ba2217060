#pragma once

#include "PressGate.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPointer>

class QGraphicsProxyWidget;

namespace kelvora {

class Screen;

// The one top-level window of a run. It hosts the start screen, then each
// lesson screen in turn, as pages laid out in design units, and keeps its
// place on the desktop from the first page to the last. It opens centred on
// the screen under the pointer, at design size where that fits, else scaled
// down; resizing keeps the aspect (black bars fill the rest) and F11 toggles
// full screen. Presses reach the page mapped back to design units in floating
// point, so the hit test is exact at any scale.
//
// The pages are plain child widgets of one stage kept for the whole run: a
// page gets no window of its own in the window system, so a change of page
// asks nothing of the display server. At design size the stage sits in the
// viewport as it is; scaled, the scene shows it through a proxy item.
class RunWindow : public QGraphicsView {
    Q_OBJECT
public:
    RunWindow();

    // Hosts the first page and opens the window.
    void start(Screen &first);
    Screen *page() const { return m_page; }
    // What holds the pages, in the viewport at design size, in the scene's proxy when scaled.
    QWidget *stage() const { return m_stage; }

    // The two steps of a screen change: the next page is loaded, then the
    // leaving page drains its input, and only then is the next page shown and
    // the leaving one unloaded.
    void handOver(Screen &leaving, Screen &next);

    // The run window that hosts the page, if any.
    static RunWindow *hosting(const Screen &page);

    // Reads ahead what the page leads to, kept as fits the page's scale.
    void readAhead(const Screen &page) const;

    // The window size for an area: design size where it fits, else scaled down uniformly.
    static QSize fittedSize(QSize available);
    static constexpr QSize DesignSize{1024, 768};

protected:
    void drawBackground(QPainter *painter, const QRectF &exposed) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void adopt(Screen &page);
    void host(Screen &page);
    void scaleToFit();
    void placeStage(bool inViewport);
    void placeOnScreen();
    void toggleFullScreen();
    // What the window manager's frame adds to the window's size.
    QSize frameSize() const;

    QGraphicsScene m_scene;
    QWidget *m_scaledHolder; // owned by its item in the scene
    QGraphicsProxyWidget *m_stageItem;
    QWidget *m_stage; // in the holder while scaled, else in the viewport
    PressGate m_gate;
    QPointer<Screen> m_page;
    QMetaObject::Connection m_followedTitle;
    QSize m_placedFrame;
    bool m_awaitingFrame = false;
};

} // namespace kelvora
