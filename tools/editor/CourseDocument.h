#pragma once

#include "CoursePlace.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QUndoStack>

namespace kelvora {

// The course file the editor works on: the whole JSON object, so every field the
// editor has no control for (throttle, captions, sequences ...) is written back
// as it was read. Edits replace the object through the undo stack's commands.
class CourseDocument : public QObject {
    Q_OBJECT
public:
    explicit CourseDocument(QObject *parent = nullptr);

    // A course file, or a folder: its course.json, or a new course when it has none.
    // Returns an empty string or the reason the file cannot be opened.
    QString open(const QString &fileOrFolder);
    // Writes the course in its canonical form, atomically. An opened course that
    // was not edited is left as it is. Returns an empty string or the reason.
    QString save();

    QString file() const { return m_file; }
    QString folder() const;
    // Format 1 courses are shown but never written; the reason says so.
    bool isReadOnly() const { return !m_readOnlyReason.isEmpty(); }
    QString readOnlyReason() const { return m_readOnlyReason; }
    bool isModified() const { return m_new || !m_stack.isClean(); }
    QUndoStack &undoStack() { return m_stack; }

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
    // A file the course names, as a path on disk ("" when the name is empty).
    QString pathOf(const QString &courseName) const;

    // For the edit commands: the course after an edit, and the place it was about.
    void replace(const QJsonObject &course, CoursePlace place);

    // The course with the object at the place replaced.
    static QJsonObject withObject(QJsonObject course, CoursePlace place, const QJsonObject &object);

signals:
    void changed(kelvora::CoursePlace place);
    void opened();
    void saved();

private:
    QString m_file;
    QString m_readOnlyReason;
    bool m_new = false; // not on disk yet
    QJsonObject m_course;
    QUndoStack m_stack;
};

} // namespace kelvora
