#pragma once

#include "RuntimeError.h"

namespace kelvora {

// How a RuntimeError is told: a critical message box and a line on stderr that
// name the error and the file. A run reports through Run::report, which then
// ends the program with status 1; a test or a tool records the error instead.
void showRuntimeError(const RuntimeError &error);

} // namespace kelvora
