#include "CourseModel.h"

#include "CourseDocument.h"
#include "CourseEdits.h"
#include "course/author/AuthorValidation.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <utility>

namespace kelvora {

namespace {
const QString PlaceMime = QStringLiteral("application/x-kelvora-outline-item");

QString firstLine(const QString &text)
{
    const QString line = text.section(QLatin1Char('\n'), 0, 0);
    return line.size() > 40 ? line.left(39) + QChar(0x2026) : line;
}

QString shapeText(const Target &target)
{
    const QRect &b = target.box;
    switch (target.shape) {
    case Target::Shape::Circle:
        return CourseModel::tr("circle at %1, %2, radius %3").arg(target.centre().x()).arg(target.centre().y()).arg(target.radius());
    case Target::Shape::Oval:
        return CourseModel::tr("oval %1, %2, %3 x %4").arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height());
    case Target::Shape::Rectangle: break;
    }
    return CourseModel::tr("rectangle %1, %2, %3 x %4").arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height());
}

// The ids a step or group would clash with on its screen: both become marks of the same page.
QStringList idsOnScreen(const AuthorScreen &screen)
{
    QStringList ids;
    for (const AuthorStep &step : screen.steps)
        ids << step.id;
    for (const AuthorGroup &group : screen.pointAt)
        ids << group.id;
    return ids;
}

QString freshIn(const QStringList &taken, const QString &like)
{
    if (!like.isEmpty() && !taken.contains(like))
        return like;
    QString stem = like;
    while (!stem.isEmpty() && (stem.back().isDigit()))
        stem.chop(1);
    if (stem.endsWith(QLatin1Char('-')))
        stem.chop(1);
    for (int n = 2;; ++n) {
        const QString id = QStringLiteral("%1-%2").arg(stem.isEmpty() ? QStringLiteral("step") : stem).arg(n);
        if (!taken.contains(id))
            return id;
    }
}
} // namespace

CourseModel::CourseModel(CourseDocument &document, QObject *parent) : QAbstractItemModel(parent), m_document(document)
{
    m_shape = shape(document.authorCourse());
    connect(&document, &CourseDocument::aboutToReplace, this, &CourseModel::prepare);
    connect(&document, &CourseDocument::changed, this, &CourseModel::follow);
    connect(&document, &CourseDocument::opened, this, &CourseModel::follow);
    connect(&m_pictures, &ScaledPictures::ready, this, [this](const QString &path) {
        // The screens and steps that show that photograph.
        const auto &screens = m_document.authorCourse().screens;
        for (int s = 0; s < int(screens.size()); ++s) {
            for (int t = -1; t < int(screens[s].steps.size()); ++t) {
                const Node node = t < 0 ? Node{Kind::Screen, s} : Node{Kind::Step, s, t};
                if (m_document.pathOf(photographOf(node)) == path) {
                    const QModelIndex shown = indexOf(node);
                    emit dataChanged(shown, shown, {Qt::DecorationRole});
                }
            }
        }
    });
}

QList<CourseModel::Rows> CourseModel::shape(const AuthorCourse &course)
{
    QList<Rows> shape;
    for (const AuthorScreen &screen : course.screens) {
        Rows rows{QStringLiteral("screen:%1/0").arg(screen.id)};
        for (const AuthorStep &step : screen.steps)
            rows << QStringLiteral("s:%1/0").arg(step.id);
        for (const AuthorGroup &group : screen.pointAt)
            rows << QStringLiteral("g:%1/%2").arg(group.id).arg(group.targets.size());
        if (screen.sequence)
            rows << QStringLiteral("q:/%1").arg(screen.sequence->watch ? 1 : 0);
        if (screen.throttle)
            rows << QStringLiteral("t:/%1").arg(screen.throttle->lift ? 1 : 0);
        shape << rows;
    }
    return shape;
}

namespace {
// Where two lists differ by one block inserted or removed: its first index and length, or nullopt when they
// differ otherwise.
template <class List> std::optional<std::pair<int, int>> oneBlock(const List &before, const List &after)
{
    const List &longer = before.size() > after.size() ? before : after;
    const List &shorter = before.size() > after.size() ? after : before;
    if (longer.size() == shorter.size())
        return std::nullopt;
    int head = 0;
    while (head < shorter.size() && shorter[head] == longer[head])
        ++head;
    int tail = 0;
    while (tail < shorter.size() - head && shorter[shorter.size() - 1 - tail] == longer[longer.size() - 1 - tail])
        ++tail;
    if (head + tail != shorter.size())
        return std::nullopt;
    return std::pair(head, int(longer.size() - shorter.size()));
}

// Where two lists of one length differ by one item taken out and put back elsewhere: where it was and where it
// is, or nullopt when they differ otherwise.
template <class List> std::optional<std::pair<int, int>> oneMove(const List &before, const List &after)
{
    if (before.size() != after.size())
        return std::nullopt;
    int first = 0, last = int(before.size()) - 1;
    while (first <= last && before[first] == after[first])
        ++first;
    while (last > first && before[last] == after[last])
        --last;
    if (first >= last)
        return std::nullopt;
    if (before[first] == after[last] && before.mid(first + 1, last - first) == after.mid(first, last - first))
        return std::pair(first, last);
    if (before[last] == after[first] && before.mid(first, last - first) == after.mid(first + 1, last - first))
        return std::pair(last, first);
    return std::nullopt;
}

// The rows under a row of a screen, from its key.
int childRows(const QString &key)
{
    return key.section(u'/', -1).toInt();
}

// A row's kind and child rows, without its id: what the tree's shape needs.
QString rowShape(const QString &key)
{
    return key.section(u':', 0, 0) + u'/' + key.section(u'/', -1);
}
} // namespace

// The views hear of the edit before the course changes: rows inserted or removed where the tree differs by
// one block (screens, or rows of one screen, or targets of one row), the data changed where only that
// differs, and a reset otherwise.
void CourseModel::prepare(const AuthorCourse &next)
{
    announce(shape(next));
}

void CourseModel::announce(const QList<Rows> &next)
{
    m_before = m_shape;
    m_announced.clear();
    const QList<Rows> &now = m_before;
    m_pending = Pending::Reset;
    const auto move = [this](const QModelIndex &from, int row, const QModelIndex &to, int destination) {
        m_pending = Pending::Move;
        m_announced << announced(from) << announced(to);
        beginMoveRows(from, row, row, to, destination);
    };
    // A screen moved, a row moved within its screen, or a step moved to another screen (under a new id, maybe).
    if (const auto moved = oneMove(now, next)) {
        move({}, moved->first, {}, moved->second > moved->first ? moved->second + 1 : moved->second);
        m_shape = next;
        return;
    }
    if (now.size() == next.size()) {
        QList<int> differing;
        for (int s = 0; s < now.size(); ++s) {
            if (now[s] != next[s])
                differing << s;
        }
        const auto screenIndex = [this](int s) { return createIndex(s, 0, pack({Kind::Screen, s})); };
        if (differing.size() == 1) {
            const int s = differing.first();
            if (const auto moved = oneMove(now[s].mid(1), next[s].mid(1))) {
                move(screenIndex(s), moved->first, screenIndex(s),
                     moved->second > moved->first ? moved->second + 1 : moved->second);
                m_shape = next;
                return;
            }
        } else if (differing.size() == 2) {
            const int a = differing[0], b = differing[1];
            const auto isStep = [](const QString &key) { return key.startsWith(QLatin1String("s:")); };
            // From a to b, or from b to a: one step row leaves one screen and one arrives in the other.
            for (const auto &[from, to] : {std::pair(a, b), std::pair(b, a)}) {
                const auto left = oneBlock(now[from].mid(1), next[from].mid(1));
                const auto arrived = oneBlock(now[to].mid(1), next[to].mid(1));
                if (left && arrived && left->second == 1 && arrived->second == 1
                    && next[from].size() < now[from].size() && next[to].size() > now[to].size()
                    && isStep(now[from][1 + left->first]) && isStep(next[to][1 + arrived->first])) {
                    move(screenIndex(from), left->first, screenIndex(to), arrived->first);
                    m_shape = next;
                    return;
                }
            }
        }
    }
    const auto begin = [this](bool insert, const QModelIndex &parent, int first, int count) {
        m_pending = insert ? Pending::Insert : Pending::Remove;
        m_announced << announced(parent);
        if (insert)
            beginInsertRows(parent, first, first + count - 1);
        else
            beginRemoveRows(parent, first, first + count - 1);
    };
    if (now.size() != next.size()) {
        if (const auto block = oneBlock(now, next))
            begin(next.size() > now.size(), {}, block->first, block->second);
        else
            beginResetModel();
        m_shape = next;
        return;
    }
    const auto kinds = [](const Rows &rows) {
        QStringList shape;
        for (const QString &row : rows)
            shape << rowShape(row);
        return shape;
    };
    QList<int> differing;
    for (int s = 0; s < now.size(); ++s) {
        if (kinds(now[s]) != kinds(next[s]))
            differing << s;
    }
    if (differing.isEmpty()) {
        m_pending = Pending::Data;
    } else if (differing.size() == 1) {
        const int s = differing.first();
        const QModelIndex screen = createIndex(s, 0, pack({Kind::Screen, s}));
        // Row 0 of the keys is the screen itself.
        const Rows before = now[s].mid(1), after = next[s].mid(1);
        if (before.size() != after.size()) {
            if (const auto block = oneBlock(before, after))
                begin(after.size() > before.size(), screen, block->first, block->second);
            else
                beginResetModel();
        } else {
            QList<int> rows;
            for (int r = 0; r < before.size(); ++r) {
                if (rowShape(before[r]) != rowShape(after[r]))
                    rows << r;
            }
            const int r = rows.value(0);
            const int had = rows.isEmpty() ? 0 : childRows(before[r]), has = rows.isEmpty() ? 0 : childRows(after[r]);
            if (rows.size() == 1 && before[r].section(u':', 0, 0) == after[r].section(u':', 0, 0) && had != has) {
                // The targets of one group, a watched target or a lift: at the end, the others' data changed.
                const QModelIndex row = index(r, 0, screen);
                begin(has > had, row, std::min(had, has), std::abs(has - had));
            } else {
                beginResetModel();
            }
        }
    } else {
        beginResetModel();
    }
    m_shape = next;
}

void CourseModel::follow()
{
    if (m_pending == Pending::Nothing) // a change no one announced (a course saved elsewhere): said now
        announce(shape(m_document.authorCourse()));
    const Pending pending = std::exchange(m_pending, Pending::Nothing);
    if (pending == Pending::Insert || pending == Pending::Remove || pending == Pending::Move)
        keepDescendants();
    switch (pending) {
    case Pending::Reset: endResetModel(); return;
    case Pending::Move: endMoveRows(); break;
    case Pending::Insert: endInsertRows(); break;
    case Pending::Remove: endRemoveRows(); break;
    default: break;
    }
    // Texts, ids and targets may have changed anywhere.
    const int screens = rowCount();
    if (screens == 0)
        return;
    emit dataChanged(index(0, 0), index(screens - 1, 1));
    for (int s = 0; s < screens; ++s) {
        const QModelIndex screen = index(s, 0);
        if (const int rows = rowCount(screen))
            emit dataChanged(index(0, 0, screen), index(rows - 1, 1, screen));
        for (int r = 0; r < rowCount(screen); ++r) {
            const QModelIndex item = index(r, 0, screen);
            if (const int rows = rowCount(item))
                emit dataChanged(index(0, 0, item), index(rows - 1, 1, item));
        }
    }
}

// Qt moves the rows it was told of; the rows under them, and under screens or groups whose place changed, are
// found again by their ids, so what the views have expanded or selected there follows its item.
void CourseModel::keepDescendants()
{
    const auto stepsIn = [](const Rows &rows) {
        return int(std::count_if(rows.begin() + 1, rows.end(), [](const QString &key) { return key.startsWith(QLatin1String("s:")); }));
    };
    const auto idOf = [](const QString &key) { return key.section(u'/', 0, 0); };
    const auto rowWithId = [&](const Rows &rows, const QString &id) {
        for (int r = 1; r < rows.size(); ++r) {
            if (idOf(rows[r]) == id)
                return r - 1;
        }
        return -1;
    };
    QModelIndexList from, to;
    const QModelIndexList persistent = persistentIndexList();
    for (const QModelIndex &old : persistent) {
        const Node n = unpack(old.internalId());
        if (n.kind == Kind::Screen || n.screen >= m_before.size())
            continue;
        const Node above = n.kind == Kind::GroupTarget ? Node{Kind::Group, n.screen, n.item}
                           : n.kind == Kind::Watch     ? Node{Kind::Sequence, n.screen}
                           : n.kind == Kind::Lift      ? Node{Kind::Throttle, n.screen}
                                                       : Node{Kind::Screen, n.screen};
        if (m_announced.contains(pack(above)))
            continue; // Qt's own
        const Rows &was = m_before[n.screen];
        Node now = n;
        now.screen = -1;
        for (int s = 0; s < m_shape.size(); ++s) {
            if (m_shape[s].value(0) == was.value(0))
                now.screen = s;
        }
        if (now.screen < 0)
            continue;
        const Rows &is = m_shape[now.screen];
        if (n.kind == Kind::Step) {
            now.item = rowWithId(is, idOf(was.value(1 + n.item)));
        } else if (n.kind == Kind::Group || n.kind == Kind::GroupTarget) {
            const int row = rowWithId(is, idOf(was.value(1 + stepsIn(was) + n.item)));
            now.item = row < 0 ? -1 : row - stepsIn(is);
        }
        if (now.item < 0)
            continue;
        const QModelIndex moved = indexOf(now, old.column());
        if (moved.isValid() && moved != old) {
            from << old;
            to << moved;
        }
    }
    changePersistentIndexList(from, to);
}

quintptr CourseModel::pack(Node node)
{
    return quintptr(node.kind) | quintptr(node.screen) << 4 | quintptr(node.item) << 24 | quintptr(node.target) << 44;
}

CourseModel::Node CourseModel::unpack(quintptr id)
{
    return {Kind(id & 0xf), int(id >> 4 & 0xfffff), int(id >> 24 & 0xfffff), int(id >> 44 & 0xfffff)};
}

bool CourseModel::isValidNode(Node n) const
{
    const auto &screens = m_document.authorCourse().screens;
    if (n.screen < 0 || n.screen >= int(screens.size()))
        return false;
    const AuthorScreen &screen = screens[n.screen];
    switch (n.kind) {
    case Kind::Screen: return true;
    case Kind::Step: return n.item < int(screen.steps.size());
    case Kind::Group: return n.item < int(screen.pointAt.size());
    case Kind::GroupTarget:
        return n.item < int(screen.pointAt.size()) && n.target < int(screen.pointAt[n.item].targets.size());
    case Kind::Sequence: return bool(screen.sequence);
    case Kind::Watch: return screen.sequence && screen.sequence->watch;
    case Kind::Throttle: return bool(screen.throttle);
    case Kind::Lift: return screen.throttle && screen.throttle->lift;
    }
    return false;
}

int CourseModel::rowOf(Node n) const
{
    const AuthorScreen &screen = m_document.authorCourse().screens[n.screen];
    const int steps = int(screen.steps.size()), groups = int(screen.pointAt.size());
    switch (n.kind) {
    case Kind::Screen: return n.screen;
    case Kind::Step: return n.item;
    case Kind::Group: return steps + n.item;
    case Kind::Sequence: return steps + groups;
    case Kind::Throttle: return steps + groups + (screen.sequence ? 1 : 0);
    case Kind::GroupTarget: return n.target;
    case Kind::Watch:
    case Kind::Lift: return 0;
    }
    return 0;
}

QModelIndex CourseModel::indexOf(Node node, int column) const
{
    return isValidNode(node) ? createIndex(rowOf(node), column, pack(node)) : QModelIndex();
}

QModelIndex CourseModel::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || column < 0 || column >= columnCount() || row >= rowCount(parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, pack({Kind::Screen, row}));
    const Node p = unpack(parent.internalId());
    const AuthorScreen &screen = m_document.authorCourse().screens[p.screen];
    Node n{Kind::Screen, p.screen, 0, 0};
    switch (p.kind) {
    case Kind::Screen: {
        const int steps = int(screen.steps.size()), groups = int(screen.pointAt.size());
        if (row < steps)
            n = {Kind::Step, p.screen, row};
        else if (row < steps + groups)
            n = {Kind::Group, p.screen, row - steps};
        else if (row == steps + groups && screen.sequence)
            n = {Kind::Sequence, p.screen};
        else
            n = {Kind::Throttle, p.screen};
        break;
    }
    case Kind::Group: n = {Kind::GroupTarget, p.screen, p.item, row}; break;
    case Kind::Sequence: n = {Kind::Watch, p.screen}; break;
    case Kind::Throttle: n = {Kind::Lift, p.screen}; break;
    default: return {};
    }
    return createIndex(row, column, pack(n));
}

QModelIndex CourseModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    const Node n = unpack(child.internalId());
    switch (n.kind) {
    case Kind::Screen: return {};
    case Kind::Step:
    case Kind::Group:
    case Kind::Sequence:
    case Kind::Throttle: return indexOf(Node{Kind::Screen, n.screen});
    case Kind::GroupTarget: return indexOf(Node{Kind::Group, n.screen, n.item});
    case Kind::Watch: return indexOf(Node{Kind::Sequence, n.screen});
    case Kind::Lift: return indexOf(Node{Kind::Throttle, n.screen});
    }
    return {};
}

int CourseModel::rowCount(const QModelIndex &parent) const
{
    const auto &screens = m_document.authorCourse().screens;
    if (!parent.isValid())
        return int(screens.size());
    if (parent.column() != 0)
        return 0;
    const Node n = unpack(parent.internalId());
    if (!isValidNode(n))
        return 0;
    const AuthorScreen &screen = screens[n.screen];
    switch (n.kind) {
    case Kind::Screen:
        return int(screen.steps.size() + screen.pointAt.size()) + (screen.sequence ? 1 : 0) + (screen.throttle ? 1 : 0);
    case Kind::Group: return int(screen.pointAt[n.item].targets.size());
    case Kind::Sequence: return screen.sequence->watch ? 1 : 0;
    case Kind::Throttle: return screen.throttle->lift ? 1 : 0;
    default: return 0;
    }
}

int CourseModel::columnCount(const QModelIndex &) const
{
    return 2;
}

CoursePlace CourseModel::placeOf(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    const Node n = unpack(index.internalId());
    return n.kind == Kind::Step ? CoursePlace{n.screen, n.item} : CoursePlace{n.screen, -1};
}

QModelIndex CourseModel::indexOf(CoursePlace place) const
{
    if (place.screen < 0)
        return {};
    return place.step < 0 ? indexOf(Node{Kind::Screen, place.screen}) : indexOf(Node{Kind::Step, place.screen, place.step});
}

LookTarget CourseModel::lookTargetOf(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    const Node n = unpack(index.internalId());
    if (!isValidNode(n))
        return {};
    const AuthorScreen &screen = m_document.authorCourse().screens[n.screen];
    if (n.kind == Kind::GroupTarget)
        return {n.item, n.target};
    if (n.kind == Kind::Group && !screen.pointAt[n.item].targets.empty())
        return {n.item, 0};
    if (n.kind == Kind::Watch || (n.kind == Kind::Sequence && screen.sequence->watch))
        return {LookTarget::Watch, 0};
    return {};
}

QModelIndex CourseModel::indexOf(int screen, LookTarget look) const
{
    if (look.isWatch())
        return indexOf(Node{Kind::Watch, screen});
    return look.isNone() ? QModelIndex() : indexOf(Node{Kind::GroupTarget, screen, look.group, look.target});
}

CourseModel::Kind CourseModel::kindOf(const QModelIndex &index) const
{
    return index.isValid() ? unpack(index.internalId()).kind : Kind::Screen;
}

QString CourseModel::textOf(Node n) const
{
    const AuthorCourse &course = m_document.authorCourse();
    const QString tag = course.tags().value(0);
    const AuthorScreen &screen = course.screens[n.screen];
    switch (n.kind) {
    case Kind::Screen: {
        const QString title = course.textIn(screen.title, tag);
        QString line = QStringLiteral("%1. %2").arg(n.screen + 1).arg(title.isEmpty() ? screen.id : QStringLiteral("%1 (%2)").arg(title, screen.id));
        if (const QString text = firstLine(course.textIn(screen.text, tag)); !text.isEmpty())
            line += QLatin1Char('\n') + text;
        return line;
    }
    case Kind::Step: {
        const AuthorStep &step = screen.steps[n.item];
        QString line = step.id;
        if (const QString text = firstLine(course.textIn(step.text, tag)); !text.isEmpty())
            line += QLatin1Char('\n') + text;
        return line;
    }
    case Kind::Group: return tr("Look at %1").arg(screen.pointAt[n.item].id);
    case Kind::Sequence: return tr("Sequence of %n photograph(s)", nullptr, int(screen.sequence->photographs.size()));
    case Kind::Throttle: return tr("Throttle");
    case Kind::GroupTarget: return tr("Target %1").arg(n.target + 1);
    case Kind::Watch: return tr("Watched target");
    case Kind::Lift: return tr("Finger lift");
    }
    return {};
}

QString CourseModel::targetText(Node n) const
{
    const AuthorScreen &screen = m_document.authorCourse().screens[n.screen];
    std::optional<Target> target;
    switch (n.kind) {
    case Kind::Step: target = screen.steps[n.item].target; break;
    case Kind::GroupTarget: target = screen.pointAt[n.item].targets[n.target]; break;
    case Kind::Watch: target = screen.sequence->watch; break;
    case Kind::Lift: target = screen.throttle->lift; break;
    default: break;
    }
    return target ? shapeText(*target) : QString();
}

// A screen's own photograph; a step's, the one on display once it is pressed.
QString CourseModel::photographOf(Node n) const
{
    const AuthorScreen &screen = m_document.authorCourse().screens[n.screen];
    QString photograph = screen.photograph;
    if (n.kind != Kind::Step)
        return photograph;
    for (int i = 0; i <= n.item; ++i) {
        const AuthorStep &step = screen.steps[i];
        if (!step.photograph.isEmpty())
            photograph = step.photograph;
        else if (!step.photographs.isEmpty())
            photograph = step.photographs.last();
    }
    return photograph;
}

QIcon CourseModel::thumbnail(const QString &photograph) const
{
    const QString path = m_document.pathOf(photograph);
    if (path.isEmpty())
        return {};
    // Decoded on the worker; the row shows it once ready() says so.
    const std::optional<ScaledPicture> picture = m_pictures.picture(path, ThumbnailSize);
    if (!picture || picture->image.isNull())
        return {};
    const qint64 key = picture->image.cacheKey();
    if (!m_icons.contains(key)) {
        QPixmap canvas(ThumbnailSize);
        canvas.fill(Qt::black);
        const QImage &image = picture->image;
        QPainter(&canvas).drawImage((ThumbnailSize.width() - image.width()) / 2, (ThumbnailSize.height() - image.height()) / 2, image);
        m_icons.insert(key, QIcon(canvas));
    }
    return m_icons.value(key);
}

QVariant CourseModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node n = unpack(index.internalId());
    if (!isValidNode(n))
        return {};
    const bool hasPhotograph = n.kind == Kind::Screen || n.kind == Kind::Step;
    switch (role) {
    case Qt::DisplayRole: return index.column() == 0 ? textOf(n) : targetText(n);
    case Qt::EditRole: {
        if (index.column() != 0)
            return {};
        const AuthorScreen &screen = m_document.authorCourse().screens[n.screen];
        if (n.kind == Kind::Screen)
            return screen.id;
        if (n.kind == Kind::Step)
            return screen.steps[n.item].id;
        if (n.kind == Kind::Group)
            return screen.pointAt[n.item].id;
        return {};
    }
    case Qt::DecorationRole:
        return index.column() == 0 && hasPhotograph ? QVariant(thumbnail(photographOf(n))) : QVariant();
    case KindRole: return int(n.kind);
    case PhotographRole: return hasPhotograph ? photographOf(n) : QString();
    default: return {};
    }
}

QVariant CourseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Screens and steps") : tr("Target");
}

Qt::ItemFlags CourseModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Kind kind = kindOf(index);
    const bool named = kind == Kind::Screen || kind == Kind::Step || kind == Kind::Group;
    if (named && index.column() == 0 && !m_document.isReadOnly())
        flags |= Qt::ItemIsEditable;
    if ((kind == Kind::Screen || kind == Kind::Step) && !m_document.isReadOnly())
        flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return flags;
}

QString CourseModel::idProblem(const AuthorCourse &course, Kind kind, int screen, int item, const QString &id)
{
    if (!isWellFormedId(id))
        return tr("'%1': an id is made of letters, digits, '-', '_' and '.'").arg(id);
    if (kind == Kind::Screen) {
        for (int s = 0; s < int(course.screens.size()); ++s) {
            if (s != screen && course.screens[s].id == id)
                return tr("'%1': another screen has this id").arg(id);
        }
        return {};
    }
    const AuthorScreen &on = course.screens[screen];
    for (int s = 0; s < int(on.steps.size()); ++s) {
        if (on.steps[s].id == id && !(kind == Kind::Step && s == item))
            return tr("'%1': a step of the screen has this id").arg(id);
    }
    for (int g = 0; g < int(on.pointAt.size()); ++g) {
        if (on.pointAt[g].id == id && !(kind == Kind::Group && g == item))
            return tr("'%1': a group of the screen has this id").arg(id);
    }
    return {};
}

bool CourseModel::rename(Node n, const QString &wanted)
{
    const QString id = wanted.trimmed();
    AuthorCourse course = m_document.authorCourse();
    AuthorScreen &screen = course.screens[n.screen];
    QString *field = n.kind == Kind::Screen ? &screen.id
                     : n.kind == Kind::Step ? &screen.steps[n.item].id
                                            : &screen.pointAt[n.item].id;
    if (id == *field)
        return true;
    if (!idProblem(course, n.kind, n.screen, n.item, id).isEmpty())
        return false;
    *field = id;
    const CoursePlace place = n.kind == Kind::Step ? CoursePlace{n.screen, n.item} : CoursePlace{n.screen, -1};
    const QString what = n.kind == Kind::Screen ? tr("screen") : n.kind == Kind::Step ? tr("step") : tr("group");
    m_document.undoStack().push(new AuthorEdit(m_document, place, tr("Rename %1").arg(what), course, place));
    return true;
}

bool CourseModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    return rename(unpack(index.internalId()), value.toString());
}

bool CourseModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (m_document.isReadOnly() || count < 1 || row < 0 || row + count > rowCount(parent))
        return false;
    AuthorCourse course = m_document.authorCourse();
    CoursePlace selected;
    QString what;
    if (!parent.isValid()) {
        course.screens.erase(course.screens.begin() + row, course.screens.begin() + row + count);
        if (!course.screens.empty())
            selected = {std::min(row, int(course.screens.size()) - 1), -1};
        what = tr("Delete screen");
    } else {
        const Node p = unpack(parent.internalId());
        AuthorScreen &screen = course.screens[p.screen];
        selected = {p.screen, -1};
        if (p.kind == Kind::Screen) {
            // The rows of one kind only: steps, or groups.
            const int steps = int(screen.steps.size());
            if (row + count <= steps) {
                screen.steps.erase(screen.steps.begin() + row, screen.steps.begin() + row + count);
                if (!screen.steps.empty())
                    selected.step = std::min(row, int(screen.steps.size()) - 1);
                what = tr("Delete step");
            } else if (row >= steps && row + count <= steps + int(screen.pointAt.size())) {
                screen.pointAt.erase(screen.pointAt.begin() + (row - steps), screen.pointAt.begin() + (row - steps + count));
                what = tr("Delete group");
            } else {
                return false;
            }
        } else if (p.kind == Kind::Group) {
            std::vector<Target> &targets = screen.pointAt[p.item].targets;
            targets.erase(targets.begin() + row, targets.begin() + row + count);
            if (targets.empty()) // a group with nothing to look at is no group
                screen.pointAt.erase(screen.pointAt.begin() + p.item);
            what = tr("Delete group target");
        } else if (p.kind == Kind::Sequence) {
            screen.sequence->watch.reset();
            what = tr("Delete watched target");
        } else if (p.kind == Kind::Throttle) {
            screen.throttle->lift.reset();
            what = tr("Delete finger lift");
        } else {
            return false;
        }
    }
    m_document.undoStack().push(new AuthorEdit(m_document, placeOf(parent), what, course, selected));
    return true;
}

QStringList CourseModel::mimeTypes() const
{
    return {PlaceMime};
}

QMimeData *CourseModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << quint64(quintptr(this)) << quint64(indexes.first().internalId());
    auto *data = new QMimeData;
    data->setData(PlaceMime, bytes);
    return data;
}

bool CourseModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int, int, const QModelIndex &parent) const
{
    if (action != Qt::MoveAction || !data->hasFormat(PlaceMime) || m_document.isReadOnly())
        return false;
    QDataStream in(data->data(PlaceMime));
    quint64 model = 0, id = 0;
    in >> model >> id;
    if (model != quint64(quintptr(this)))
        return false;
    const Node n = unpack(id);
    const Kind onto = parent.isValid() ? kindOf(parent) : Kind::Screen;
    if (n.kind == Kind::Screen)
        return !parent.isValid() || (onto == Kind::Screen && !parent.parent().isValid());
    return n.kind == Kind::Step && parent.isValid() && (onto == Kind::Screen || onto == Kind::Step);
}

bool CourseModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column, const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    QDataStream in(data->data(PlaceMime));
    quint64 model = 0, id = 0;
    in >> model >> id;
    const Node n = unpack(id);
    if (!isValidNode(n))
        return false;
    AuthorCourse course = m_document.authorCourse();
    // A row between items counts where the item was taken out of the list first.
    const auto finalIndex = [](int from, int row, int size) {
        if (row < 0)
            return size - 1;
        return std::clamp(row > from ? row - 1 : row, 0, size - 1);
    };
    if (n.kind == Kind::Screen) {
        const int size = int(course.screens.size());
        const int to = parent.isValid() ? parent.row() : finalIndex(n.screen, row, size);
        if (to == n.screen)
            return false;
        AuthorScreen moved = std::move(course.screens[n.screen]);
        course.screens.erase(course.screens.begin() + n.screen);
        course.screens.insert(course.screens.begin() + to, std::move(moved));
        m_document.undoStack().push(new AuthorEdit(m_document, {n.screen, -1}, tr("Move screen"), course, {to, -1}));
        return true;
    }
    const Node onto = unpack(parent.internalId());
    std::vector<AuthorStep> &from = course.screens[n.screen].steps;
    AuthorStep moved = from[n.item];
    if (onto.screen != n.screen) {
        // Onto another screen or one of its steps: to the end of that screen, under an id free there.
        AuthorScreen &screen = course.screens[onto.screen];
        from.erase(from.begin() + n.item);
        moved.id = freshIn(idsOnScreen(screen), moved.id);
        screen.steps.push_back(std::move(moved));
        m_document.undoStack().push(new AuthorEdit(m_document, {n.screen, n.item}, tr("Move step to another screen"),
                                                   course, {onto.screen, int(screen.steps.size()) - 1}));
        return true;
    }
    const int size = int(from.size());
    const int to = onto.kind == Kind::Step ? onto.item : (row < 0 ? 0 : finalIndex(n.item, std::min(row, size), size));
    if (to == n.item)
        return false;
    from.erase(from.begin() + n.item);
    from.insert(from.begin() + to, std::move(moved));
    m_document.undoStack().push(new AuthorEdit(m_document, {n.screen, n.item}, tr("Move step"), course, {n.screen, to}));
    return true;
}

} // namespace kelvora
