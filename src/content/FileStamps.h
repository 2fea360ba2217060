#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QString>

namespace kelvora {

// What was found out about files, each result kept while its file's time and size are unchanged: a tool that
// checks again after every edit looks again only at the files that changed. A FIFO or a missing file is looked
// at every time. Safe to use from several threads (two may look at one new file at once; both find the same).
template <typename Result>
class FileStamps {
public:
    template <typename LookAt>
    Result find(const QString &path, LookAt lookAt)
    {
        const QFileInfo file(path);
        const QDateTime modified = file.lastModified();
        const qint64 bytes = file.size();
        {
            const QMutexLocker lock(&m_lock);
            const auto found = m_kept.constFind(path);
            if (found != m_kept.cend() && found->modified == modified && found->bytes == bytes)
                return found->result;
        }
        Result result = lookAt(path);
        if (file.isFile()) {
            const QMutexLocker lock(&m_lock);
            m_kept.insert(path, {modified, bytes, result});
        }
        return result;
    }

private:
    struct Kept {
        QDateTime modified;
        qint64 bytes = -1;
        Result result;
    };
    QMutex m_lock;
    QHash<QString, Kept> m_kept;
};

} // namespace kelvora
