#include "RunWindow.h"

#include "AccessibleRoles.h"
#include "Run.h"
#include "RunWindowAccessible.h"
#include "Screen.h"
#include "content/PicturesAhead.h"

#include <QCursor>
#include <QGraphicsProxyWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QtMath>

namespace kelvora {

namespace {
// Named, and the roles known, before the scene takes it in, which may already ask for its accessible interface.
QWidget *scaledHolder()
{
    installAccessibleRoles();
    auto *holder = new QWidget;
    holder->setObjectName(QLatin1String(ScaledHolderName));
    return holder;
}
} // namespace

RunWindow::RunWindow()
    : m_scaledHolder(scaledHolder()), m_stageItem(m_scene.addWidget(m_scaledHolder)), m_stage(new QWidget(m_scaledHolder))
{
    // The pages paint every pixel of the stage, and drawBackground() the bars beside it.
    installAccessibleRoles();
    m_stage->setObjectName(QLatin1String(StageName));
    m_stage->setProperty("kelvoraRunWindow", QVariant::fromValue<QObject *>(this));
    m_scaledHolder->setAttribute(Qt::WA_OpaquePaintEvent);
    m_stage->setAttribute(Qt::WA_OpaquePaintEvent);
    // A page's text takes the window's colours, not those a viewport gives its children.
    m_stage->setBackgroundRole(QPalette::Window);
    m_stage->show();
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setScene(&m_scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    // One item on the scene, the stage: no index to keep, no painter state to save around it.
    m_scene.setItemIndexMethod(QGraphicsScene::NoIndex);
    setOptimizationFlags(QGraphicsView::DontAdjustForAntialiasing | QGraphicsView::DontSavePainterState);
    setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    setMinimumSize(DesignSize / 8);

    auto *fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setContext(Qt::ApplicationShortcut);
    connect(fullScreen, &QShortcut::activated, this, &RunWindow::toggleFullScreen);
}

void RunWindow::start(Screen &first)
{
    setWindowIcon(first.windowIcon());
    host(first);
    first.ensureLoaded();
    placeOnScreen();
    readAhead(first);
    m_awaitingFrame = true;
    show();
}

void RunWindow::handOver(Screen &leaving, Screen &next)
{
    leaving.leave();
    adopt(next);
    next.ensureLoaded();
    m_gate.drainLeavingPage();
    host(next);
    leaving.unload();
    // Only once the leaving page and its pictures are gone, so that no more
    // than two pages' pictures are held at a time.
    connect(&leaving, &QObject::destroyed, &next, [this, &next] { readAhead(next); });
}

void RunWindow::readAhead(const Screen &page) const
{
    const bool designSize = transform().isIdentity() && devicePixelRatioF() == 1;
    readPicturesAhead(page.picturesAhead(), designSize ? AheadKeeping::Compact : AheadKeeping::AsDecoded,
                      page.run().contentRoot());
}

RunWindow *RunWindow::hosting(const Screen &page)
{
    const QWidget *stage = page.parentWidget();
    if (!stage)
        return nullptr;
    if (auto *window = qobject_cast<RunWindow *>(stage->window()))
        return window;
    const QGraphicsProxyWidget *proxy = stage->window()->graphicsProxyWidget();
    if (!proxy || !proxy->scene())
        return nullptr;
    const QList<QGraphicsView *> views = proxy->scene()->views();
    return views.isEmpty() ? nullptr : qobject_cast<RunWindow *>(views.first());
}

QSize RunWindow::fittedSize(QSize available)
{
    if (available.width() >= DesignSize.width() && available.height() >= DesignSize.height())
        return DesignSize;
    return DesignSize.scaled(available, Qt::KeepAspectRatio);
}

// The page becomes a hidden child of the stage before it loads, so that its
// controls are made where they will be shown and nothing moves them later.
void RunWindow::adopt(Screen &page)
{
    if (page.parentWidget() == m_stage)
        return;
    page.setParent(m_stage);
    page.move(0, 0);
}

void RunWindow::host(Screen &page)
{
    // Taking a loaded page in clears the focus it set while it loaded.
    const QPointer<QWidget> focus = page.focusWidget();
    adopt(page);
    m_stage->resize(page.size());
    m_scaledHolder->resize(page.size());
    m_page = &page;
    m_scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(page.size())));
    setWindowTitle(page.windowTitle());
    // A page may change its caption while shown: the author's pointer position.
    disconnect(m_followedTitle);
    m_followedTitle = connect(&page, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    page.show();
    if (m_stageItem->isVisible())
        m_stageItem->setFocus();
    if (focus)
        focus->setFocus();
    else
        page.setFocus();
    scaleToFit();
}

void RunWindow::scaleToFit()
{
    const QRectF design = m_scene.sceneRect();
    if (design.isEmpty())
        return;
    const qreal scale = qMin(viewport()->width() / design.width(), viewport()->height() / design.height());
    setTransform(QTransform::fromScale(scale, scale));
    centerOn(design.center());
    const bool designSize = transform().isIdentity();
    if (designSize != (m_stage->parentWidget() == viewport()))
        placeStage(designSize);
    if (designSize)
        m_stage->move(mapFromScene(design.topLeft()));
}

// A page shown at its design size needs no scene: its stage is then a plain
// child of the viewport, and a change on the page, a mark that blinks, is
// painted in one pass of the widgets' own repaint, where a scaled page takes
// three (the stage's, the scene's, the view's) and the proxy's render on top.
// Both of the stage's parents stay for the whole run, so moving it between
// them makes or destroys no window in the window system.
// Keys reach a scaled page through the view and the scene, so the view takes
// the focus a click gives; at design size it leaves it where the page put it.
void RunWindow::placeStage(bool inViewport)
{
    const QPointer<QWidget> focus = m_stage->focusWidget();
    m_stage->setParent(inViewport ? viewport() : m_scaledHolder);
    m_stage->move(0, 0);
    m_stage->show();
    m_stageItem->setVisible(!inViewport);
    setFocusPolicy(inViewport ? Qt::NoFocus : Qt::StrongFocus);
    if (!inViewport)
        m_stageItem->setFocus();
    if (focus)
        focus->setFocus();
}

void RunWindow::drawBackground(QPainter *painter, const QRectF &exposed)
{
    // Black bars where the page leaves any of the window; the pixels the page
    // covers whole are left to it.
    const QRectF page = viewportTransform().mapRect(sceneRect());
    const QRect covered(QPoint(qCeil(page.left()), qCeil(page.top())),
                        QPoint(qFloor(page.right()) - 1, qFloor(page.bottom()) - 1));
    const QRegion bars = QRegion(viewportTransform().mapRect(exposed).toAlignedRect()) - covered;
    painter->save();
    painter->resetTransform();
    for (const QRect &bar : bars)
        painter->fillRect(bar, Qt::black);
    painter->restore();
}

void RunWindow::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    scaleToFit();
}

void RunWindow::moveEvent(QMoveEvent *event)
{
    QGraphicsView::moveEvent(event);
    // Only once the window is on screen does the window manager tell the size of its frame.
    if (m_awaitingFrame && frameSize() != m_placedFrame) {
        m_awaitingFrame = false;
        placeOnScreen();
    }
}

void RunWindow::placeOnScreen()
{
    if (isFullScreen())
        return;
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const QSize frame = frameSize();
    m_placedFrame = frame;
    const QSize size = fittedSize(area.size() - frame);
    resize(size);
    const QSize outer = size + frame;
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

QSize RunWindow::frameSize() const
{
    return frameGeometry().size() - geometry().size();
}

void RunWindow::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

} // namespace kelvora
