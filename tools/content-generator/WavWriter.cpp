#include "WavWriter.h"

#include <QFile>

#include <sndfile.h>

#include <stdexcept>

namespace kelvora::content {

void writeWav(const QString &path, const synth::Samples &samples)
{
    // Written beside the target and renamed, so a failed run leaves no half file.
    const QString partial = path + QStringLiteral(".part");
    SF_INFO info{};
    info.samplerate = synth::SampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(partial).constData(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + sf_strerror(nullptr));
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const sf_count_t written = sf_write_float(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    const std::string error = sf_strerror(file);
    sf_close(file);
    if (written != static_cast<sf_count_t>(samples.size()))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + error);
    QFile::remove(path);
    if (!QFile::rename(partial, path))
        throw std::runtime_error("cannot move " + partial.toStdString() + " to " + path.toStdString());
}

} // namespace kelvora::content
