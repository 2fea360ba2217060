#include "RegularFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
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

int openRegularFile(const QString &path, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    // Looked at before opening: opening some devices already acts on them.
    if (::stat(name.constData(), &status) != 0) {
        *error = QStringLiteral("cannot be read: %1").arg(systemError());
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        *error = QStringLiteral("is not a regular file");
        return -1;
    }
    // Non-blocking, so a FIFO put in its place meanwhile cannot hold the open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *error = QStringLiteral("cannot be read: %1").arg(systemError());
        return -1;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        *error = QStringLiteral("is not a regular file");
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
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
    QString why;
    const int fd = openRegularFile(path, &why);
    if (fd < 0)
        return fail(error, why);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return fail(error, QStringLiteral("cannot be read: %1").arg(systemError()));
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

QString saveWholeFile(const QString &path, const QByteArray &bytes)
{
    if (const QString kind = specialFileKind(path); !kind.isEmpty())
        return QStringLiteral("%1: not written: it is %2").arg(path, kind);
    QSaveFile out(path);
    const auto failed = [&](const QString &reason) {
        out.cancelWriting();
        return QStringLiteral("%1: not written (%2); nothing was replaced").arg(path, reason);
    };
    if (!out.open(QIODevice::WriteOnly))
        return failed(out.errorString());
    if (out.write(bytes) != bytes.size())
        return failed(out.errorString());
    // QSaveFile's commit passes over a failed flush of its buffer: on a full disk it would put an empty file in place.
    if (!out.flush())
        return failed(out.errorString());
    if (::fsync(out.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return failed(systemError());
    if (!out.commit())
        return failed(out.errorString());
    return {};
}

QString writeStandardOutput(const QByteArray &bytes)
{
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    if (std::fflush(stdout) != 0 || !written || std::ferror(stdout))
        return QStringLiteral("standard output: not written (%1)").arg(systemError());
    return {};
}

} // namespace kelvora
