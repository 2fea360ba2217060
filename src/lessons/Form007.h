#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form007 : public LessonScreen {
    Q_OBJECT
public:
    Form007();
};

} // namespace kelvora
