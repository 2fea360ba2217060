#include "ContentPicture.h"

#include "ContentPath.h"
#include "platform/RuntimeError.h"

#include <QImageReader>

namespace kelvora {

QImage loadContentPicture(const QString &name)
{
    const QString path = resolveContentPath(name);
    if (path.isEmpty())
        throw RuntimeError(RuntimeError::Kind::FileNotFound, name, contentLookupDetail(name));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError(RuntimeError::Kind::BadPicture, name,
                           QStringLiteral("%1: %2").arg(path, reader.errorString()));
    return image;
}

} // namespace kelvora
