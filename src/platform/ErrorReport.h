#pragma once

#include "RuntimeError.h"

#include <functional>

namespace kelvora {

// The one place a RuntimeError ends up: a critical message box and a line on
// stderr that name the error and the file, then the end of the program with
// status 1. Tests install a handler that records the error instead.
void reportRuntimeError(const RuntimeError &error);

using ErrorReportHandler = std::function<void(const RuntimeError &error)>;
void setErrorReportHandler(ErrorReportHandler handler); // an empty handler restores the real report

} // namespace kelvora
