#pragma once

#include "CoursePlace.h"
#include "LookTarget.h"
#include "content/ScaledPictures.h"

#include <QAbstractItemModel>
#include <QIcon>

namespace kelvora {

class CourseDocument;
struct AuthorCourse;

// The course as a tree for the outline: screens, and under each its steps, its look-only groups (with their
// targets), its sequence (with the target it watches) and its throttle (with its lift). Column 0 names the item
// and shows its photograph small; column 1 says where its target is.
//
// The rules of editing live here, so every view obeys them: an id is never empty nor another's of its list, a
// step dropped onto another screen goes to that screen's end, a group losing its last target goes with it.
// Every change is a command on the document's undo stack; the model follows the document.
class CourseModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum class Kind { Screen, Step, Group, Sequence, Throttle, GroupTarget, Watch, Lift };
    enum Role { KindRole = Qt::UserRole + 1, PhotographRole };
    static constexpr QSize ThumbnailSize{96, 72};

    explicit CourseModel(CourseDocument &document, QObject *parent = nullptr);

    // The screen or step an index is, or lies in (a group's target: its screen); the course for none.
    CoursePlace placeOf(const QModelIndex &index) const;
    QModelIndex indexOf(CoursePlace place) const;
    // The look-only target an index is (a group's target, the watched one; a group's first, the sequence's
    // watched one), else none; and back.
    LookTarget lookTargetOf(const QModelIndex &index) const;
    QModelIndex indexOf(int screen, LookTarget look) const;
    Kind kindOf(const QModelIndex &index) const;

    // Why a screen, a step or a group (kind, its screen, its index there) cannot take the id, "" when it can:
    // an id is well formed, and no other screen, or no other step or group of its screen, has it (they become
    // marks of one page). The model refuses such a rename; the panels say why.
    static QString idProblem(const AuthorCourse &course, Kind kind, int screen, int item, const QString &id);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

private:
    struct Node {
        Kind kind = Kind::Screen;
        int screen = 0;
        int item = 0;   // a step's or group's index in its screen
        int target = 0; // a target's in its group
    };
    static quintptr pack(Node node);
    static Node unpack(quintptr id);
    QModelIndex indexOf(Node node, int column = 0) const;
    int rowOf(Node node) const;
    bool isValidNode(Node node) const;
    QString textOf(Node node) const;
    QString targetText(Node node) const;
    QString photographOf(Node node) const;
    QIcon thumbnail(const QString &photograph) const;
    bool rename(Node node, const QString &id);
    // The rows of the tree as keys ("s:battery/0", "g:gauges/3": kind, id, rows under it), per screen.
    using Rows = QStringList;
    static QList<Rows> shape(const AuthorCourse &course);
    void prepare(const AuthorCourse &next);
    void follow();
    void announce(const QList<Rows> &next);
    void keepDescendants();
    // A parent as m_announced keeps it (the root apart from the first screen, which packs to 0 too).
    static quintptr announced(const QModelIndex &parent) { return parent.isValid() ? parent.internalId() : ~quintptr(0); }

    CourseDocument &m_document;
    QList<Rows> m_shape; // the tree as the views last heard of it
    enum class Pending { Nothing, Data, Insert, Remove, Move, Reset };
    Pending m_pending = Pending::Nothing; // what prepare() began for follow() to end
    QList<Rows> m_before;          // the tree before that
    QList<quintptr> m_announced;   // the parents whose rows Qt was told of
    mutable ScaledPictures m_pictures;
    mutable QHash<qint64, QIcon> m_icons; // by the scaled picture's cache key
};

} // namespace kelvora
