#include "SoundStream.h"

#include "SdlAudio.h"

#include <QFile>
#include <QLibrary>

#include <sndfile.h>

#include <algorithm>

namespace kelvora {

namespace {
// Frames read from the file at a time: about a device buffer's worth.
constexpr int ChunkFrames = 1024;

// libsndfile is loaded with the audio system, not linked, for the same reason as SDL.
#define KELVORA_SNDFILE_FUNCTIONS(X) X(sf_open) X(sf_close) X(sf_readf_short) X(sf_seek)

struct SndfileLibrary {
#define KELVORA_SNDFILE_POINTER(name) decltype(&::name) name = nullptr;
    KELVORA_SNDFILE_FUNCTIONS(KELVORA_SNDFILE_POINTER)
#undef KELVORA_SNDFILE_POINTER

    bool load()
    {
        if (tried)
            return loaded;
        tried = true;
        library.setFileNameAndVersion(QStringLiteral("sndfile"), 1);
        if (!library.load()) {
            qWarning("libsndfile could not be loaded (%s): sounds are skipped.", qPrintable(library.errorString()));
            return false;
        }
#define KELVORA_SNDFILE_RESOLVE(name)                                                \
    if (!(name = reinterpret_cast<decltype(name)>(library.resolve(#name)))) {        \
        qWarning("libsndfile lacks %s: sounds are skipped.", #name);                 \
        return false;                                                                \
    }
        KELVORA_SNDFILE_FUNCTIONS(KELVORA_SNDFILE_RESOLVE)
#undef KELVORA_SNDFILE_RESOLVE
        loaded = true;
        return true;
    }

    QLibrary library;
    bool tried = false;
    bool loaded = false;
};
SndfileLibrary sndfile;
} // namespace

std::unique_ptr<SoundStream> SoundStream::open(const QString &path, const Format &device, bool loop)
{
    if (!sndfile.load())
        return nullptr;
    std::unique_ptr<SoundStream> stream(new SoundStream);
    SF_INFO info{};
    stream->m_file = sndfile.sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!stream->m_file || info.channels <= 0 || info.channels > 8 || info.samplerate <= 0)
        return nullptr;
    stream->m_frames = info.frames;
    stream->m_framesLeft = info.frames * device.frequency / info.samplerate;
    stream->m_frameBytes = SDL_AUDIO_BITSIZE(device.sampleFormat) / 8 * device.channels;
    stream->m_fileRate = info.samplerate;
    stream->m_fileChannels = info.channels;
    stream->m_loop = loop && info.frames > 0;
    stream->m_convert = sdlAudio().SDL_NewAudioStream(AUDIO_S16SYS, Uint8(info.channels), info.samplerate,
                                                      device.sampleFormat, device.channels, device.frequency);
    if (!stream->m_convert)
        return nullptr;
    stream->m_chunk.resize(size_t(ChunkFrames) * size_t(info.channels));
    return stream;
}

SoundStream::~SoundStream()
{
    if (m_convert)
        sdlAudio().SDL_FreeAudioStream(m_convert);
    if (m_file)
        sndfile.sf_close(m_file);
}

double SoundStream::seconds() const
{
    return double(m_frames) / m_fileRate;
}

// Feeds the converter the next chunk of the file (from its start again when
// looping); at the end, flushes it. False when nothing more will come.
bool SoundStream::readChunk()
{
    if (m_flushed)
        return false;
    SdlAudio &sdl = sdlAudio();
    const int chunkBytes = ChunkFrames * m_fileChannels * int(sizeof(short));
    sf_count_t frames = sndfile.sf_readf_short(m_file, m_chunk.data(), ChunkFrames);
    if (frames <= 0 && m_loop && sndfile.sf_seek(m_file, 0, SEEK_SET) == 0)
        frames = sndfile.sf_readf_short(m_file, m_chunk.data(), ChunkFrames);
    if (frames > 0)
        return sdl.SDL_AudioStreamPut(m_convert, m_chunk.data(), int(frames) * m_fileChannels * int(sizeof(short))) == 0;
    m_flushed = true;
    // The resampler keeps back the last few milliseconds even when flushed:
    // silence pushes them out, and fill() stops at the sound's own length.
    std::fill(m_chunk.begin(), m_chunk.end(), short(0));
    for (int pad = 0; pad < 4; ++pad)
        sdl.SDL_AudioStreamPut(m_convert, m_chunk.data(), chunkBytes);
    return sdl.SDL_AudioStreamFlush(m_convert) == 0;
}

std::size_t SoundStream::fill(std::uint8_t *out, std::size_t bytes)
{
    if (!m_loop)
        bytes = std::min(bytes, std::size_t(std::max(m_framesLeft, 0LL)) * std::size_t(m_frameBytes));
    std::size_t done = 0;
    while (done < bytes) {
        const int got = sdlAudio().SDL_AudioStreamGet(m_convert, out + done, int(bytes - done));
        if (got < 0)
            break;
        done += std::size_t(got);
        if (got == 0 && !readChunk())
            break;
    }
    m_framesLeft -= (long long)(done / std::size_t(m_frameBytes));
    return done;
}

} // namespace kelvora
