#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

// The last lesson: its continue mark closes the run instead of leading on.
class Form018 : public LessonScreen {
    Q_OBJECT
public:
    Form018();

public slots:
    void next() override;
};

} // namespace kelvora
