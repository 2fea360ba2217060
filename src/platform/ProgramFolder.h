#pragma once

#include <QString>

namespace kelvora {

// The folder of the executable, which holds the language files. Tests point it
// at a temporary folder.
QString programFolder();
void setProgramFolder(const QString &folder); // an empty folder restores the real one

} // namespace kelvora
