#pragma once

#include "Synth.h"

#include <QString>

namespace kelvora::content {

// The recipe of every sound of the pack, by file name ("Dugme1.wav"): five
// switch clicks of different mechanisms and the engine sounds of the start-up.
class SoundBook {
public:
    // Throws std::runtime_error for a name without a recipe.
    synth::Samples synthesize(const QString &fileName) const;

    static constexpr double LoopSeconds = 2.0;
};

} // namespace kelvora::content
