#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form017 : public LessonScreen {
    Q_OBJECT
public:
    Form017();
};

} // namespace kelvora
