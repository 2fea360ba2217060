#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form013 : public LessonScreen {
    Q_OBJECT
public:
    Form013();
};

} // namespace kelvora
