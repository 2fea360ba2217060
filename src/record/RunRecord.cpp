#include "RunRecord.h"

#include <algorithm>

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

int RunRecord::cleanSteps() const
{
    int clean = 0;
    for (const ScreenRecord &screen : screens)
        clean += int(std::count_if(screen.steps.begin(), screen.steps.end(), [](const StepRecord &step) { return step.clean(); }));
    return clean;
}

int RunRecord::stepCount() const
{
    int count = 0;
    for (const ScreenRecord &screen : screens)
        count += int(screen.steps.size());
    return count;
}

double RunRecord::score() const
{
    const int count = stepCount();
    return count ? double(cleanSteps()) / count : 0.0;
}

bool RunRecord::passed() const
{
    return result.kind == RunResult::Kind::Completed && stepCount() > 0 && score() >= passMark;
}

} // namespace kelvora
