#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace kelvora {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
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
