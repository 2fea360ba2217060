#include "LessonLayouts.h"

#include <QtGlobal>
#include <array>

namespace kelvora {

namespace {
// clang-format off
const std::array<LessonLayout, LessonCount> Layouts = {{
    {.screen = 1,  .explain = {12, 6},  .explainHeight = 27, .inset = {12, 34},
     .continueMarkShown = true, .continueLabelShown = true, .continueBlinking = true,
     .continueMark = {858, 712, 163, 43}, .continueLabel = {862, 722, 159, 39}, .exitRequests = 1},
    {.screen = 2,  .explain = {4, 10},  .explainHeight = 27, .inset = {12, 34},
     .continueMark = {850, 706, 163, 43}, .continueLabel = {850, 716, 165, 39}, .continueLabelInFront = true},
    {.screen = 3,  .explain = {8, 6},   .explainHeight = 69, .inset = {758, 38}, .blinkInterval = 500,
     .readMore = {862, 8}},
    {.screen = 4,  .explain = {10, 6},  .explainHeight = 27, .inset = {16, 36},
     .continueMarkShown = true, .continueLabelShown = true, .exitLeft = 982},
    {.screen = 5,  .explain = {12, 6},  .explainHeight = 65, .inset = {16, 74}, .readMore = {864, 6}},
    {.screen = 6,  .explain = {12, 6},  .explainHeight = 59, .inset = {16, 66}, .readMore = {862, 4},
     .exitRequests = 1},
    {.screen = 7,  .explain = {14, 6},  .explainHeight = 57, .inset = {16, 70}},
    {.screen = 8,  .explain = {12, 6},  .explainHeight = 27, .inset = {16, 36}},
    {.screen = 9,  .explain = {12, 8},  .explainHeight = 27, .inset = {16, 36}},
    {.screen = 10, .explain = {12, 6},  .explainHeight = 27, .inset = {16, 36}},
    {.screen = 11, .explain = {14, 6},  .explainHeight = 27, .inset = {16, 36}},
    {.screen = 12, .explain = {14, 6},  .explainHeight = 27, .inset = {756, 38}},
    {.screen = 13, .explain = {14, 6},  .explainHeight = 69, .inset = {756, 38}},
    {.screen = 14, .explain = {10, 6},  .explainHeight = 69, .inset = {756, 38},
     .continueLabelShown = true, .continueBlinking = true},
    {.screen = 15, .explain = {10, 6},  .explainHeight = 69, .inset = {756, 38},
     .continueLabelShown = true, .continueBlinking = true},
    {.screen = 16, .explain = {10, 6},  .explainHeight = 69, .inset = {756, 38},
     .continueLabelShown = true, .continueBlinking = true},
    {.screen = 17, .explain = {14, 6},  .explainHeight = 69, .inset = {756, 38}},
    {.screen = 18, .explain = {14, 6},  .explainHeight = 27, .inset = {16, 36}},
}};
// clang-format on
} // namespace

const LessonLayout &lessonLayout(int screen)
{
    Q_ASSERT(screen >= 1 && screen <= LessonCount);
    return Layouts.at(static_cast<size_t>(screen - 1));
}

} // namespace kelvora
