#include "Announcer.h"

#include "AccessibleRoles.h"

#include <QAccessible>

namespace kelvora {

Announcer::Announcer(QWidget *parent, const QRect &rect) : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(rect);
    installAccessibleRoles();
}

void Announcer::announce(const QString &text)
{
    setAccessibleName(text);
    if (!QAccessible::isActive() || text.isEmpty() || !isVisible())
        return;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace kelvora
