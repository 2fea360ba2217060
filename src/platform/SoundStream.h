#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct sf_private_tag;
struct _SDL_AudioStream;

namespace kelvora {

// One sound file, read in chunks as it plays and converted on the way to the
// audio device's format, so that a long sound is never held whole.
class SoundStream {
public:
    struct Format {
        std::uint16_t sampleFormat;
        std::uint8_t channels;
        int frequency;
    };

    // Nullptr when the file cannot be read or decoded.
    static std::unique_ptr<SoundStream> open(const QString &path, const Format &device, bool loop);
    ~SoundStream();
    SoundStream(const SoundStream &) = delete;
    SoundStream &operator=(const SoundStream &) = delete;

    // Writes the next bytes of the sound in the device's format; fewer than asked once it has ended.
    std::size_t fill(std::uint8_t *out, std::size_t bytes);
    // The sound's length, once through.
    double seconds() const;

private:
    SoundStream() = default;
    bool readChunk();

    sf_private_tag *m_file = nullptr;
    _SDL_AudioStream *m_convert = nullptr;
    std::vector<short> m_chunk;
    long long m_frames = 0;
    long long m_framesLeft = 0; // to write once through, at the device's rate
    int m_frameBytes = 0;
    int m_fileRate = 0;
    int m_fileChannels = 0;
    bool m_loop = false;
    bool m_flushed = false;
};

} // namespace kelvora
