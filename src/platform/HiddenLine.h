#pragma once

#include <QString>
#include <optional>

namespace kelvora {

// One line from the standard input, without its line end. From a terminal the
// prompt is shown on stderr and what is typed is not echoed, as for a password.
// Nothing at the end of the input.
std::optional<QString> readHiddenLine(const QString &prompt);

} // namespace kelvora
