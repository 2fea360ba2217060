#pragma once

#include "Synth.h"

#include <QString>

namespace kelvora::content {

// Writes mono 16-bit PCM WAV at the synthesis rate through libsndfile.
// Throws std::runtime_error naming the file if it cannot be written.
void writeWav(const QString &path, const synth::Samples &samples);

} // namespace kelvora::content
