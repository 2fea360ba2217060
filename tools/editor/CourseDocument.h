#pragma once

#include "CoursePlace.h"
#include "course/author/AuthorCourse.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QUndoStack>

namespace kelvora {

class RuntimeError;

// What the author reads when a course does not load: the file's name and the reason.
QString courseLoadProblem(const RuntimeError &error, const QString &file);

// The course file the editor works on, as the typed author's course: read by the
// course reader, written by its one canonical writer, so every field the editor has
// no control for (throttle, captions, sequences ...) is written back as it was read.
// Edits replace the course through the undo stack's commands.
class CourseDocument : public QObject {
    Q_OBJECT
public:
    explicit CourseDocument(QObject *parent = nullptr);

    // A course file, or a folder: its course.json, or a new course when it has none
    // (a folder that does not exist yet is made on save).
    // Returns an empty string or the reason the file cannot be opened.
    QString open(const QString &fileOrFolder);
    // Reads the course's file again, dropping the edits and their undo.
    QString reload() { return open(m_file); }
    // Writes the course in its canonical form, atomically, with the photographs and
    // sounds it names that were picked from elsewhere. An opened course that was not
    // edited is left as it is. A file changed on disk since it was read is replaced
    // only when asked. Returns an empty string or the reason; on failure the file on
    // disk is as it was.
    QString save(bool replaceChangedOnDisk = false);
    // Writes the course to another file or folder, with every file it names, and
    // works on that one from then on.
    QString saveAs(const QString &fileOrFolder);
    // Whether the file on disk is no longer the one read or last saved (changed, replaced, removed).
    bool isChangedOnDisk() const;
    // The course in the file on disk now (empty where it does not read as one).
    QJsonObject courseOnDisk() const;

    QString file() const { return m_file; }
    QString folder() const;
    // Format 1 courses are shown but never written; the reason says so.
    bool isReadOnly() const { return !m_readOnlyReason.isEmpty(); }
    QString readOnlyReason() const { return m_readOnlyReason; }
    bool isModified() const { return !m_stack.isClean(); }
    bool isNew() const { return !m_onDisk; }
    QUndoStack &undoStack() { return m_stack; }

    const AuthorCourse &authorCourse() const { return m_author; }
    // The course as its file's JSON object (a format 1 course: as read).
    const QJsonObject &course() const { return m_course; }
    QJsonArray screens() const;
    QJsonObject screen(int index) const;
    QJsonObject step(CoursePlace place) const;
    // The screen or step at the place (the course itself for screen -1).
    QJsonObject object(CoursePlace place) const;
    QStringList languageTags() const;
    // The photograph on display while the step is the active one: the screen's,
    // or the one the step before it left behind.
    QString photographBefore(CoursePlace place) const;
    // A file the course names, as a path on disk ("" when the name is empty): in the
    // course's folder, or where it was picked from until the course is saved.
    QString pathOf(const QString &courseName) const;
    // The name a picked file has in the course: a file inside the course's folder keeps
    // its place; one from elsewhere gets a name in the subfolder (images/, sounds/),
    // a new one where another file has its name, and is copied there on save.
    // Returns "" with the reason in error when the file cannot be read.
    QString bringIn(const QString &file, const QString &subfolder, QString *error);
    // The pictures and sounds in the course folder's images/ and sounds/ that neither the saved course nor the
    // one in the editor names (copies left from earlier work), relative to the folder.
    QStringList unusedFiles() const;
    // The files picked from elsewhere not yet copied into the folder, by their names in the course.
    const QHash<QString, QString> &pendingFiles() const { return m_pending; }

    // For the edit commands: the course after an edit, and the place it was about.
    void replace(const AuthorCourse &course, CoursePlace place);
    // The course a file's JSON object holds, with this document's file; nullopt (and a warning) where it does
    // not read as one.
    std::optional<AuthorCourse> fromJson(const QJsonObject &course) const;

    // Why the trainer would not load the course as it is now ("" when it would).
    QString loadProblem() const;

    // The course with the object at the place replaced.
    static QJsonObject withObject(QJsonObject course, CoursePlace place, const QJsonObject &object);

signals:
    // Before the course is replaced by an edit, its undo or an open: models say what will change.
    void aboutToReplace(const kelvora::AuthorCourse &course);
    void changed(kelvora::CoursePlace place);
    void opened();
    void saved();

private:
    QString copyPendingFiles(const QString &folder);

    QString m_file;
    QString m_readOnlyReason;
    bool m_onDisk = false;
    QByteArray m_diskBytes; // the file as read or last saved
    AuthorCourse m_author;
    QJsonObject m_course; // m_author as JSON, kept for the panels that read fields by name
    QHash<QString, QString> m_pending;
    QUndoStack m_stack;
};

} // namespace kelvora
