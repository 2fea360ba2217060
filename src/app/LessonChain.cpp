#include "screens/LessonChain.h"

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

} // namespace kelvora
