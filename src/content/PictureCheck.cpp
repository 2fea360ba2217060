#include "PictureCheck.h"

#include "ContentPicture.h"

#include <QFileInfo>

namespace kelvora {

PictureCheckResult PictureChecks::check(const QString &path)
{
    const QFileInfo file(path);
    const QDateTime modified = file.lastModified();
    const qint64 bytes = file.size();
    {
        const QMutexLocker lock(&m_lock);
        const auto found = m_checked.constFind(path);
        if (found != m_checked.cend() && found->modified == modified && found->bytes == bytes)
            return found->result;
    }
    PictureCheckResult result;
    result.size = pictureSize(path);
    // An eighth of the size is as small as a JPEG decodes: little more than reading its stream.
    const QSize small = result.size.isValid() ? (result.size / 8).expandedTo(QSize(1, 1)) : QSize(1, 1);
    if (readCompletePicture(path, result.problem, small).isNull() && result.problem.isEmpty())
        result.problem = QStringLiteral("no picture");
    if (!result.problem.isEmpty())
        result.size = {};
    const QMutexLocker lock(&m_lock);
    m_checked.insert(path, {modified, bytes, result});
    return result;
}

PictureChecks &PictureChecks::shared()
{
    static PictureChecks checks;
    return checks;
}

} // namespace kelvora
