#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

// Points at places on the cockpit with a group of blinking marks; the continue
// mark is live from load.
class Form016 : public LessonScreen {
    Q_OBJECT
public:
    Form016();
};

} // namespace kelvora
