#pragma once

#include "screens/RunState.h"

#include <QString>
#include <optional>

namespace kelvora {

// How a run's record names its mode and, where none is given, its trainee.
QString modeName(RunMode mode);
QString loginName();
// The mode of that name ("guided", "check"), as the command line and the settings give it.
std::optional<RunMode> modeNamed(const QString &name);
// A pass mark as the command line and the settings give it: "0.8" or "80%", from 0 to 1; nothing otherwise.
std::optional<double> passMarkNamed(const QString &text);

} // namespace kelvora
