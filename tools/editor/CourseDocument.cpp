#include "CourseDocument.h"

#include "content/RegularFile.h"

#include "content/ContentPath.h"
#include "course/CourseLoader.h"
#include "course/author/AuthorCompiler.h"
#include "course/author/AuthorReader.h"
#include "course/author/AuthorWriter.h"
#include "platform/RuntimeError.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

namespace kelvora {

namespace {
const QString CourseFileName = QStringLiteral("course.json");

AuthorCourse newCourse(const QString &folderName)
{
    QString id = folderName.toLower();
    id.replace(QRegularExpression(QStringLiteral("[^a-z0-9._-]+")), QStringLiteral("-"));
    AuthorCourse course;
    course.id = QStringLiteral("urn:kelvora:courses:") + (id.isEmpty() ? QStringLiteral("course") : id);
    course.title.insert(QStringLiteral("en"), folderName);
    course.languages.push_back({QStringLiteral("en"), QStringLiteral("English"), {}});
    return course;
}

// Every string of the course, for the files it names.
void collectStrings(const QJsonValue &value, QSet<QString> &into)
{
    if (value.isString())
        into.insert(value.toString());
    else if (value.isArray())
        for (const QJsonValue &item : value.toArray())
            collectStrings(item, into);
    else if (value.isObject())
        for (const QJsonValue &item : value.toObject())
            collectStrings(item, into);
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : QByteArray();
}
} // namespace

CourseDocument::CourseDocument(QObject *parent) : QObject(parent) {}

QString CourseDocument::open(const QString &fileOrFolder)
{
    const QFileInfo info(fileOrFolder);
    // A path that is not there yet is the folder of a new course, made when it is saved.
    const bool isFolder = info.isDir() || (!info.exists() && info.suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) != 0);
    QString file = isFolder ? QDir(fileOrFolder).filePath(CourseFileName) : fileOrFolder;
    file = QFileInfo(file).absoluteFilePath();
    AuthorCourse author;
    QJsonObject raw; // a format 1 course, shown as read
    QString readOnly;
    QByteArray bytes;
    const bool isNew = isFolder && !QFileInfo::exists(file);
    if (isNew) {
        author = newCourse(QFileInfo(QFileInfo(file).absolutePath()).fileName());
    } else {
        // Only a regular file: a FIFO would hold the open for ever.
        QString readError;
        const std::optional<QByteArray> read = readRegularFile(file, MaxCourseFileBytes, &readError);
        if (!read)
            return tr("%1: cannot be read (%2)").arg(file, readError);
        bytes = *read;
        try {
            if (const std::shared_ptr<AuthorCourse> read = readAuthorsCourse(file)) {
                author = *read;
            } else {
                raw = QJsonDocument::fromJson(bytes).object();
                readOnly = tr("%1 is a format 1 course: the editor shows it but cannot save it. "
                              "Only format 2 courses (\"format\": 2) are edited.")
                               .arg(QFileInfo(file).fileName());
            }
        } catch (const RuntimeError &error) {
            return courseLoadProblem(error, file);
        }
    }
    author.file = file;
    author.folder = QFileInfo(file).absolutePath();
    m_stack.clear();
    emit aboutToReplace(author);
    m_file = file;
    m_author = author;
    m_course = readOnly.isEmpty() ? authorCourseJson(author) : raw;
    m_readOnlyReason = readOnly;
    m_onDisk = !isNew;
    m_diskBytes = bytes;
    m_pending.clear();
    emit opened();
    return {};
}

bool CourseDocument::isChangedOnDisk() const
{
    QFile file(m_file);
    if (!m_onDisk)
        return file.exists(); // a new course's file made by someone else meanwhile
    return !file.open(QIODevice::ReadOnly) || file.readAll() != m_diskBytes;
}

QJsonObject CourseDocument::courseOnDisk() const
{
    QFile file(m_file);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

QString CourseDocument::save(bool replaceChangedOnDisk)
{
    if (isReadOnly())
        return m_readOnlyReason;
    if (!isModified() && m_onDisk)
        return {};
    if (!replaceChangedOnDisk && isChangedOnDisk())
        return tr("%1 was changed on disk since it was opened: not saved").arg(m_file);
    if (!QDir().mkpath(folder()))
        return tr("%1: not saved (the folder %2 cannot be made)").arg(m_file, folder());
    if (const QString error = copyPendingFiles(folder()); !error.isEmpty())
        return error;
    // Still modified, and so still marked, unless the whole file is on the disk.
    const QByteArray bytes = writeAuthorCourse(m_author);
    if (const QString error = saveWholeFile(m_file, bytes); !error.isEmpty())
        return error;
    m_onDisk = true;
    m_diskBytes = bytes;
    m_stack.setClean();
    emit saved();
    return {};
}

QString CourseDocument::saveAs(const QString &fileOrFolder)
{
    const QFileInfo info(fileOrFolder);
    QString file = info.isDir() || info.suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) != 0
                       ? QDir(fileOrFolder).filePath(CourseFileName)
                       : fileOrFolder;
    file = QFileInfo(file).absoluteFilePath();
    if (file == m_file)
        return save(true);
    const QString newFolder = QFileInfo(file).absolutePath();
    // Every file the course names comes along, from its folder or from where it was picked.
    const auto pending = m_pending;
    QSet<QString> strings;
    collectStrings(m_course, strings);
    for (const QString &name : std::as_const(strings)) {
        const QString path = name.contains(QLatin1Char('.')) ? pathOf(name) : QString();
        if (!path.isEmpty() && QFileInfo(path).isFile() && QDir::cleanPath(path) != QDir::cleanPath(QDir(newFolder).filePath(name)))
            m_pending.insert(name, path);
    }
    const QString oldFile = m_file;
    const bool oldOnDisk = m_onDisk;
    const QByteArray oldBytes = m_diskBytes;
    m_file = file;
    m_author.file = file;
    m_author.folder = newFolder;
    m_onDisk = false;
    m_diskBytes.clear();
    const QString error = save(true);
    if (!error.isEmpty()) {
        m_file = oldFile;
        m_author.file = oldFile;
        m_author.folder = QFileInfo(oldFile).absolutePath();
        m_onDisk = oldOnDisk;
        m_diskBytes = oldBytes;
        m_pending = pending;
        return error;
    }
    emit opened();
    return {};
}

QString CourseDocument::copyPendingFiles(const QString &folder)
{
    QSet<QString> named;
    collectStrings(m_course, named);
    const QDir dir(folder);
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (!named.contains(it.key())) {
            ++it;
            continue;
        }
        const QString target = dir.filePath(it.key());
        if (QFileInfo::exists(target) ? digest(target) != digest(it.value())
                                      : !dir.mkpath(QFileInfo(it.key()).path()) || !QFile::copy(it.value(), target))
            return tr("%1: not saved (%2 cannot be copied to %3); the file on disk is as it was")
                .arg(m_file, it.value(), target);
        it = m_pending.erase(it);
    }
    return {};
}

QStringList CourseDocument::unusedFiles() const
{
    QSet<QString> named;
    collectStrings(m_course, named);
    collectStrings(QJsonDocument::fromJson(m_diskBytes).object(), named);
    QSet<QString> lowered;
    for (const QString &name : std::as_const(named))
        lowered.insert(QDir::cleanPath(name).toLower()); // the trainer matches names in any letter case
    QStringList unused;
    const QDir course(folder());
    for (const QString &subfolder : {QStringLiteral("images"), QStringLiteral("sounds")}) {
        QDirIterator it(course.filePath(subfolder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = course.relativeFilePath(it.next());
            if (!lowered.contains(name.toLower()))
                unused << name;
        }
    }
    unused.sort();
    return unused;
}

QString CourseDocument::bringIn(const QString &file, const QString &subfolder, QString *error)
{
    const QDir course(folder());
    const QFileInfo source(file);
    if (!source.isFile() || !source.isReadable()) {
        *error = tr("%1: no such file").arg(file);
        return {};
    }
    const QString inside = course.relativeFilePath(source.canonicalFilePath());
    if (!inside.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(inside))
        return inside;
    QString name = subfolder + QLatin1Char('/') + source.fileName();
    for (int n = 2;; ++n) {
        const QString picked = m_pending.value(name);
        if (!picked.isEmpty() ? picked == source.canonicalFilePath() || digest(picked) == digest(file)
                              : !QFileInfo::exists(course.filePath(name)) || digest(course.filePath(name)) == digest(file))
            break;
        name = QStringLiteral("%1/%2-%3.%4").arg(subfolder, source.completeBaseName()).arg(n).arg(source.suffix());
    }
    if (!QFileInfo::exists(course.filePath(name)) && !m_pending.contains(name))
        m_pending.insert(name, source.canonicalFilePath());
    return name;
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
    if (const QString picked = m_pending.value(courseName); !picked.isEmpty())
        return picked;
    const QString found = resolveContentPath(courseName, folder());
    return found.isEmpty() ? QDir(folder()).filePath(courseName) : found;
}

QString courseLoadProblem(const RuntimeError &error, const QString &file)
{
    return error.kind() == RuntimeError::Kind::BadCourse
               ? QStringLiteral("%1: does not load: %2").arg(QFileInfo(file).fileName(), error.detail())
               : error.message();
}

QString CourseDocument::loadProblem() const
{
    if (isReadOnly())
        return {};
    try {
        refuseAuthorCourse(m_author, true, false);
        compileAuthorCourse(m_author);
    } catch (const RuntimeError &error) {
        return courseLoadProblem(error, m_file);
    }
    return {};
}

void CourseDocument::replace(const AuthorCourse &course, CoursePlace place)
{
    emit aboutToReplace(course);
    m_author = course;
    m_author.file = m_file;
    m_author.folder = folder();
    m_course = authorCourseJson(m_author);
    emit changed(place);
}

std::optional<AuthorCourse> CourseDocument::fromJson(const QJsonObject &course) const
{
    try {
        return readAuthorCourse(course, m_file);
    } catch (const RuntimeError &error) {
        qWarning("%s", qPrintable(error.message()));
        return std::nullopt;
    }
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
