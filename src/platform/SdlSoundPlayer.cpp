#include "SdlSoundPlayer.h"

#include "SdlAudio.h"

#include <QString>
#include <QtGlobal>

#include <cstring>

#include <pthread.h>

namespace kelvora {

namespace {
using Seconds = std::chrono::duration<double>;

constexpr int Frequency = 44100;
constexpr int Channels = 2;
constexpr int BufferFrames = 1024;
// Should the device stop calling back, a synchronous request still returns.
constexpr Seconds GiveUpAfter{2.0};
// How long the device stays open after the last sound has ended.
constexpr auto IdleBeforeClosing = std::chrono::seconds(2);
} // namespace

SdlSoundPlayer::SdlSoundPlayer(Resolver resolve)
    : m_resolve(std::move(resolve))
{
}

SdlSoundPlayer::~SdlSoundPlayer()
{
    {
        std::lock_guard lock(m_mutex);
        m_quitting = true;
    }
    m_wake.notify_all();
    if (m_keeper.joinable())
        m_keeper.join();
    closeDevice();
    if (sdlAudio().loaded)
        sdlAudio().SDL_Quit(); // SDL is the player's alone: this also frees its hints
}

void SdlSoundPlayer::prepareInBackground()
{
    std::lock_guard lock(m_mutex);
    if (!m_keeper.joinable())
        m_keeper = std::thread(&SdlSoundPlayer::keepDevice, this);
}

bool SdlSoundPlayer::waitUntilReady(std::unique_lock<std::mutex> &lock)
{
    if (!m_keeper.joinable())
        m_keeper = std::thread(&SdlSoundPlayer::keepDevice, this);
    m_wake.wait(lock, [this] { return m_ready; });
    return m_systemUp;
}

bool SdlSoundPlayer::usingDummyDriver()
{
    std::unique_lock lock(m_mutex);
    waitUntilReady(lock);
    return m_dummyDriver;
}

bool SdlSoundPlayer::deviceOpen()
{
    std::lock_guard lock(m_mutex);
    return m_device != 0;
}

// The keeper thread: starts the audio system, then closes the device whenever
// it has been idle for a while, so that nothing is mixed between sounds.
void SdlSoundPlayer::keepDevice()
{
    std::unique_lock lock(m_mutex);
    {
        // A second player (the narration's) may start at the same time; SDL starts one at a time.
        static std::mutex starting;
        std::lock_guard one(starting);
        m_systemUp = startSystem();
    }
    pthread_setname_np(pthread_self(), "kelvora-sound");
    m_lastActive = Clock::now();
    m_ready = true;
    m_wake.notify_all();
    while (!m_quitting) {
        if (!m_device) {
            m_wake.wait(lock);
            continue;
        }
        if (m_voiceActive)
            m_lastActive = Clock::now();
        else if (Clock::now() - m_lastActive >= IdleBeforeClosing)
            closeDevice();
        m_wake.wait_for(lock, IdleBeforeClosing / 2);
    }
}

bool SdlSoundPlayer::startSystem()
{
    SdlAudio &sdl = sdlAudio();
    QByteArray problem;
    if (!sdl.load(problem)) {
        qWarning("SDL could not be loaded (%s): sounds are skipped.", problem.constData());
        return false;
    }
    // SDL would otherwise catch SIGINT and SIGTERM and post a quit event that nobody reads.
    sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl.SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        if (openDevice()) {
            m_dummyDriver = std::strcmp(sdl.SDL_GetCurrentAudioDriver(), "dummy") == 0;
            return true;
        }
        sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    const QByteArray reason = sdl.SDL_GetError();
    sdl.SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = sdl.SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && openDevice();
    sdl.SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!opened) {
        qWarning("No audio device could be opened (%s), not even a silent one: sounds are skipped.",
                 reason.constData());
        return false;
    }
    m_dummyDriver = true;
    qWarning("No audio device could be opened (%s): sounds play silently.", reason.constData());
    return true;
}

bool SdlSoundPlayer::openDevice()
{
    if (m_device)
        return true;
    SDL_AudioSpec wanted{};
    wanted.freq = Frequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = Channels;
    wanted.samples = BufferFrames;
    wanted.callback = &SdlSoundPlayer::mix;
    wanted.userdata = this;
    SDL_AudioSpec got{};
    m_device = sdlAudio().SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, 0);
    if (!m_device)
        return false;
    m_format = {got.format, got.channels, got.freq};
    m_frameBytes = SDL_AUDIO_BITSIZE(got.format) / 8 * got.channels;
    m_silence = got.silence;
    sdlAudio().SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SdlSoundPlayer::closeDevice()
{
    if (!m_device)
        return;
    sdlAudio().SDL_CloseAudioDevice(m_device);
    m_device = 0;
    m_voiceActive = false;
    m_voice.reset();
}

// The device asks for a buffer once it has taken the one before to play: a
// sample written at a frame of this buffer is played the whole buffer ahead
// plus that many frames after the request.
void SdlSoundPlayer::mix(void *player, Uint8 *stream, int length)
{
    auto *self = static_cast<SdlSoundPlayer *>(player);
    const auto asked = Clock::now();
    std::size_t written = 0;
    if (self->m_voiceActive) {
        written = self->m_voice->fill(stream, std::size_t(length));
        if (written < std::size_t(length)) {
            self->m_voiceActive = false;
            const std::size_t frames = (std::size_t(length) + written) / std::size_t(self->m_frameBytes);
            const Seconds played(double(frames) / self->m_format.frequency);
            {
                std::lock_guard lock(self->m_endMutex);
                self->m_endedRequest = self->m_voiceRequest;
                self->m_lastSamplePlayed = asked + std::chrono::duration_cast<Clock::duration>(played);
            }
            self->m_ended.notify_all();
        }
    }
    std::memset(stream + written, self->m_silence, std::size_t(length) - written);
}

void SdlSoundPlayer::stop()
{
    {
        std::lock_guard lock(m_endMutex); // a synchronous request waiting on another thread returns
        ++m_request;
    }
    m_ended.notify_all();
    if (!m_device)
        return;
    sdlAudio().SDL_LockAudioDevice(m_device);
    m_voiceActive = false;
    sdlAudio().SDL_UnlockAudioDevice(m_device);
}

bool SdlSoundPlayer::play(std::string_view name, int /*module*/, unsigned flags)
{
    std::unique_lock lock(m_mutex);
    if ((flags & SoundNoStop) && isPlaying())
        return false;
    stop();
    if (name.empty())
        return true;
    if (!waitUntilReady(lock))
        return false;

    const QString path = m_resolve(QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (path.isEmpty() || !openDevice())
        return false;
    // A synchronous loop would never return, so looping needs SoundAsync too.
    const bool loop = (flags & SoundAsync) && (flags & SoundLoop);
    std::unique_ptr<SoundStream> voice = SoundStream::open(path, m_format, loop);
    if (!voice)
        return false;
    const double seconds = voice->seconds();
    const unsigned request = m_request;
    sdlAudio().SDL_LockAudioDevice(m_device);
    std::swap(m_voice, voice);
    m_voiceRequest = request;
    m_voiceActive = true;
    sdlAudio().SDL_UnlockAudioDevice(m_device);
    voice.reset(); // the sound it replaces, closed outside the audio thread's lock
    m_lastActive = Clock::now();
    m_wake.notify_all();
    if (flags & SoundAsync)
        return true;

    const auto giveUp = Clock::now() + std::chrono::duration_cast<Clock::duration>(Seconds(seconds) + GiveUpAfter);
    lock.unlock(); // a request from another thread may stop this sound meanwhile
    waitUntilPlayed(request, giveUp);
    return true;
}

void SdlSoundPlayer::waitUntilPlayed(unsigned request, Clock::time_point giveUp)
{
    std::unique_lock lock(m_endMutex);
    if (!m_ended.wait_until(lock, giveUp, [&] { return m_request != request || m_endedRequest == request; }))
        return;
    if (m_request != request)
        return;
    const Clock::time_point played = m_lastSamplePlayed;
    lock.unlock();
    std::this_thread::sleep_until(played);
}

} // namespace kelvora
