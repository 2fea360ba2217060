#include "RegularFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {

namespace {
std::optional<QByteArray> fail(QString *error, const QString &reason)
{
    *error = reason;
    return std::nullopt;
}

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("is larger than %1 bytes").arg(maxBytes);
}
} // namespace

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool isSpecialFile(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode);
}

QString specialFileKind(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return {};
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("a FIFO");
    if (S_ISCHR(status.st_mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(status.st_mode))
        return QStringLiteral("a block device");
    if (S_ISSOCK(status.st_mode))
        return QStringLiteral("a socket");
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("a folder");
    return QStringLiteral("not a regular file");
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error)
{
    if (path.startsWith(QLatin1Char(':'))) {
        QFile resource(path);
        if (!resource.open(QIODevice::ReadOnly))
            return fail(error, QStringLiteral("cannot be read: %1").arg(resource.errorString()));
        if (resource.size() > maxBytes)
            return fail(error, tooLarge(maxBytes));
        return resource.readAll();
    }
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    // Looked at before opening: opening some devices already acts on them.
    if (::stat(name.constData(), &status) != 0)
        return fail(error, QStringLiteral("cannot be read: %1").arg(systemError()));
    if (!S_ISREG(status.st_mode))
        return fail(error, QStringLiteral("is not a regular file"));
    // Non-blocking, so a FIFO put in its place meanwhile cannot hold the open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return fail(error, QStringLiteral("cannot be read: %1").arg(systemError()));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return fail(error, QStringLiteral("is not a regular file"));
    if (status.st_size > maxBytes)
        return fail(error, tooLarge(maxBytes));

    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(error, QStringLiteral("cannot be read: %1").arg(systemError()));
        if (n == 0)
            break; // shrunk meanwhile
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

} // namespace kelvora
