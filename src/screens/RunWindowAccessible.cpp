#include "RunWindowAccessible.h"

#include "RunWindow.h"
#include "Screen.h"

#include <QAccessibleWidget>

namespace kelvora {

namespace {
// Scaled, the page in the proxy holds the focus the window and its viewport have for the scene.
bool pageHoldsFocus(const RunWindow &window)
{
    const QWidget *stage = window.stage();
    return stage->parentWidget() != window.viewport() && stage->focusWidget();
}

class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(RunWindow *window) : QAccessibleWidget(window, QAccessible::Window) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (pageHoldsFocus(*static_cast<RunWindow *>(widget())))
            state.focused = false;
        return state;
    }
};

class ViewportAccessible : public QAccessibleWidget {
public:
    ViewportAccessible(QWidget *viewport, RunWindow *window) : QAccessibleWidget(viewport), m_window(window) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (pageHoldsFocus(*m_window))
            state.focused = false;
        return state;
    }
    int childCount() const override { return QAccessibleWidget::childCount() + (borrows() ? 1 : 0); }
    QAccessibleInterface *child(int index) const override
    {
        if (borrows() && index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(m_window->stage());
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (borrows() && child && child->object() == m_window->stage())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    bool borrows() const { return m_window->stage()->parentWidget() != widget(); }
    RunWindow *m_window;
};

class StageAccessible : public QAccessibleWidget {
public:
    StageAccessible(QWidget *stage, RunWindow *window) : QAccessibleWidget(stage), m_window(window) {}

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_window->viewport()); }
    // Where the page is on the screen, at the scale it is shown.
    QRect rect() const override
    {
        const QRect onView = m_window->mapFromScene(QRectF(QPointF(0, 0), QSizeF(widget()->size()))).boundingRect();
        return QRect(m_window->viewport()->mapToGlobal(onView.topLeft()), onView.size());
    }

private:
    RunWindow *m_window;
};

class HolderAccessible : public QAccessibleWidget {
public:
    explicit HolderAccessible(QWidget *holder) : QAccessibleWidget(holder) {}

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
};

RunWindow *windowOf(const QObject *object)
{
    return qobject_cast<RunWindow *>(object->property("kelvoraRunWindow").value<QObject *>());
}
} // namespace

QAccessibleInterface *runWindowPart(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("kelvora::RunWindow"))
        return new FrameAccessible(static_cast<RunWindow *>(widget));
    if (className != QLatin1String("QWidget"))
        return nullptr;
    if (auto *window = qobject_cast<RunWindow *>(widget->parentWidget()); window && widget == window->viewport())
        return new ViewportAccessible(widget, window);
    if (widget->objectName() == QLatin1String(StageName)) {
        if (RunWindow *window = windowOf(widget))
            return new StageAccessible(widget, window);
    }
    if (widget->objectName() == QLatin1String(ScaledHolderName))
        return new HolderAccessible(widget);
    return nullptr;
}

} // namespace kelvora
