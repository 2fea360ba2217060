#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form003 : public LessonScreen {
    Q_OBJECT
public:
    Form003();
};

} // namespace kelvora
