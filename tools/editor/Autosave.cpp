#include "Autosave.h"

#include "CourseDocument.h"
#include "content/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace kelvora {

namespace {
const QString CourseKey = QStringLiteral("course"), FileKey = QStringLiteral("file"), WhenKey = QStringLiteral("kept");
}

Autosave::Autosave(CourseDocument &document, QString stateFolder, QObject *parent)
    : QObject(parent), m_document(document), m_folder(std::move(stateFolder))
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(3000);
    connect(&m_idle, &QTimer::timeout, this, &Autosave::keepNow);
    // After the stack has moved: an edit undone back to what is on disk leaves nothing to keep.
    connect(&document.undoStack(), &QUndoStack::indexChanged, this, [this] {
        if (m_document.isModified())
            m_idle.start();
        else
            discard(); // undone back to what is on disk
    });
    connect(&document, &CourseDocument::saved, this, &Autosave::discard);
    connect(&document, &CourseDocument::opened, &m_idle, &QTimer::stop);
}

QString Autosave::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/kelvora/autosave");
}

QString Autosave::fileFor(const QString &courseFile) const
{
    const QByteArray key = QCryptographicHash::hash(courseFile.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return m_folder + QLatin1Char('/') + QString::fromLatin1(key) + QStringLiteral(".json");
}

std::optional<Autosave::Kept> Autosave::kept(const QString &courseFile) const
{
    QFile file(fileFor(courseFile));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject kept = QJsonDocument::fromJson(file.readAll()).object();
    if (kept.value(FileKey).toString() != courseFile || !kept.value(CourseKey).isObject())
        return std::nullopt;
    const QJsonObject course = kept.value(CourseKey).toObject();
    QFile onDisk(courseFile);
    if (onDisk.open(QIODevice::ReadOnly) && QJsonDocument::fromJson(onDisk.readAll()).object() == course)
        return std::nullopt;
    return Kept{course, QDateTime::fromString(kept.value(WhenKey).toString(), Qt::ISODate)};
}

QString Autosave::keepNow()
{
    m_idle.stop();
    if (!m_document.isModified() || m_document.isReadOnly())
        return {};
    const QJsonObject kept{{FileKey, m_document.file()},
                           {WhenKey, QDateTime::currentDateTime().toString(Qt::ISODate)},
                           {CourseKey, m_document.course()}};
    const QByteArray bytes = QJsonDocument(kept).toJson(QJsonDocument::Compact);
    // The author's unsaved work is theirs alone, whatever the umask.
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
    if (!QDir().mkpath(m_folder) || !QFile::setPermissions(m_folder, owner | QFile::ExeOwner))
        return tr("The unsaved changes could not be kept in %1").arg(m_folder);
    const QString file = fileFor(m_document.file());
    if (const QString error = saveWholeFile(file, bytes); !error.isEmpty())
        return tr("The unsaved changes could not be kept: %1").arg(error);
    QFile::setPermissions(file, owner);
    return {};
}

void Autosave::discard()
{
    m_idle.stop();
    if (!m_document.file().isEmpty())
        QFile::remove(fileFor(m_document.file()));
}

} // namespace kelvora
