#include "AccessibleRoles.h"

#include "RunWindowAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace kelvora {

namespace {
QAccessibleInterface *trainerRoles(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("kelvora::Announcer"))
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    if (QAccessibleInterface *part = runWindowPart(className, object))
        return part;
    if (className == QLatin1String("kelvora::PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("kelvora::Screen"))
        return new QAccessibleWidget(widget, QAccessible::Pane);
    return nullptr;
}
} // namespace

void installAccessibleRoles()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(trainerRoles);
        return true;
    }();
}

} // namespace kelvora
