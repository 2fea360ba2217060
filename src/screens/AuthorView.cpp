#include "AuthorView.h"

#include "LessonScreen.h"
#include "Screen.h"
#include "Shape.h"
#include "Run.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace kelvora {

namespace {
constexpr int RefreshMs = 100; // marks move and blink under the view
} // namespace

AuthorView::AuthorView(Screen &screen) : QWidget(&screen), m_screen(screen), m_title(screen.windowTitle())
{
    setObjectName(QStringLiteral("AuthorView"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(screen.rect());
    raise();
    show();
    watch(&screen);
    for (QWidget *child : screen.findChildren<QWidget *>())
        watch(child);
    auto *refresh = new QTimer(this);
    connect(refresh, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    refresh->start(RefreshMs);
}

QString AuthorView::caption(const QString &title, QPoint position)
{
    return QStringLiteral("%1 · %2, %3").arg(title).arg(position.x()).arg(position.y());
}

void AuthorView::watch(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool AuthorView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        auto *widget = static_cast<QWidget *>(watched);
        const QPoint local = static_cast<QMouseEvent *>(event)->position().toPoint();
        m_screen.setWindowTitle(caption(m_title, widget->mapTo(&m_screen, local)));
    }
    return QWidget::eventFilter(watched, event);
}

void AuthorView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    // An author's course is shown in the author's words: the step's or group's id, not the generated name.
    const auto *lesson = qobject_cast<const LessonScreen *>(&m_screen);
    const SourceMap *source = lesson ? &m_screen.run().course().source : nullptr;
    for (const Shape *mark : m_screen.findChildren<Shape *>()) {
        // Marks inside an inset (the throttle quadrant) only while the inset shows.
        if (mark->parentWidget() != &m_screen && !mark->parentWidget()->isVisibleTo(&m_screen))
            continue;
        const QRect rect(mark->mapTo(&m_screen, QPoint(0, 0)), mark->size());
        QString name = source ? source->authorName(lesson->number(), mark->objectName()) : mark->objectName();
        if (mark->index() >= 0)
            name += QStringLiteral(" #%1").arg(mark->index());
        painter.setPen(QPen(mark->borderColor(), 1, Qt::DashLine));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        QRect label(rect.topLeft() + QPoint(2, 2), painter.fontMetrics().size(0, name) + QSize(4, 0));
        label.moveTopLeft({std::max(label.x(), 0), std::max(label.y(), 0)}); // marks may reach past the edge
        painter.fillRect(label, QColor(0, 0, 0, 160));
        painter.setPen(mark->borderColor());
        painter.drawText(label, Qt::AlignCenter, name);
    }
}

} // namespace kelvora
