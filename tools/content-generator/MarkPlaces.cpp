#include "MarkPlaces.h"

#include <QRegularExpression>
#include <QSet>

namespace kelvora::content {

namespace {
QList<QRect> marksNamed(const LessonDesign &screen, const QString &name)
{
    QList<QRect> rects;
    for (const MarkDesign &mark : screen.marks) {
        if (mark.name.compare(name, Qt::CaseInsensitive) == 0)
            rects << mark.rect;
    }
    return rects;
}

QString key(const QString &name, int index)
{
    return QStringLiteral("%1 #%2").arg(name.toLower()).arg(index);
}
} // namespace

QStringList markPlaceFaults(const SceneBook &book, const Course &course)
{
    QStringList faults;
    QHash<int, QSet<QString>> claimed;
    for (int number : book.photoNumbers()) {
        for (const SceneControl &control : book.photo(number).controls) {
            for (const MarkRef &ref : control.marks) {
                if (ref.screen < 1 || ref.screen > course.lessonCount()) {
                    faults << QStringLiteral("photograph %1: the course has no lesson %2").arg(number).arg(ref.screen);
                    continue;
                }
                const QList<QRect> marks = marksNamed(course.screens[size_t(ref.screen - 1)], ref.name);
                if (ref.index >= marks.size()) {
                    faults << QStringLiteral("photograph %1: lesson %2 has no mark %3 #%4")
                                  .arg(number).arg(ref.screen).arg(ref.name).arg(ref.index);
                    continue;
                }
                const QRect mark = marks.at(ref.index);
                const QPoint centre = control.place.center();
                if (!mark.contains(centre))
                    faults << QStringLiteral("photograph %1: the control under lesson %2's %3 #%4 is centred at (%5, %6), "
                                             "outside the mark's (%7, %8, %9 x %10)")
                                  .arg(number).arg(ref.screen).arg(ref.name).arg(ref.index).arg(centre.x()).arg(centre.y())
                                  .arg(mark.x()).arg(mark.y()).arg(mark.width()).arg(mark.height());
                claimed[ref.screen].insert(key(ref.name, ref.index));
            }
        }
    }

    // Numbered marks are the lesson's own; the continue mark is the template's.
    static const QRegularExpression numbered(QStringLiteral("^shape\\d+$"), QRegularExpression::CaseInsensitiveOption);
    for (const LessonDesign &screen : course.screens) {
        QHash<QString, int> seen;
        for (const MarkDesign &mark : screen.marks) {
            if (!numbered.match(mark.name).hasMatch())
                continue;
            const QString name = key(mark.name, seen[mark.name.toLower()]++);
            if (!claimed[screen.screen].contains(name))
                faults << QStringLiteral("lesson %1: no photograph puts a control under %2").arg(screen.screen).arg(name);
        }
    }
    return faults;
}

} // namespace kelvora::content
