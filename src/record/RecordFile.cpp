#include "RecordFile.h"

#include "content/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {

namespace {
constexpr int MaxNameTries = 1000;
constexpr qint64 MaxRecordBytes = 64 * 1024 * 1024;
// Bytes of the trainee's part of a file name: with the time, a number and
// ".json", and the hidden name it is written under, far below 255.
constexpr qsizetype MaxTraineeNameBytes = 180;

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// A file written beside its final place under a hidden name, then put in place
// by a rename; removed if it never gets there.
class PartFile {
public:
    PartFile(const QString &folder, const QString &name)
    {
        QByteArray path = encoded(QDir(folder).filePath(QLatin1Char('.') + name + QStringLiteral(".XXXXXX")));
        m_fd = ::mkostemp(path.data(), O_CLOEXEC);
        if (m_fd < 0) {
            m_error = QStringLiteral("cannot write in %1: %2").arg(folder, systemError());
            return;
        }
        m_path = path;
        // mkostemp makes it 0600 whatever the umask: a trainee's record is theirs alone.
        // Locked until it is in place, so that no other start takes it for one left behind.
        m_lockFd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (m_lockFd >= 0)
            ::flock(m_lockFd, LOCK_EX);
    }
    // One left behind by a program that was ended before it put it in place;
    // held is false while another program is still writing it.
    PartFile(const QByteArray &leftBehind, bool *held) : m_path(leftBehind)
    {
        m_lockFd = ::open(leftBehind.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        *held = m_lockFd >= 0 && ::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0;
        if (!*held)
            m_path.clear();
    }
    PartFile(const PartFile &) = delete;
    PartFile &operator=(const PartFile &) = delete;
    ~PartFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.isEmpty())
            ::unlink(m_path.constData());
        if (m_lockFd >= 0)
            ::close(m_lockFd);
    }

    // Left where it is, whatever happens.
    void keep() { m_path.clear(); }

    // Every byte written and on the disk, or false with the reason naming target.
    bool write(const QByteArray &bytes, const QString &target)
    {
        if (m_fd < 0)
            return false;
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return failed(target);
            done += n;
        }
        const bool synced = ::fsync(m_fd) == 0;
        const bool closed = ::close(m_fd) == 0;
        m_fd = -1;
        return (synced && closed) || failed(target);
    }

    // Renames to path unless something is there already (taken is then true).
    bool placeNew(const QString &path, bool *taken)
    {
        const QByteArray to = encoded(path);
        int done = ::renameat2(AT_FDCWD, m_path.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
        if (done != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system without that rename: a hard link fails just as surely on a taken name.
            done = ::link(m_path.constData(), to.constData());
            if (done == 0)
                ::unlink(m_path.constData());
        }
        if (done == 0) {
            m_path.clear();
            syncFolder(path);
            return true;
        }
        *taken = errno == EEXIST;
        return !*taken && failed(path);
    }

    bool replace(const QString &path)
    {
        if (::rename(m_path.constData(), encoded(path).constData()) != 0)
            return failed(path);
        m_path.clear();
        syncFolder(path);
        return true;
    }

    void setMode(mode_t mode)
    {
        if (m_fd >= 0)
            ::fchmod(m_fd, mode);
    }

    const QString &error() const { return m_error; }

private:
    bool failed(const QString &target)
    {
        m_error = QStringLiteral("cannot write %1: %2").arg(target, systemError());
        return false;
    }

    // The rename itself survives a power cut only once its folder is on the disk.
    static void syncFolder(const QString &file)
    {
        const int fd = ::open(encoded(QFileInfo(file).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }

    int m_fd = -1;
    int m_lockFd = -1;
    QByteArray m_path; // while the file is not in place
    QString m_error;
};

QString numberedName(const QString &baseName, int number)
{
    return baseName + (number > 1 ? QStringLiteral("-%1").arg(number) : QString()) + QStringLiteral(".json");
}

// Like mkpath, but what it makes only its owner may enter, whatever the umask.
bool makeFolder(const QString &folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QStringList missing;
    for (QString at = path; !QFileInfo::exists(at) && at != QLatin1String("/"); at = QFileInfo(at).absolutePath())
        missing.prepend(at);
    for (const QString &at : missing) {
        if (::mkdir(encoded(at).constData(), 0700) != 0 && errno != EEXIST)
            return false;
        ::chmod(encoded(at).constData(), 0700);
    }
    return QFileInfo(path).isDir();
}

QString folderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("the folder %1 does not exist").arg(folder);
    if (!info.isDir())
        return QStringLiteral("%1 is not a folder").arg(folder);
    if (::access(encoded(folder).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("cannot write in the folder %1: %2").arg(folder, systemError());
    return {};
}
} // namespace

QString saveNewRecord(const QString &folder, const QString &baseName, const QByteArray &bytes, QString *error)
{
    if (!makeFolder(folder)) {
        *error = QStringLiteral("cannot make the folder %1: %2").arg(folder, systemError());
        return {};
    }
    const QDir dir(folder);
    PartFile part(folder, baseName);
    if (!part.write(bytes, dir.filePath(numberedName(baseName, 1)))) {
        *error = part.error();
        return {};
    }
    for (int number = 1; number <= MaxNameTries; ++number) {
        const QString path = dir.filePath(numberedName(baseName, number));
        bool taken = false;
        if (part.placeNew(path, &taken))
            return path;
        if (!taken) {
            *error = part.error();
            return {};
        }
    }
    *error = QStringLiteral("no free name for %1 in %2").arg(baseName, folder);
    return {};
}

bool saveRecordAs(const QString &path, const QByteArray &bytes, QString *error)
{
    if (const QString problem = recordFileProblem(path); !problem.isEmpty()) {
        *error = problem;
        return false;
    }
    // A link is followed, so the file it names is replaced, not the link.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QFileInfo targetInfo(target);
    PartFile part(targetInfo.absolutePath(), targetInfo.fileName());
    // The file being replaced keeps who may read it.
    struct stat existing = {};
    if (::stat(encoded(target).constData(), &existing) == 0)
        part.setMode(existing.st_mode & 07777);
    if (!part.write(bytes, path) || !part.replace(target)) {
        *error = part.error();
        return false;
    }
    return true;
}

QString recordFileProblem(const QString &path)
{
    if (isSpecialFile(path))
        return QStringLiteral("%1 is not a regular file").arg(path);
    const QFileInfo info(path);
    if (info.exists() && ::access(encoded(path).constData(), W_OK) != 0)
        return QStringLiteral("cannot write %1: %2").arg(path, systemError());
    return folderProblem(info.absolutePath());
}

QString recordFolderProblem(const QString &folder)
{
    makeFolder(folder); // if it cannot be made, the folder's problem says why
    return folderProblem(folder);
}

QStringList recoverPartFiles(const QString &folder)
{
    // ".<start>-<trainee>.XXXXXX", as saveNewRecord names them.
    static const QRegularExpression partName(QStringLiteral("^\\.(\\d{8}-\\d{6}-.*)\\.[A-Za-z0-9]{6}$"));
    QStringList placed;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = partName.match(name);
        if (!match.hasMatch())
            continue;
        const QString path = dir.filePath(name);
        bool held = false;
        PartFile part(encoded(path), &held);
        if (!held)
            continue;
        QString error;
        const std::optional<QByteArray> bytes = readRecordFile(path, &error);
        // Written whole, it is a record all the same; cut short, it is nothing.
        if (!bytes || !QJsonDocument::fromJson(*bytes).isArray())
            continue; // removed as the part goes
        bool done = false;
        for (int number = 1; number <= MaxNameTries && !done; ++number) {
            const QString target = dir.filePath(numberedName(match.captured(1), number));
            bool taken = false;
            done = part.placeNew(target, &taken);
            if (done)
                placed << target;
            else if (!taken)
                break;
        }
        if (!done)
            part.keep();
    }
    return placed;
}

std::optional<QByteArray> readRecordFile(const QString &path, QString *error)
{
    return readRegularFile(path, MaxRecordBytes, error);
}

QString recordBaseName(const QDateTime &start, const QString &trainee)
{
    QString part;
    qsizetype bytes = 0;
    for (const uint letter : trainee.toUcs4()) {
        const QString kept = QChar::isLetterOrNumber(letter) || letter == '-' || letter == '.'
                                 ? QString::fromUcs4(reinterpret_cast<const char32_t *>(&letter), 1)
                                 : QStringLiteral("_");
        bytes += kept.toUtf8().size();
        if (bytes > MaxTraineeNameBytes)
            break;
        part += kept;
    }
    return start.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('-') + part;
}

} // namespace kelvora
