#pragma once

#include "CoursePlace.h"
#include "course/author/AuthorTexts.h"

#include <QAbstractTableModel>

namespace kelvora {

class CourseDocument;

// Every text of the course, one row per text, one column per language: the course's title, each screen's title,
// text, description and captions, each step's text, label and caption, the sequence's and the throttle's, and
// the trainer's own captions the course may give per language, and the recordings of the texts (a sound file
// per language). A text shown in the explanation label says
// whether it fits; a text the course has in another language but not in this one says it is missing.
// Each confirmed change of a cell is one command on the document's undo stack; removing a language's column
// takes its texts out of the whole course.
class TextsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        ContextRole = Qt::UserRole + 1, // "prestart/battery/label"
        PlaceRole,                      // the screen and step (a QPoint), (-1, -1) for the course's own
        ExplanationRole,                // shown in the explanation label: measured for fit
        MissingRole,                    // the text lacks this language
        FitRole,                        // "fits", "2 rows too long", "missing"; empty where not measured
        RecordingRole,                  // the files of a text's recording, not words
    };

    explicit TextsModel(CourseDocument &document, QObject *parent = nullptr);

    CoursePlace placeOf(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool removeColumns(int column, int count, const QModelIndex &parent = {}) override;

private:
    struct Row {
        AuthorText text;
        CoursePlace place;
        bool caption = false;   // one of the trainer's own captions: "captions/continue"
        bool narration = false; // the files of a text's recording per language, not words
    };
    static Texts *narrationOf(AuthorCourse &course, const Row &row);
    static QList<Row> rows(const AuthorCourse &course);
    void prepare(const AuthorCourse &next);
    QString rowName(const Row &row) const;
    void follow();

    CourseDocument &m_document;
    QList<Row> m_rows;
    QStringList m_tags;
    QList<Row> m_next; // the rows prepare() announced
    bool m_resetting = false;
    bool m_prepared = false;
};

} // namespace kelvora
