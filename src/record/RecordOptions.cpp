#include "RecordOptions.h"

namespace kelvora {

QString modeName(RunMode mode)
{
    return mode == RunMode::Check ? QStringLiteral("check") : QStringLiteral("guided");
}

std::optional<RunMode> modeNamed(const QString &name)
{
    for (RunMode mode : {RunMode::Guided, RunMode::Check}) {
        if (modeName(mode) == name)
            return mode;
    }
    return std::nullopt;
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
