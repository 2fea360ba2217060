#include "screens/LessonChain.h"

#include "content/PictureSizes.h"
#include "course/CurrentCourse.h"
#include "screens/LessonScreen.h"

namespace kelvora {

Screen *createLessonScreen(int number)
{
    const Course &course = currentCourse();
    if (number < 1 || number > course.lessonCount())
        return nullptr;
    return new LessonScreen(course.screens[size_t(number - 1)]);
}

QList<PictureShown> openingPictures(int number)
{
    const Course &course = currentCourse();
    if (number < 1 || number > course.lessonCount())
        return {};
    const LessonDesign &design = course.screens[size_t(number - 1)];
    QList<PictureShown> pictures{{design.firstPhotograph, design.fitPictures ? LessonPictureSize : QSize()}};
    if (!design.inset.isEmpty())
        pictures.append({design.inset, design.fitPictures ? InsetSize : QSize()});
    return pictures;
}

} // namespace kelvora
