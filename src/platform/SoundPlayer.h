#pragma once

#include <string_view>

namespace kelvora {

// Flag values of the platform sound call the lessons were written against.
enum SoundFlags : unsigned {
    SoundSync = 0,     // play and return when the sound has ended
    SoundAsync = 1,    // start and return at once
    SoundLoop = 8,     // with SoundAsync: repeat until the next request
    SoundNoStop = 16,  // do nothing if a sound is already playing
};

// The module argument the lessons pass: 1, or none at all.
inline constexpr int SoundModule = 1;
inline constexpr int NoModule = 0;

// Plays one sound at a time: every request replaces the sound that is playing,
// except a SoundNoStop request while a sound plays, which changes nothing.
// Names are content names such as "sounds\\Dugme3.wav", resolved by the
// player's owner in its content folder without regard to case. A missing or undecodable file is
// silent and never an error.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual bool play(std::string_view name, int module, unsigned flags) = 0;
};

} // namespace kelvora
