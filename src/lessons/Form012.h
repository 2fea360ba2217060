#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form012 : public LessonScreen {
    Q_OBJECT
public:
    Form012();
};

} // namespace kelvora
