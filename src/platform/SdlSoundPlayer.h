#pragma once

#include "SoundPlayer.h"
#include "SoundStream.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace kelvora {

// The production sound player: one voice on an SDL audio device.
//
// Starting the audio system costs more than the start screen's first paint,
// so it starts on a thread of its own, either when prepareInBackground() is
// called (after the first paint) or at the first request. The device is open
// only while sounds play and shortly after; an idle program mixes nothing.
// A sound is read from its file as it plays. A synchronous request returns
// when the device has played the sound's last sample, as the device's own
// requests for buffers tell it: the time of the request that took the last
// sample, one buffer ahead, plus the sample's place in its buffer.
// If no device can be opened it plays into SDL's dummy driver, which is silent
// but paced in real time, so synchronous sounds still take their length.
// Sound names are found where the given resolver says (empty: no such file).
// A second instance plays beside the first on a device of its own where the
// driver allows two (the dummy driver does not); SDL is the players' alone.
class SdlSoundPlayer final : public SoundPlayer {
public:
    using Resolver = std::function<QString(const QString &name)>;

    explicit SdlSoundPlayer(Resolver resolve);
    ~SdlSoundPlayer() override;

    SdlSoundPlayer(const SdlSoundPlayer &) = delete;
    SdlSoundPlayer &operator=(const SdlSoundPlayer &) = delete;

    void prepareInBackground();
    bool play(std::string_view name, int module, unsigned flags) override;

    bool isPlaying() const { return m_voiceActive; }
    bool deviceOpen();
    bool usingDummyDriver();

private:
    using Clock = std::chrono::steady_clock;

    void keepDevice();
    bool waitUntilReady(std::unique_lock<std::mutex> &lock);
    bool startSystem();
    bool openDevice();
    void closeDevice();
    void stop();
    void waitUntilPlayed(unsigned request, Clock::time_point giveUp);
    static void mix(void *player, std::uint8_t *stream, int length);

    const Resolver m_resolve;
    std::mutex m_mutex; // serialises requests and the keeper's opening and closing
    std::condition_variable m_wake;
    std::thread m_keeper;
    bool m_ready = false;    // the keeper has started the audio system, or failed to
    bool m_quitting = false;
    bool m_systemUp = false;
    bool m_dummyDriver = false;
    std::uint32_t m_device = 0;
    // The device's format, as SDL gave it.
    SoundStream::Format m_format{};
    int m_frameBytes = 0;
    std::uint8_t m_silence = 0;
    Clock::time_point m_lastActive;

    // The voice; the audio thread reads it with the device locked.
    std::unique_ptr<SoundStream> m_voice;
    unsigned m_voiceRequest = 0;
    std::atomic<bool> m_voiceActive{false};
    std::atomic<unsigned> m_request{0};

    // The audio thread's word that the voice of a request has been handed to the device whole.
    std::mutex m_endMutex;
    std::condition_variable m_ended;
    unsigned m_endedRequest = 0;
    Clock::time_point m_lastSamplePlayed;
};

} // namespace kelvora
