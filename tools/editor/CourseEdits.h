#pragma once

#include "CourseDocument.h"
#include "LookTarget.h"

#include <QUndoCommand>

namespace kelvora {

// Every edit keeps the course as it was and as it becomes, so undo puts back exactly
// what was there.
class CourseEdit : public QUndoCommand {
public:
    void undo() override { m_document.replace(m_beforeCourse, m_place); }
    void redo() override { m_document.replace(m_afterCourse, m_afterPlace); }
    CoursePlace place() const { return m_afterPlace; }

protected:
    CourseEdit(CourseDocument &document, CoursePlace place, const QString &text);
    // The subclass's constructor sets what the course becomes.
    void setAfter(const AuthorCourse &course, CoursePlace place) { m_afterCourse = course, m_afterPlace = place; }
    // The same from the file's JSON object; an object that does not read as a course changes nothing.
    void setAfter(const QJsonObject &course, CoursePlace place);
    // Sets one field of the object at the place ("" or null removes it).
    void setField(const QString &field, const QJsonValue &value);

    CourseDocument &m_document;
    AuthorCourse m_beforeCourse;
    AuthorCourse m_afterCourse;
    QJsonObject m_before; // the course before, as JSON, for the edits that change it by field name
    CoursePlace m_place;
    CoursePlace m_afterPlace;
};

// Any change made on the typed course: `after` is the course as it becomes, `selected` the place to show.
class AuthorEdit : public CourseEdit {
public:
    AuthorEdit(CourseDocument &document, CoursePlace place, const QString &text, const AuthorCourse &after,
               CoursePlace selected)
        : CourseEdit(document, place, text)
    {
        setAfter(after, selected);
    }
};

// A step's target moved, resized or changed in shape.
class TargetEdit : public CourseEdit {
public:
    TargetEdit(CourseDocument &document, CoursePlace step, const QJsonObject &target);
};

// One language's text of a field ("text" or "title") of the course, a screen or a step.
// Each confirmed edit of a cell is its own step of undo, also two in a row on one text.
class TextEdit : public CourseEdit {
public:
    TextEdit(CourseDocument &document, CoursePlace place, const QString &field, const QString &tag, const QString &text);
};

// A screen's or step's id.
class IdEdit : public CourseEdit {
public:
    IdEdit(CourseDocument &document, CoursePlace place, const QString &id);
};

// The sound a step's press plays.
class SoundEdit : public CourseEdit {
public:
    SoundEdit(CourseDocument &document, CoursePlace step, const QString &sound);
};

// A screen's inset, engine loop or timed sequence: any field the editor sets as a whole.
class FieldEdit : public CourseEdit {
public:
    FieldEdit(CourseDocument &document, CoursePlace place, const QString &field, const QJsonValue &value,
              const QString &text = {});
};

// A screen's look-only group replaced, added after the others (group == their count) or
// deleted (an empty object).
class GroupEdit : public FieldEdit {
public:
    GroupEdit(CourseDocument &document, int screen, int group, const QJsonObject &object);
};

// One of a look-only group's targets, or the target the screen's sequence watches:
// replaced, added at the end of the group (target == its count) or deleted (an empty object).
class LookTargetEdit : public FieldEdit {
public:
    LookTargetEdit(CourseDocument &document, int screen, LookTarget at, const QJsonObject &target);
};

// A screen's photograph, or the one a step's press leaves behind.
class PhotographEdit : public CourseEdit {
public:
    PhotographEdit(CourseDocument &document, CoursePlace place, const QString &photograph);
};

// The photographs a step's presses leave behind, one per press: one makes a plain step
// ("photograph"), more a press counter ("presses" and "photographs").
class PressesEdit : public CourseEdit {
public:
    PressesEdit(CourseDocument &document, CoursePlace step, const QStringList &photographs);
};

// A new screen after the place's screen (at the end with none), or a new step
// after the place's step (first with none).
class AddEdit : public CourseEdit {
public:
    AddEdit(CourseDocument &document, CoursePlace after, bool step, const QJsonObject &object);
};

// A copy of the screen or step, with a new id, right after it.
class DuplicateEdit : public CourseEdit {
public:
    DuplicateEdit(CourseDocument &document, CoursePlace place);
};

class DeleteEdit : public CourseEdit {
public:
    DeleteEdit(CourseDocument &document, CoursePlace place);
};

// A screen to another place in the course, or a step to another place in its screen.
class MoveEdit : public CourseEdit {
public:
    MoveEdit(CourseDocument &document, CoursePlace from, int to);
};

// A language added at the end of the course's languages.
class AddLanguageEdit : public CourseEdit {
public:
    AddLanguageEdit(CourseDocument &document, const QString &tag, const QString &name);
};

// A language's name on the start screen changed, or the language removed with its
// texts from the whole course (an empty name).
class LanguageEdit : public CourseEdit {
public:
    LanguageEdit(CourseDocument &document, const QString &tag, const QString &name);
};

// The whole course replaced by another version of it (unsaved changes restored, screens made from
// photographs ...); `selected` is the place to show after it.
class WholeCourseEdit : public CourseEdit {
public:
    WholeCourseEdit(CourseDocument &document, const QJsonObject &course, const QString &text, CoursePlace selected = {});
};

// One of a language's captions of the trainer's own buttons and labels ("continue", "exit" ...).
class CaptionEdit : public CourseEdit {
public:
    CaptionEdit(CourseDocument &document, const QString &tag, const QString &caption, const QString &text);
};

// An id like the given one ("battery-2") that no other in the list has.
QString freshId(const QJsonArray &objects, const QString &like);
QString freshId(const QStringList &taken, const QString &like);

} // namespace kelvora
