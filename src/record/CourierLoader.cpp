#include "Courier.h"

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace kelvora {

std::unique_ptr<Courier> loadCourier(const StoreSettings &store, const QString &outbox, QString &problem)
{
    // Beside the program in the build's runnable folder, else where the package puts it.
    QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KELVORA_STORE_PLUGIN));
    if (!QFileInfo::exists(path))
        path = QDir(installedPluginFolder()).filePath(QStringLiteral(KELVORA_STORE_PLUGIN));
    QPluginLoader loader(path);
    auto *maker = qobject_cast<CourierMaker *>(loader.instance());
    if (!maker) {
        problem = loader.errorString();
        return nullptr;
    }
    return maker->makeCourier(store, outbox);
}

} // namespace kelvora
