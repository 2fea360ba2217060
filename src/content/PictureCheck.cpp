#include "PictureCheck.h"

#include "ContentPicture.h"


namespace kelvora {

namespace {
PictureCheckResult checkPicture(const QString &path)
{
    PictureCheckResult result;
    result.size = pictureSize(path);
    // An eighth of the size is as small as a JPEG decodes: little more than reading its stream.
    const QSize small = result.size.isValid() ? (result.size / 8).expandedTo(QSize(1, 1)) : QSize(1, 1);
    if (readCompletePicture(path, result.problem, small).isNull() && result.problem.isEmpty())
        result.problem = QStringLiteral("no picture");
    if (!result.problem.isEmpty())
        result.size = {};
    return result;
}
} // namespace

PictureCheckResult PictureChecks::check(const QString &path)
{
    return m_checked.find(path, checkPicture);
}

PictureChecks &PictureChecks::shared()
{
    static PictureChecks checks;
    return checks;
}

} // namespace kelvora
