#pragma once

#include <QString>

namespace kelvora {

// Why the sound file at path would not play whole: it does not decode, holds
// no sound, or breaks off before the end its header promises. Empty when it is sound.
QString soundProblem(const QString &path);

} // namespace kelvora
