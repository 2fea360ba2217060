#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class Form011 : public LessonScreen {
    Q_OBJECT
public:
    Form011();
};

} // namespace kelvora
