#include "RunRecord.h"

namespace kelvora {

QString RunResult::text() const
{
    switch (kind) {
    case Kind::Completed: return QStringLiteral("completed");
    case Kind::Left: return QStringLiteral("left at screen %1").arg(screen);
    case Kind::Error: return QStringLiteral("error: ") + message;
    }
    return {};
}

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
