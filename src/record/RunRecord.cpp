#include "RunRecord.h"

namespace kelvora {

int ScreenRecord::misses() const
{
    int total = 0;
    for (const StepRecord &step : steps)
        total += int(step.misses.size());
    return total;
}

int ScreenRecord::hints() const
{
    int total = 0;
    for (const StepRecord &step : steps)
        total += step.hints;
    return total;
}

int RunRecord::misses() const
{
    int total = 0;
    for (const ScreenRecord &screen : screens)
        total += screen.misses();
    return total;
}

int RunRecord::hints() const
{
    int total = 0;
    for (const ScreenRecord &screen : screens)
        total += screen.hints();
    return total;
}

} // namespace kelvora
