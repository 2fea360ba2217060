#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form004 : public LessonScreen {
    Q_OBJECT
public:
    Form004();
};

} // namespace kelvora
