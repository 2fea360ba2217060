#include "screens/LessonChain.h"

#include "content/PictureSizes.h"
#include "screens/LessonScreen.h"
#include "screens/Run.h"

namespace kelvora {

Screen *createLessonScreen(Run &run, int number)
{
    const Course &course = run.course();
    if (number < 1 || number > course.lessonCount())
        return nullptr;
    return new LessonScreen(run, course.screens[size_t(number - 1)]);
}

QList<PictureShown> openingPictures(const Run &run, int number)
{
    const Course &course = run.course();
    if (number < 1 || number > course.lessonCount())
        return {};
    const LessonDesign &design = course.screens[size_t(number - 1)];
    QList<PictureShown> pictures{{design.firstPhotograph, design.fitPictures ? LessonPictureSize : QSize()}};
    if (!design.inset.isEmpty())
        pictures.append({design.inset, design.fitPictures ? InsetSize : QSize()});
    return pictures;
}

} // namespace kelvora
