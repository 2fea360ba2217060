#include "SoundDecode.h"

#include "content/RegularFile.h"


#include <sndfile.h>

#include <memory>
#include <vector>

namespace kelvora {

QString soundProblem(const QString &path)
{
    // Opened by libsndfile from the name, a FIFO put where a sound was checked would hold the checker for ever.
    QString error;
    const int fd = openRegularFile(path, &error);
    if (fd < 0)
        return error;
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> sound(sf_open_fd(fd, SFM_READ, &info, SF_TRUE), sf_close);
    if (!sound)
        return QStringLiteral("does not decode as a sound: %1").arg(QString::fromLocal8Bit(sf_strerror(nullptr)));
    if (info.frames <= 0 || info.channels <= 0)
        return QStringLiteral("holds no sound");
    // Read it through: a header that promises more than the file holds is a fault too.
    std::vector<float> buffer(size_t(4096) * size_t(info.channels));
    sf_count_t read = 0;
    for (sf_count_t got; (got = sf_readf_float(sound.get(), buffer.data(), 4096)) > 0;)
        read += got;
    if (read != info.frames)
        return QStringLiteral("breaks off after %1 of %2 frames").arg(read).arg(info.frames);
    return {};
}

QString SoundChecks::check(const QString &path)
{
    return m_checked.find(path, soundProblem);
}

SoundChecks &SoundChecks::shared()
{
    static SoundChecks checks;
    return checks;
}

} // namespace kelvora
