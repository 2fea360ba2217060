#include "TextsTable.h"

#include "TextFit.h"
#include "TextsModel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPoint>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>

namespace kelvora {

namespace {
// A cell that lacks its text: the base tinted amber, so the palette's text stays readable on it.
QColor missingBackground(const QColor &base)
{
    const QColor amber(255, 170, 0);
    const double share = base.lightness() < 128 ? 0.3 : 0.22;
    return QColor::fromRgbF(float(base.redF() * (1 - share) + amber.redF() * share),
                            float(base.greenF() * (1 - share) + amber.greenF() * share),
                            float(base.blueF() * (1 - share) + amber.blueF() * share));
}

// The rows of the shown screen, then of its shown step, then of the course itself, then the recordings.
class PlaceFilter : public QSortFilterProxyModel {
public:
    explicit PlaceFilter(QObject *parent) : QSortFilterProxyModel(parent) { sort(0); }
    void setPlace(CoursePlace place)
    {
        m_place = place;
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const QPoint at = sourceModel()->index(row, 0, parent).data(TextsModel::PlaceRole).toPoint();
        if (at.x() < 0)
            return true;
        return at.x() == m_place.screen && (at.y() < 0 || at.y() == m_place.step);
    }
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const auto group = [](const QModelIndex &index) {
            const QPoint at = index.data(TextsModel::PlaceRole).toPoint();
            if (index.data(TextsModel::RecordingRole).toBool())
                return 3;
            return at.x() < 0 ? 2 : at.y() < 0 ? 0 : 1;
        };
        return std::pair(group(left), left.row()) < std::pair(group(right), right.row());
    }

private:
    CoursePlace m_place;
};

// Draws a measured text with its fit mark on a line of its own below it, and leaves that line uncovered while
// the text is edited, so the mark follows the typing.
class FitDelegate : public QStyledItemDelegate {
public:
    explicit FitDelegate(TextsTable *table) : QStyledItemDelegate(table), m_table(table) {}

    static bool measured(const QModelIndex &index) { return index.data(TextsModel::ExplanationRole).toBool(); }

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(TextsModel::MissingRole).toBool())
            option->backgroundBrush = missingBackground(option->palette.color(QPalette::Base));
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (measured(index))
            size.rheight() += option.fontMetrics.height() + 2;
        return size;
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (!measured(index)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const int line = option.fontMetrics.height() + 2;
        QStyleOptionViewItem text = option;
        text.rect.setBottom(option.rect.bottom() - line);
        QStyledItemDelegate::paint(painter, text, index);
        const QString mark = m_table->fitMark(index);
        const QColor base = option.palette.color(QPalette::Base);
        painter->save();
        if (index.data(TextsModel::MissingRole).toBool())
            painter->fillRect(option.rect.adjusted(0, option.rect.height() - line, 0, 0), missingBackground(base));
        painter->setPen(fitMarkColour(mark, base));
        painter->drawText(option.rect.adjusted(4, option.rect.height() - line, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, mark);
        painter->restore();
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            connect(line, &QLineEdit::textEdited, m_table,
                    [table = m_table, at = QPersistentModelIndex(index)](const QString &text) { table->typing(at, text); });
            connect(line, &QObject::destroyed, m_table, [table = m_table] { table->typed(); });
        }
        return editor;
    }

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        if (measured(index))
            editor->setGeometry(editor->geometry().adjusted(0, 0, 0, -(option.fontMetrics.height() + 2)));
    }

private:
    TextsTable *m_table;
};
} // namespace

QColor fitMarkColour(const QString &mark, const QColor &base)
{
    const bool missing = mark == TextsModel::tr("missing");
    const bool fits = mark == QCoreApplication::translate("kelvora::TextFit", "fits");
    const int hue = missing ? 30 : fits ? 120 : 0;
    return QColor::fromHsl(hue, 200, base.lightness() < 128 ? 185 : 75);
}

TextsTable::TextsTable(TextsModel *texts, QWidget *parent) : QTableView(parent), m_shown(new PlaceFilter(this))
{
    m_shown->setSourceModel(texts);
    setModel(m_shown);
    setItemDelegate(new FitDelegate(this));
    setAccessibleName(tr("Texts"));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // A long text makes a tall row: its start and its name stay in sight at the top, and the names leave the
    // languages most of a narrow window.
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    verticalHeader()->setMaximumWidth(fontMetrics().averageCharWidth() * 24);
    verticalHeader()->setTextElideMode(Qt::ElideMiddle);
    setWordWrap(true);
}

void TextsTable::showPlace(CoursePlace place)
{
    m_place = place;
    static_cast<PlaceFilter *>(m_shown)->setPlace(place);
}

int TextsTable::rowOf(const QString &context) const
{
    for (int row = 0; row < m_shown->rowCount(); ++row) {
        if (m_shown->index(row, 0).data(TextsModel::ContextRole).toString() == context)
            return row;
    }
    return -1;
}

void TextsTable::typing(const QModelIndex &index, const QString &text)
{
    m_typing = index;
    m_typingText = text;
    viewport()->update(visualRect(index));
}

QString TextsTable::fitMark(const QModelIndex &index) const
{
    if (m_typing.isValid() && m_typing == index)
        return m_typingText.isEmpty() ? TextsModel::tr("missing") : textFitMark(m_typingText);
    return index.data(TextsModel::FitRole).toString();
}

} // namespace kelvora
