#include "RecordOptions.h"

namespace kelvora {

QString modeName(RunMode mode)
{
    return mode == RunMode::Check ? QStringLiteral("check") : QStringLiteral("guided");
}

QString loginName()
{
    for (const char *variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("unknown");
}

} // namespace kelvora
