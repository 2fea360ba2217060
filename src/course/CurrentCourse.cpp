#include "CurrentCourse.h"

#include "BuiltInTargetLabels.h"
#include "CourseAssets.h"
#include "CourseLoader.h"
#include "content/ContentPath.h"
#include "content/LanguageFile.h"
#include "platform/ProgramFolder.h"

#include <QDir>

#include <optional>

namespace kelvora {

namespace {
std::optional<Course> &course()
{
    static std::optional<Course> current;
    return current;
}
} // namespace

const Course &currentCourse()
{
    if (!course()) {
        Course builtIn = loadCourse(BuiltInCourseFile);
        addBuiltInTargetLabels(builtIn.screens);
        setCurrentCourse(std::move(builtIn));
    }
    return *course();
}

void setCurrentCourse(Course value)
{
    QStringList files;
    for (const CourseLanguage &language : value.languages)
        files << language.file;
    setLanguageFileNames(files);
    course() = std::move(value);
}

void useCourseFile(const QString &file)
{
    Course loaded = loadCourse(file);
    checkCourseFiles(loaded);
    setProgramFolder(loaded.folder);
    setContentFolder(loaded.folder);
    setCurrentCourse(std::move(loaded));
}

} // namespace kelvora
