#include "RunResult.h"

namespace kelvora {

QString RunResult::text() const
{
    switch (kind) {
    case Kind::Completed:
        return completedWhole() ? QStringLiteral("completed") : QStringLiteral("finished, started at screen %1").arg(startedAt);
    case Kind::Left: return QStringLiteral("left at screen %1").arg(screen);
    case Kind::Error: return QStringLiteral("error: ") + message;
    }
    return {};
}

} // namespace kelvora
