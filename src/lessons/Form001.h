#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form001 : public LessonScreen {
    Q_OBJECT
public:
    Form001();
};

} // namespace kelvora
