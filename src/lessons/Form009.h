#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

// Three highlights blinking together; nothing to press but the continue mark,
// which is live from load.
class Form009 : public LessonScreen {
    Q_OBJECT
public:
    Form009();

protected:
    void load() override;
};

} // namespace kelvora
