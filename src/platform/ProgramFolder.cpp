#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace kelvora {

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder)
{
    overrideFolder() = folder;
}

QString installedDataFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(program.filePath(QStringLiteral(KELVORA_DATA_FROM_PROGRAM)));
}

QString installedPluginFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(program.filePath(QStringLiteral(KELVORA_PLUGINS_FROM_PROGRAM)));
}

} // namespace kelvora
