#pragma once

#include <QIcon>

namespace kelvora {

// The program's icon: 16 and 32 pixels square at 8 and 32 bits per pixel,
// 48 and 128 pixels square at 32 bits per pixel.
QIcon programIcon();

} // namespace kelvora
