#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form008 : public LessonScreen {
    Q_OBJECT
public:
    Form008();
};

} // namespace kelvora
