#pragma once

#include <QString>

namespace kelvora {

// The executable's folder, where a runnable folder keeps the built-in course's language files.
QString programFolder();

// Where an installation keeps the content pack, found from the executable's
// folder (bin/../share/kelvora), so a relocated installation finds it too.
QString installedDataFolder();
// Where an installation keeps the trainer's plugins (bin/../lib/<arch>/kelvora).
QString installedPluginFolder();

} // namespace kelvora
