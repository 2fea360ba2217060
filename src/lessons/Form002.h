#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form002 : public LessonScreen {
    Q_OBJECT
public:
    Form002();
};

} // namespace kelvora
