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

std::optional<double> passMarkNamed(const QString &text)
{
    QString number = text.trimmed();
    const bool percent = number.endsWith(QLatin1Char('%'));
    if (percent)
        number.chop(1);
    bool ok = false;
    double mark = number.toDouble(&ok);
    if (percent)
        mark /= 100;
    // toDouble takes "nan" and "inf", which no comparison can pass.
    if (!ok || !(mark >= 0.0 && mark <= 1.0))
        return std::nullopt;
    return mark;
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
