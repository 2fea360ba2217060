#include "NumberedPhotographs.h"

#include "CourseNode.h"

namespace kelvora {

QString numberedPhotograph(qint64 number)
{
    return QStringLiteral("images\\0") + QString::number(number) + QStringLiteral(".jpg");
}

void checkNumberedPhotographs(const CourseNode &kind, const char *countField, qint64 first, qint64 last)
{
    if (last < first)
        return;
    if (first < 0)
        kind.fail("photographOffset", QStringLiteral("names %1; numbered photographs start at %2")
                                          .arg(numberedPhotograph(first), numberedPhotograph(0)));
    if (last > LastNumberedPhotograph)
        kind.fail(countField, QStringLiteral("names photographs up to %1; numbered photographs end at %2")
                                  .arg(numberedPhotograph(last), numberedPhotograph(LastNumberedPhotograph)));
}

} // namespace kelvora
