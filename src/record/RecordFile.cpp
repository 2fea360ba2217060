#include "RecordFile.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryFile>

namespace kelvora {

namespace {
constexpr int MaxNameTries = 1000;

QString numberedName(const QString &baseName, int number)
{
    return baseName + (number > 1 ? QStringLiteral("-%1").arg(number) : QString()) + QStringLiteral(".json");
}
} // namespace

QString saveNewRecord(const QString &folder, const QString &baseName, const RecordBody &body, QString *error)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("cannot make the folder %1").arg(folder);
        return {};
    }
    // Written under a hidden name first, so no reader sees a part of it; the
    // rename below never replaces an existing file.
    QTemporaryFile part(dir.filePath(QStringLiteral(".") + baseName + QStringLiteral(".XXXXXX")));
    if (!part.open()) {
        *error = part.errorString();
        return {};
    }
    if (!body(part) || !part.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(part.fileName(), part.errorString());
        return {};
    }
    for (int number = 1; number <= MaxNameTries; ++number) {
        const QString path = dir.filePath(numberedName(baseName, number));
        if (QFile::exists(path))
            continue;
        if (part.rename(path)) {
            part.setAutoRemove(false);
            return path;
        }
        if (!QFile::exists(path)) {
            *error = QStringLiteral("cannot name the record %1: %2").arg(path, part.errorString());
            part.remove();
            return {};
        }
    }
    *error = QStringLiteral("no free name for %1 in %2").arg(baseName, folder);
    part.remove();
    return {};
}

bool saveRecordAs(const QString &path, const RecordBody &body, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !body(file)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace kelvora
