#define SDL_MAIN_HANDLED
#include "SdlSoundPlayer.h"

#include "content/ContentPath.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <SDL.h>
#include <SDL_mixer.h>

#include <chrono>
#include <climits>
#include <thread>

namespace kelvora {

namespace {
using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr int Channel = 0;
constexpr int Frequency = 44100;
constexpr int BufferFrames = 1024;
// Mixing runs about one buffer ahead of what is heard, so a synchronous
// request also waits that long after the sound's own length.
constexpr Seconds OutputDelay{double(BufferFrames) / Frequency};
// Should the device stop calling back, a synchronous request still returns.
constexpr Seconds GiveUpAfter{2.0};
constexpr auto PollInterval = std::chrono::milliseconds(2);

bool openMixer()
{
    // SDL's own SIGINT and SIGTERM handlers would only queue a quit event nobody reads,
    // so the trainer would outlive Ctrl-C, kill and the end of the session.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(Frequency, MIX_DEFAULT_FORMAT, 2, BufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    return true;
}

// The decoded length, from the chunk in the device's format.
double lengthOf(const Mix_Chunk *chunk)
{
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (!Mix_QuerySpec(&frequency, &format, &channels) || frequency <= 0 || channels <= 0)
        return 0.0;
    const int frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * channels;
    return double(chunk->alen) / frameBytes / frequency;
}
} // namespace

SdlSoundPlayer::SdlSoundPlayer()
{
    m_open = openDevice();
}

SdlSoundPlayer::~SdlSoundPlayer()
{
    std::lock_guard lock(m_mutex);
    stop();
    if (m_open) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlSoundPlayer::openDevice()
{
    if (openMixer())
        return true;
    const QByteArray reason = SDL_GetError();
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = openMixer();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!opened) {
        qWarning("No audio device could be opened (%s), not even a silent one: sounds are skipped.",
                 reason.constData());
        return false;
    }
    m_dummyDriver = true;
    qWarning("No audio device could be opened (%s): sounds play silently.", reason.constData());
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
    if (!m_open)
        return false;

    const QString path = resolveContentPath(QString::fromUtf8(name.data(), qsizetype(name.size())));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() > INT_MAX)
        return false;
    m_chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1);
    if (!m_chunk)
        return false;

    // A synchronous loop would never return, so looping needs SoundAsync too.
    const bool loop = (flags & SoundAsync) && (flags & SoundLoop);
    if (Mix_PlayChannel(Channel, m_chunk, loop ? -1 : 0) < 0) {
        stop();
        return false;
    }
    if (flags & SoundAsync)
        return true;

    const auto heardUntil = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                   Seconds(lengthOf(m_chunk)) + OutputDelay);
    const unsigned request = m_request;
    lock.unlock(); // a request from another thread may stop this sound meanwhile
    waitUntilPlayed(heardUntil, request);
    return true;
}

bool SdlSoundPlayer::isPlaying() const
{
    return m_open && Mix_Playing(Channel) != 0;
}

void SdlSoundPlayer::stop()
{
    ++m_request;
    if (m_chunk) {
        Mix_HaltChannel(Channel);
        Mix_FreeChunk(m_chunk);
        m_chunk = nullptr;
    }
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
