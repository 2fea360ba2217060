#include "CourseDocument.h"

#include "content/ContentPath.h"
#include "content/RegularFile.h"
#include "course/CourseLoader.h"
#include "course/author/AuthorReader.h"
#include "course/author/AuthorWriter.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

namespace kelvora {

namespace {
const QString CourseFileName = QStringLiteral("course.json");

QJsonObject newCourse(const QString &folderName)
{
    QString id = folderName.toLower();
    id.replace(QRegularExpression(QStringLiteral("[^a-z0-9._-]+")), QStringLiteral("-"));
    AuthorCourse course;
    course.id = QStringLiteral("urn:kelvora:courses:") + (id.isEmpty() ? QStringLiteral("course") : id);
    course.title = {{QStringLiteral("en"), folderName}};
    course.languages = {{QStringLiteral("en"), QStringLiteral("English"), {}}};
    return authorCourseJson(course);
}
} // namespace

CourseDocument::CourseDocument(QObject *parent) : QObject(parent) {}

QString CourseDocument::open(const QString &fileOrFolder)
{
    const QFileInfo info(fileOrFolder);
    QString file = info.isDir() ? QDir(fileOrFolder).filePath(CourseFileName) : fileOrFolder;
    file = QFileInfo(file).absoluteFilePath();
    QJsonObject course;
    QString readOnly;
    const bool isNew = info.isDir() && !QFileInfo::exists(file);
    if (isNew) {
        course = newCourse(QDir(fileOrFolder).dirName());
    } else {
        // The author's course through its own reader; a lesson design is shown as it is, never written.
        try {
            if (const std::shared_ptr<AuthorCourse> author = readAuthorsCourse(file)) {
                course = authorCourseJson(*author);
            } else {
                QString error;
                const std::optional<QByteArray> bytes = readRegularFile(file, MaxCourseFileBytes, &error);
                course = bytes ? QJsonDocument::fromJson(*bytes).object() : QJsonObject();
                readOnly = QStringLiteral("%1 is a format 1 course: the editor shows it but cannot save it. "
                                          "Only format 2 courses (\"format\": 2) are edited.")
                               .arg(QFileInfo(file).fileName());
            }
        } catch (const RuntimeError &error) {
            return error.message();
        }
    }
    m_stack.clear();
    m_file = file;
    m_course = course;
    m_readOnlyReason = readOnly;
    m_new = isNew;
    emit opened();
    return {};
}

QString CourseDocument::save()
{
    if (isReadOnly())
        return m_readOnlyReason;
    if (!isModified())
        return {};
    try {
        if (const QString problem = saveAuthorCourse(readAuthorCourse(m_course, m_file), m_file); !problem.isEmpty())
            return problem;
    } catch (const RuntimeError &error) {
        return error.message();
    }
    m_new = false;
    m_stack.setClean();
    emit saved();
    return {};
}

QString CourseDocument::folder() const
{
    return QFileInfo(m_file).absolutePath();
}

QJsonArray CourseDocument::screens() const
{
    return m_course.value(QStringLiteral("screens")).toArray();
}

QJsonObject CourseDocument::screen(int index) const
{
    return screens().at(index).toObject();
}

QJsonObject CourseDocument::step(CoursePlace place) const
{
    return screen(place.screen).value(QStringLiteral("steps")).toArray().at(place.step).toObject();
}

QJsonObject CourseDocument::object(CoursePlace place) const
{
    if (place.screen < 0)
        return m_course;
    return place.step < 0 ? screen(place.screen) : step(place);
}

QStringList CourseDocument::languageTags() const
{
    QStringList tags;
    for (const QJsonValue &language : m_course.value(QStringLiteral("languages")).toArray())
        tags << language.toObject().value(QStringLiteral("tag")).toString();
    return tags;
}

QString CourseDocument::photographBefore(CoursePlace place) const
{
    const QJsonObject screenObject = screen(place.screen);
    QString photograph = screenObject.value(QStringLiteral("photograph")).toString();
    const QJsonArray steps = screenObject.value(QStringLiteral("steps")).toArray();
    for (int i = 0; i < place.step && i < steps.size(); ++i) {
        const QJsonObject step = steps.at(i).toObject();
        const QString left = step.value(QStringLiteral("photograph")).toString();
        const QJsonArray presses = step.value(QStringLiteral("photographs")).toArray();
        if (!left.isEmpty())
            photograph = left;
        else if (!presses.isEmpty())
            photograph = presses.last().toString();
    }
    return photograph;
}

QString CourseDocument::pathOf(const QString &courseName) const
{
    if (courseName.isEmpty())
        return {};
    const QString found = resolveContentPath(courseName, folder());
    return found.isEmpty() ? QDir(folder()).filePath(courseName) : found;
}

void CourseDocument::replace(const QJsonObject &course, CoursePlace place)
{
    m_course = course;
    emit changed(place);
}

QJsonObject CourseDocument::withObject(QJsonObject course, CoursePlace place, const QJsonObject &object)
{
    if (place.screen < 0)
        return object;
    QJsonArray screens = course.value(QStringLiteral("screens")).toArray();
    if (place.step < 0) {
        screens[place.screen] = object;
    } else {
        QJsonObject screen = screens.at(place.screen).toObject();
        QJsonArray steps = screen.value(QStringLiteral("steps")).toArray();
        steps[place.step] = object;
        screen[QStringLiteral("steps")] = steps;
        screens[place.screen] = screen;
    }
    course[QStringLiteral("screens")] = screens;
    return course;
}

} // namespace kelvora
