#include "SdlSoundPlayer.h"

#include "content/ContentPath.h"

#include <QFile>
#include <QLibrary>
#include <QString>
#include <QtGlobal>

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

#include <pthread.h>

namespace kelvora {

namespace {
using Seconds = std::chrono::duration<double>;

constexpr int Frequency = 44100;
constexpr int Channels = 2;
constexpr int BufferFrames = 1024;
// Mixing runs about one buffer ahead of what is heard, so a synchronous
// request also waits that long after the sound's own length.
constexpr Seconds OutputDelay{double(BufferFrames) / Frequency};
// Should the device stop calling back, a synchronous request still returns.
constexpr Seconds GiveUpAfter{2.0};
constexpr auto PollInterval = std::chrono::milliseconds(2);
// How long the device stays open after the last sound has ended.
constexpr auto IdleBeforeClosing = std::chrono::seconds(2);

// SDL is loaded when sound starts, not linked: the library and the thirty more
// it pulls in would otherwise be loaded and relocated before the first paint.
#define KELVORA_SDL_AUDIO_FUNCTIONS(X)                                                          \
    X(SDL_SetHint) X(SDL_SetHintWithPriority) X(SDL_ResetHint) X(SDL_GetError)                  \
    X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_Quit) X(SDL_GetCurrentAudioDriver)          \
    X(SDL_OpenAudioDevice) X(SDL_CloseAudioDevice) X(SDL_PauseAudioDevice)                      \
    X(SDL_LockAudioDevice) X(SDL_UnlockAudioDevice)                                             \
    X(SDL_RWFromConstMem) X(SDL_LoadWAV_RW) X(SDL_FreeWAV) X(SDL_BuildAudioCVT) X(SDL_ConvertAudio)

struct SdlAudioLibrary {
#define KELVORA_SDL_POINTER(name) decltype(&::name) name = nullptr;
    KELVORA_SDL_AUDIO_FUNCTIONS(KELVORA_SDL_POINTER)
#undef KELVORA_SDL_POINTER

    // Once; false with the reason if the library or one of its functions is missing.
    bool load(QByteArray &problem)
    {
        if (loaded)
            return true;
        library.setFileNameAndVersion(QStringLiteral("SDL2-2.0"), 0);
        if (!library.load()) {
            problem = library.errorString().toUtf8();
            return false;
        }
#define KELVORA_SDL_RESOLVE(name)                                                    \
    if (!(name = reinterpret_cast<decltype(name)>(library.resolve(#name)))) {        \
        problem = library.errorString().toUtf8();                                    \
        return false;                                                                \
    }
        KELVORA_SDL_AUDIO_FUNCTIONS(KELVORA_SDL_RESOLVE)
#undef KELVORA_SDL_RESOLVE
        loaded = true;
        return true;
    }

    QLibrary library;
    bool loaded = false;
};
SdlAudioLibrary sdl;

struct SdlFree {
    void operator()(Uint8 *buffer) const { sdl.SDL_FreeWAV(buffer); }
};
} // namespace

SdlSoundPlayer::SdlSoundPlayer() = default;

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
    if (sdl.loaded)
        sdl.SDL_Quit(); // SDL is the player's alone: this also frees its hints
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
    m_systemUp = startSystem();
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
    m_device = sdl.SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, 0);
    if (!m_device)
        return false;
    m_frequency = got.freq;
    m_format = got.format;
    m_channels = got.channels;
    m_frameBytes = SDL_AUDIO_BITSIZE(got.format) / 8 * got.channels;
    m_silence = got.silence;
    sdl.SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SdlSoundPlayer::closeDevice()
{
    if (!m_device)
        return;
    sdl.SDL_CloseAudioDevice(m_device);
    m_device = 0;
    m_voiceActive = false;
}

void SdlSoundPlayer::mix(void *player, Uint8 *stream, int length)
{
    auto *self = static_cast<SdlSoundPlayer *>(player);
    auto left = size_t(length);
    while (left > 0 && self->m_voiceActive) {
        const size_t count = std::min(left, self->m_samples.size() - self->m_position);
        std::memcpy(stream, self->m_samples.data() + self->m_position, count);
        stream += count;
        left -= count;
        self->m_position += count;
        if (self->m_position == self->m_samples.size()) {
            self->m_position = 0;
            if (!self->m_loop)
                self->m_voiceActive = false;
        }
    }
    std::memset(stream, self->m_silence, left);
}

void SdlSoundPlayer::stop()
{
    ++m_request;
    if (!m_device)
        return;
    sdl.SDL_LockAudioDevice(m_device);
    m_voiceActive = false;
    sdl.SDL_UnlockAudioDevice(m_device);
}

// Decodes the WAV data into the device's format and starts it as the voice.
bool SdlSoundPlayer::startVoice(const QByteArray &wav, bool loop)
{
    SDL_AudioSpec format{};
    Uint8 *decoded = nullptr;
    Uint32 length = 0;
    if (!sdl.SDL_LoadWAV_RW(sdl.SDL_RWFromConstMem(wav.constData(), int(wav.size())), 1, &format, &decoded, &length))
        return false;
    const std::unique_ptr<Uint8, SdlFree> owner(decoded);

    SDL_AudioCVT convert;
    if (sdl.SDL_BuildAudioCVT(&convert, format.format, format.channels, format.freq, m_format, m_channels,
                          m_frequency) < 0)
        return false;
    std::vector<Uint8> samples(size_t(length) * size_t(std::max(convert.len_mult, 1)));
    std::memcpy(samples.data(), decoded, length);
    if (convert.needed) {
        convert.buf = samples.data();
        convert.len = int(length);
        if (sdl.SDL_ConvertAudio(&convert) != 0)
            return false;
        samples.resize(size_t(convert.len_cvt));
    }
    samples.resize(samples.size() / size_t(m_frameBytes) * size_t(m_frameBytes));

    if (!openDevice())
        return false;
    sdl.SDL_LockAudioDevice(m_device);
    m_samples = std::move(samples);
    m_position = 0;
    m_loop = loop;
    m_voiceActive = !m_samples.empty();
    sdl.SDL_UnlockAudioDevice(m_device);
    m_lastActive = Clock::now();
    m_wake.notify_all();
    return true;
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

    const QString path = resolveContentPath(QString::fromUtf8(name.data(), qsizetype(name.size())));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() > INT_MAX)
        return false;
    // A synchronous loop would never return, so looping needs SoundAsync too.
    const bool loop = (flags & SoundAsync) && (flags & SoundLoop);
    if (!startVoice(bytes, loop))
        return false;
    if (flags & SoundAsync)
        return true;

    const double bytesPerSecond = double(m_frameBytes) * m_frequency;
    const auto heardUntil = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                   Seconds(double(m_samples.size()) / bytesPerSecond) + OutputDelay);
    const unsigned request = m_request;
    lock.unlock(); // a request from another thread may stop this sound meanwhile
    waitUntilPlayed(heardUntil, request);
    return true;
}

void SdlSoundPlayer::waitUntilPlayed(Clock::time_point heardUntil, unsigned request) const
{
    const auto giveUp = heardUntil + std::chrono::duration_cast<Clock::duration>(GiveUpAfter);
    while (m_request == request) {
        const auto now = Clock::now();
        if (now >= giveUp || (now >= heardUntil && !isPlaying()))
            return;
        std::this_thread::sleep_for(PollInterval);
    }
}

} // namespace kelvora
