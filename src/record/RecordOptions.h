#pragma once

#include "screens/RunState.h"

#include <QString>

namespace kelvora {

// How a run's record names its mode and, where none is given, its trainee.
QString modeName(RunMode mode);
QString loginName();

} // namespace kelvora
