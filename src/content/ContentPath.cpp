#include "ContentPath.h"

#include <QFileInfo>

namespace kelvora {

QString contentRelativePath(const QString &name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

namespace {
// The entry of folder whose name equals part, exactly or else without regard to case.
QString matchEntry(const QDir &folder, const QString &part)
{
    if (QFileInfo::exists(folder.filePath(part)))
        return part;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}
} // namespace

QString resolveContentPath(const QString &name, const QString &base)
{
    const QStringList parts = contentRelativePath(name).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    QDir folder(base);
    QString path = folder.absolutePath();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return {}; // content names never leave their folder
        const QString entry = matchEntry(folder, part);
        if (entry.isEmpty())
            return {};
        path = folder.filePath(entry);
        const bool last = i + 1 == parts.size();
        if (!last) {
            if (!QFileInfo(path).isDir())
                return {};
            folder.setPath(path);
        } else if (!QFileInfo(path).isFile()) {
            return {};
        }
    }
    // A link may lead within the folder, never out of it.
    const QString inside = QFileInfo(base).canonicalFilePath() + QLatin1Char('/');
    if (!QFileInfo(path).canonicalFilePath().startsWith(inside))
        return {};
    return path;
}

QString contentLookupDetail(const QString &name, const QString &base)
{
    return QStringLiteral("looked for %1 in %2, in any letter case").arg(contentRelativePath(name), QDir(base).absolutePath());
}

} // namespace kelvora
