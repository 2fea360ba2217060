#include "TextsTable.h"

#include "CourseDocument.h"
#include "CourseEdits.h"
#include "TextFit.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace kelvora {

namespace {
// The trainer's own buttons and labels whose captions a course may give per language.
constexpr std::pair<const char *, const char *> Captions[] = {
    {"start", QT_TRANSLATE_NOOP("kelvora::TextsTable", "Start button")},
    {"continue", QT_TRANSLATE_NOOP("kelvora::TextsTable", "Continue")},
    {"next", QT_TRANSLATE_NOOP("kelvora::TextsTable", "Next")},
    {"exit", QT_TRANSLATE_NOOP("kelvora::TextsTable", "Exit")},
    {"currentLanguage", QT_TRANSLATE_NOOP("kelvora::TextsTable", "Language label")},
    {"credit", QT_TRANSLATE_NOOP("kelvora::TextsTable", "Credit line")},
};
// The tags the trainer has the captions of.
const QStringList CaptionsBuiltIn = {QStringLiteral("tr"), QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de")};

// A mark's colour in the palette's light or dark: its hue kept, its lightness chosen against the table's base.
QColor readable(int hue, const QColor &base)
{
    return QColor::fromHsl(hue, 200, base.lightness() < 128 ? 185 : 75);
}

// A cell that lacks its text: the base tinted amber, so the palette's text stays readable on it.
QColor missingBackground(const QColor &base)
{
    const QColor amber(255, 170, 0);
    const double share = base.lightness() < 128 ? 0.3 : 0.22;
    return QColor::fromRgbF(float(base.redF() * (1 - share) + amber.redF() * share),
                            float(base.greenF() * (1 - share) + amber.greenF() * share),
                            float(base.blueF() * (1 - share) + amber.blueF() * share));
}

bool isCaption(const QString &field)
{
    return field.startsWith(QLatin1String("captions/"));
}

// Tells the table what is typed before it is committed, for the live fit mark.
class TypingDelegate : public QStyledItemDelegate {
public:
    explicit TypingDelegate(TextsTable *table) : QStyledItemDelegate(table), m_table(table) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            connect(line, &QLineEdit::textEdited, m_table,
                    [table = m_table, row = index.row(), column = index.column()](const QString &text) {
                        table->typing(row, column, text);
                    });
        }
        return editor;
    }

private:
    TextsTable *m_table;
};
} // namespace

TextsTable::TextsTable(CourseDocument &document, QWidget *parent) : QTableWidget(parent), m_document(document)
{
    setItemDelegate(new TypingDelegate(this));
    setAccessibleName(tr("Texts"));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setWordWrap(true);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_refreshing)
            commit(item);
    });
}

QJsonObject TextsTable::textsOf(CoursePlace place, const QString &field) const
{
    if (isCaption(field)) { // by language, like a text
        QJsonObject captions;
        const QJsonArray languages = m_document.course().value(QStringLiteral("languages")).toArray();
        for (const QJsonValue &language : languages) {
            const QJsonValue caption = language[QStringLiteral("captions")][field.section(QLatin1Char('/'), 1)];
            if (caption.isString())
                captions[language[QStringLiteral("tag")].toString()] = caption;
        }
        return captions;
    }
    QJsonObject object = m_document.object(place);
    for (const QString &name : field.split(QLatin1Char('/')))
        object = object.value(name).toObject();
    return object;
}

void TextsTable::showPlace(CoursePlace place)
{
    m_place = place;
    refresh();
}

void TextsTable::refresh()
{
    m_rows.clear();
    const QString title = QStringLiteral("title"), text = QStringLiteral("text");
    if (m_place.screen >= 0) {
        const CoursePlace screen{m_place.screen, -1};
        m_rows << Row{screen, title, tr("Screen title"), false};
        m_rows << Row{screen, text, tr("Screen text"), true};
        if (m_place.isStep())
            m_rows << Row{m_place, text, tr("Step %1 text").arg(m_place.step + 1), true};
        else if (m_document.screen(m_place.screen).contains(QStringLiteral("sequence")))
            m_rows << Row{screen, QStringLiteral("sequence/text"), tr("Sequence text"), true};
    }
    m_rows << Row{{}, title, tr("Course title"), false};
    for (const auto &[caption, name] : Captions)
        m_rows << Row{{}, QStringLiteral("captions/") + QLatin1String(caption), tr(name), false};
    QList<Row> shown;
    for (const Row &row : std::as_const(m_rows)) {
        shown << row;
        if (row.measured)
            shown << Row{row.place, {}, tr("fit"), false};
    }
    m_rows = shown;

    m_refreshing = true;
    const QStringList tags = m_document.languageTags();
    const QJsonArray languages = m_document.course().value(QStringLiteral("languages")).toArray();
    setColumnCount(int(tags.size()));
    setRowCount(int(m_rows.size()));
    QStringList headers;
    for (int c = 0; c < tags.size(); ++c)
        headers << QStringLiteral("%1 (%2)").arg(languages.at(c).toObject().value(QStringLiteral("name")).toString(), tags[c]);
    setHorizontalHeaderLabels(headers);
    QStringList rowHeaders;
    for (const Row &row : std::as_const(m_rows))
        rowHeaders << row.caption;
    setVerticalHeaderLabels(rowHeaders);
    for (int r = 0; r < m_rows.size(); ++r) {
        const Row &row = m_rows[r];
        const QJsonObject texts = textsOf(row.place, row.field);
        for (int c = 0; c < tags.size(); ++c) {
            if (row.field.isEmpty()) {
                auto *fit = new QTableWidgetItem;
                fit->setFlags(Qt::ItemIsEnabled);
                setItem(r, c, fit);
                setFit(r, c, textsOf(row.place, m_rows[r - 1].field).value(tags[c]).toString());
                continue;
            }
            auto *item = new QTableWidgetItem(texts.value(tags[c]).toString());
            if (m_document.isReadOnly())
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            const bool missing = isCaption(row.field) ? !CaptionsBuiltIn.contains(tags[c], Qt::CaseInsensitive)
                                                      : !texts.isEmpty(); // not an optional text left out
            if (missing && !texts.contains(tags[c]))
                item->setBackground(missingBackground(palette().color(QPalette::Base)));
            if (isCaption(row.field) && !missing)
                item->setToolTip(tr("Empty: the trainer's own caption for %1").arg(tags[c]));
            setItem(r, c, item);
        }
    }
    resizeRowsToContents();
    m_refreshing = false;
}

void TextsTable::typing(int row, int column, const QString &text)
{
    if (row + 1 < m_rows.size() && m_rows[row + 1].field.isEmpty())
        setFit(row + 1, column, text);
}

void TextsTable::setFit(int row, int column, const QString &text)
{
    QTableWidgetItem *fit = item(row, column);
    if (!fit)
        return;
    const bool wasRefreshing = m_refreshing;
    m_refreshing = true;
    if (text.isEmpty()) {
        fit->setText(tr("missing"));
        fit->setForeground(readable(30, palette().color(QPalette::Base)));
    } else {
        fit->setText(textFitMark(text));
        fit->setForeground(readable(textFits(text) ? 120 : 0, palette().color(QPalette::Base)));
    }
    m_refreshing = wasRefreshing;
}

void TextsTable::commit(QTableWidgetItem *item)
{
    const Row &row = m_rows.value(item->row());
    const QString tag = m_document.languageTags().value(item->column());
    if (row.field.isEmpty() || tag.isEmpty())
        return;
    const QString before = textsOf(row.place, row.field).value(tag).toString();
    if (item->text() == before)
        return;
    if (isCaption(row.field))
        m_document.undoStack().push(new CaptionEdit(m_document, tag, row.field.section(QLatin1Char('/'), 1), item->text()));
    else
        m_document.undoStack().push(new TextEdit(m_document, row.place, row.field, tag, item->text()));
}

} // namespace kelvora
