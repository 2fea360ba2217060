#pragma once

#include <QString>

namespace kelvora {

// The folder that holds the language files: the executable's folder unless the
// start-up chose another one. Tests point it at a temporary folder.
QString programFolder();
void setProgramFolder(const QString &folder); // an empty folder restores the real one

// Where an installation keeps the content pack, found from the executable's
// folder (bin/../share/kelvora), so a relocated installation finds it too.
QString installedDataFolder();
// Where an installation keeps the trainer's plugins (bin/../lib/<arch>/kelvora).
QString installedPluginFolder();

} // namespace kelvora
