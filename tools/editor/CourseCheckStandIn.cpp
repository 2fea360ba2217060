// Stand-in until the checker of format 2 courses is in.
#include "CourseCheck.h"

namespace kelvora {

QString CourseFinding::toString() const
{
    return message;
}

QList<CourseFinding> checkCourse(const QString &)
{
    return {CourseFinding{{}, {}, {}, QStringLiteral("not checked: this build has no checker of format 2 courses")}};
}

} // namespace kelvora
