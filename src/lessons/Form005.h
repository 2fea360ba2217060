#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

class TimedSequence;

// The engine start: one click, then a delayed cockpit view and a timed
// sequence of photographs that ends in the running engine's loop.
class Form005 : public LessonScreen {
    Q_OBJECT
public:
    Form005();

    int waitTickCount() const;

private:
    void showCockpitView();

    TimedSequence *m_sequence;
};

} // namespace kelvora
