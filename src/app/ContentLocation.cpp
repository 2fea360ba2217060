#include "ContentLocation.h"

#include "content/ContentPath.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QDir>

namespace kelvora {

namespace {
// The candidates in the order they are tried: the requested folder alone, or
// the current directory, the executable's folder and the installed data folder.
QStringList contentCandidates(const QString &requested, const QString &programFolder)
{
    if (!requested.isEmpty())
        return {QDir(requested).absolutePath()};
    QStringList candidates;
    for (const QString &folder : {QDir::currentPath(), programFolder, installedDataFolder()}) {
        const QString path = QDir(folder).absolutePath();
        if (!candidates.contains(path))
            candidates.append(path);
    }
    return candidates;
}
} // namespace

QString locateContent(const QString &requested)
{
    return locateContent(requested, programFolder());
}

QString locateContent(const QString &requested, const QString &programFolder)
{
    const QStringList candidates = contentCandidates(requested, programFolder);
    for (const QString &folder : candidates) {
        if (resolveContentPath(StartPicture, folder).isEmpty())
            continue;
        if (!requested.isEmpty() || folder != QDir::current().absolutePath())
            return folder;
        return {};
    }
    throw RuntimeError(RuntimeError::Kind::FileNotFound, StartPicture,
                       QStringLiteral("looked for %1 in %2, in any letter case; name the folder that holds images/ and "
                                      "Sounds/ with --content DIR")
                           .arg(contentRelativePath(StartPicture), candidates.join(QStringLiteral(", "))));
}

} // namespace kelvora
