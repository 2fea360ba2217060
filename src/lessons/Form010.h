#pragma once

#include "screens/LessonScreen.h"

namespace kelvora {

// One switch operated six times: each press inside the one mark is counted and
// advances the photograph; the sixth brings the continue mark.
class Form010 : public LessonScreen {
    Q_OBJECT
public:
    Form010();

    int pressCount() const { return m_pressCount; }

protected:
    void pressWindow(QPointF position) override;

private:
    bool countPress();

    int m_pressCount = 0; // PressCount
};

} // namespace kelvora
