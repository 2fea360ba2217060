#pragma once

#include "LessonKind.h"
#include "course/LessonDesign.h"

namespace kelvora {

// One switch operated several times: each press inside the one mark while its
// timer runs is counted and advances the photograph; the last runs `done`.
class PressCounter : public LessonKind {
    Q_OBJECT
public:
    PressCounter(LessonScreen &screen, const PressCounterDesign &design);

    int pressCount() const { return m_pressCount; }
    bool press(QPointF position) override;
    QStringList photographsAhead() const override;

private:
    PressCounterDesign m_design;
    int m_pressCount = 0; // PressCount
};

} // namespace kelvora
