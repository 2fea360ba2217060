#pragma once

#include "CoursePlace.h"

#include <QAbstractListModel>
#include <QFutureWatcher>
#include <QListView>
#include <QTimer>

#include "CourseCheck.h"

namespace kelvora {

class CourseDocument;

// The checker's findings as a list: what each says, and which screen or step (by id, so the place is found
// where it is when the author asks for it).
class ChecksModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { NoteRole = Qt::UserRole + 1 };
    struct Row {
        QString text;
        CourseFinding finding; // no screen for a row that is no finding
    };

    using QAbstractListModel::QAbstractListModel;
    void setRows(QList<Row> rows);
    CourseFinding findingAt(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<Row> m_rows;
};

// The checker's findings on the course as it is now, rechecked a moment after
// each edit on the course in memory (its files are found in its folder), on a
// worker thread so typing never waits for it.
class ChecksPanel : public QListView {
    Q_OBJECT
public:
    explicit ChecksPanel(const CourseDocument &document, QWidget *parent = nullptr);
    ~ChecksPanel() override;

    void recheck();       // soon
    void recheckNow();
    // Targets without a label noted, for a course run from the keyboard.
    void setKeyboard(bool keyboard);
    bool keyboard() const { return m_keyboard; }
    bool isChecking() const { return m_checking || m_delay.isActive(); }
    ChecksModel *findings() const { return m_findings; }
    QStringList texts() const; // as listed

signals:
    void placeRequested(kelvora::CoursePlace place);
    void checked(int findings);

private:
    void show(const QList<CourseFinding> &findings);
    CoursePlace placeOf(const CourseFinding &finding) const;

    const CourseDocument &m_document;
    ChecksModel *m_findings;
    QTimer m_delay;
    QFutureWatcher<QList<CourseFinding>> m_running;
    bool m_checking = false; // until its findings are shown
    bool m_pending = false;  // an edit came while a check ran
    bool m_keyboard = false;
};

} // namespace kelvora
