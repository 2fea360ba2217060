#include "LessonKind.h"

#include "screens/LessonScreen.h"

namespace kelvora {

LessonKind::LessonKind(LessonScreen &screen) : QObject(&screen), m_screen(screen) {}

bool LessonKind::press(QPointF)
{
    return false;
}

} // namespace kelvora
