#include "PressLabel.h"

#include "RunGuard.h"
#include "content/ExplanationFit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace kelvora {

PressLabel::PressLabel(QWidget *parent, const QString &name, const QRect &rect, const QString &caption)
    : QLabel(caption, parent)
{
    setObjectName(name);
    setGeometry(rect);
    setTextFormat(Qt::PlainText);
}

void PressLabel::paintEvent(QPaintEvent *event)
{
    if (text().size() <= LongestTextLaidOut) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text().left(LongestTextLaidOut),
                          foregroundRole());
}

void PressLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    runHandler(this, [this] { emit pressed(); });
}

} // namespace kelvora
