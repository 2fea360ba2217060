#include "CourseDocument.h"

#include "content/RegularFile.h"

#include "content/ContentPath.h"
#include "course/CourseJson.h"
#include "course/CourseTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

namespace kelvora {

namespace {
const QString CourseFileName = QStringLiteral("course.json");
// As the trainer bounds what it reads as a course.
constexpr qint64 MaxCourseFileBytes = 16 * 1024 * 1024;

QJsonObject newCourse(const QString &folderName)
{
    QString id = folderName.toLower();
    id.replace(QRegularExpression(QStringLiteral("[^a-z0-9._-]+")), QStringLiteral("-"));
    return QJsonObject{
        {QStringLiteral("format"), 2},
        {QStringLiteral("id"), QStringLiteral("urn:kelvora:courses:") + (id.isEmpty() ? QStringLiteral("course") : id)},
        {QStringLiteral("title"), QJsonObject{{QStringLiteral("en"), folderName}}},
        {QStringLiteral("languages"),
         QJsonArray{QJsonObject{{QStringLiteral("tag"), QStringLiteral("en")}, {QStringLiteral("name"), QStringLiteral("English")}}}},
        {QStringLiteral("screens"), QJsonArray{}},
    };
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
        // Only a regular file: a FIFO would hold the open for ever.
        QString readError;
        const std::optional<QByteArray> bytes = readRegularFile(file, MaxCourseFileBytes, &readError);
        if (!bytes)
            return QStringLiteral("%1: cannot be read (%2)").arg(file, readError);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(*bytes, &error);
        if (error.error != QJsonParseError::NoError)
            return QStringLiteral("%1: not JSON (%2 at byte %3)").arg(file, error.errorString()).arg(error.offset);
        if (!json.isObject())
            return QStringLiteral("%1: not a course (the file holds no JSON object)").arg(file);
        course = json.object();
        if (course.value(QStringLiteral("format")).toInt() != 2)
            readOnly = QStringLiteral("%1 is a format 1 course: the editor shows it but cannot save it. "
                                      "Only format 2 courses (\"format\": 2) are edited.")
                           .arg(QFileInfo(file).fileName());
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
    // Still modified, and so still marked, unless the whole file is on the disk.
    if (const QString error = saveWholeFile(m_file, canonicalCourseJson(m_course)); !error.isEmpty())
        return error;
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
    return courseLanguageTags(m_course);
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
