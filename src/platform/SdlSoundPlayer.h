#pragma once

#include "SoundPlayer.h"

#include <atomic>
#include <chrono>
#include <mutex>

struct Mix_Chunk;

namespace kelvora {

// The production sound player, on SDL2_mixer's audio thread. Opens the audio
// device when constructed and closes it when destroyed; one instance at a time.
// If no device can be opened it plays into SDL's dummy driver, which is silent
// but paced in real time, so synchronous sounds still take their length.
class SdlSoundPlayer final : public SoundPlayer {
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer() override;

    SdlSoundPlayer(const SdlSoundPlayer &) = delete;
    SdlSoundPlayer &operator=(const SdlSoundPlayer &) = delete;

    bool play(std::string_view name, int module, unsigned flags) override;

    bool isPlaying() const;
    bool usingDummyDriver() const { return m_dummyDriver; }

private:
    bool openDevice();
    void stop();
    void waitUntilPlayed(std::chrono::steady_clock::time_point heardUntil, unsigned request) const;

    std::mutex m_mutex; // serialises requests; SDL_mixer locks its own state against the audio thread
    Mix_Chunk *m_chunk = nullptr;
    std::atomic<unsigned> m_request{0};
    bool m_open = false;
    bool m_dummyDriver = false;
};

} // namespace kelvora
