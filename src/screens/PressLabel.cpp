#include "PressLabel.h"

#include "RunGuard.h"

#include <QMouseEvent>

namespace kelvora {

PressLabel::PressLabel(QWidget *parent, const QString &name, const QRect &rect, const QString &caption)
    : QLabel(caption, parent)
{
    setObjectName(name);
    setGeometry(rect);
    setTextFormat(Qt::PlainText);
}

void PressLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    runHandler([this] { emit pressed(); });
}

} // namespace kelvora
