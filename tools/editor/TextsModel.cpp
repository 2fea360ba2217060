#include "TextsModel.h"

#include "CourseDocument.h"
#include "CourseEdits.h"
#include "TextFit.h"

#include <QPoint>

namespace kelvora {

namespace {
// The trainer's own buttons and labels whose captions a course may give per language.
constexpr std::pair<const char *, const char *> Captions[] = {
    {"start", QT_TRANSLATE_NOOP("kelvora::TextsModel", "Start button")},
    {"continue", QT_TRANSLATE_NOOP("kelvora::TextsModel", "Continue")},
    {"next", QT_TRANSLATE_NOOP("kelvora::TextsModel", "Next")},
    {"exit", QT_TRANSLATE_NOOP("kelvora::TextsModel", "Exit")},
    {"currentLanguage", QT_TRANSLATE_NOOP("kelvora::TextsModel", "Language label")},
    {"credit", QT_TRANSLATE_NOOP("kelvora::TextsModel", "Credit line")},
};
const QString CaptionsPrefix = QStringLiteral("captions/");

const QString *ownCaption(const LanguageCaptions &captions, const QString &key)
{
    const QString *fields[] = {&captions.start, &captions.continueLabel, &captions.next,
                               &captions.exit,  &captions.currentLanguage, &captions.credit};
    for (size_t i = 0; i < std::size(Captions); ++i) {
        if (key == QLatin1String(Captions[i].first))
            return fields[i];
    }
    return nullptr;
}

// How a field is called in the row's name.
QString fieldName(const QString &field)
{
    static const std::pair<const char *, const char *> Names[] = {
        {"title", QT_TRANSLATE_NOOP("kelvora::TextsModel", "title")},
        {"description", QT_TRANSLATE_NOOP("kelvora::TextsModel", "description")},
        {"loopCaption", QT_TRANSLATE_NOOP("kelvora::TextsModel", "loop caption")},
        {"label", QT_TRANSLATE_NOOP("kelvora::TextsModel", "label")},
        {"caption", QT_TRANSLATE_NOOP("kelvora::TextsModel", "sound caption")},
        {"half", QT_TRANSLATE_NOOP("kelvora::TextsModel", "caption at half")},
        {"idle", QT_TRANSLATE_NOOP("kelvora::TextsModel", "caption at IDLE")},
        {"narration", QT_TRANSLATE_NOOP("kelvora::TextsModel", "recording (sound file)")},
    };
    for (const auto &[key, name] : Names) {
        if (field == QLatin1String(key))
            return TextsModel::tr(name);
    }
    return field;
}
} // namespace

TextsModel::TextsModel(CourseDocument &document, QObject *parent) : QAbstractTableModel(parent), m_document(document)
{
    m_rows = rows(document.authorCourse());
    m_tags = document.authorCourse().tags();
    connect(&document, &CourseDocument::aboutToReplace, this, &TextsModel::prepare);
    connect(&document, &CourseDocument::changed, this, &TextsModel::follow);
    connect(&document, &CourseDocument::opened, this, &TextsModel::follow);
}

QList<TextsModel::Row> TextsModel::rows(const AuthorCourse &course)
{
    QList<Row> rows;
    for (const AuthorText &text : authorTextFields(course)) {
        const int screen = course.screenIndex(text.screen);
        int step = -1;
        if (screen >= 0 && !text.step.isEmpty()) {
            const auto &steps = course.screens[screen].steps;
            for (int s = 0; s < int(steps.size()); ++s)
                step = steps[s].id == text.step ? s : step;
        }
        rows << Row{text, {text.screen.isEmpty() ? -1 : screen, step}, false};
    }
    const QString narration = QStringLiteral("narration");
    for (int s = 0; s < int(course.screens.size()); ++s) {
        const AuthorScreen &screen = course.screens[s];
        rows << Row{AuthorText{screen.id + u'/' + narration, screen.id, {}, screen.narration, false}, {s, -1}, false, true};
        if (screen.sequence)
            rows << Row{AuthorText{screen.id + QStringLiteral("/sequence/") + narration, screen.id, {}, screen.sequence->narration, false},
                        {s, -1}, false, true};
        for (int t = 0; t < int(screen.steps.size()); ++t) {
            const AuthorStep &step = screen.steps[t];
            rows << Row{AuthorText{screen.id + u'/' + step.id + u'/' + narration, screen.id, step.id, step.narration, false},
                        {s, t}, false, true};
        }
    }
    for (const auto &[key, name] : Captions)
        rows << Row{AuthorText{CaptionsPrefix + QLatin1String(key), {}, {}, {}, false}, {}, true};
    return rows;
}

// Other rows or languages reset the table before the course changes; other texts only change its data.
void TextsModel::prepare(const AuthorCourse &next)
{
    m_next = rows(next);
    m_prepared = true;
    bool same = m_next.size() == m_rows.size() && next.tags() == m_tags;
    for (qsizetype i = 0; same && i < m_next.size(); ++i)
        same = m_next[i].text.context == m_rows[i].text.context;
    m_resetting = !same;
    if (m_resetting)
        beginResetModel();
}

void TextsModel::follow()
{
    if (!m_prepared) // a change no one announced: said now
        prepare(m_document.authorCourse());
    m_prepared = false;
    m_rows = std::exchange(m_next, {});
    m_tags = m_document.authorCourse().tags();
    if (std::exchange(m_resetting, false)) {
        endResetModel();
        return;
    }
    if (!m_rows.isEmpty() && !m_tags.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

CoursePlace TextsModel::placeOf(int row) const
{
    return m_rows.value(row).place;
}

int TextsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TextsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_tags.size());
}

QString TextsModel::rowName(const Row &row) const
{
    if (row.caption) {
        for (const auto &[key, name] : Captions) {
            if (row.text.context == CaptionsPrefix + QLatin1String(key))
                return tr(name);
        }
    }
    const AuthorText &t = row.text;
    // The context less the ids of its screen and step: what part of them holds the text.
    QString rest = t.context;
    for (const QString &id : {t.screen, t.step}) {
        if (!id.isEmpty() && (rest == id || rest.startsWith(id + u'/')))
            rest = rest.mid(id.size() + 1);
    }
    QString part = rest.section(u'/', 0, -2);
    QString field = rest.section(u'/', -1);
    if (t.explanation) { // an object's own text: its context ends in the object
        part = rest;
        field.clear();
    }
    // The table shows one screen and one step at a time: their ids are in the tooltip, not the name.
    QString owner = t.step.isEmpty() ? (t.screen.isEmpty() ? tr("Course") : tr("Screen")) : tr("Step");
    if (part == QLatin1String("sequence"))
        owner = tr("Sequence");
    else if (part == QLatin1String("throttle"))
        owner = tr("Throttle");
    else if (part == QLatin1String("inset"))
        owner = tr("Inset");
    return field.isEmpty() ? tr("%1: text").arg(owner) : QStringLiteral("%1: %2").arg(owner, fieldName(field));
}

QVariant TextsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_tags.size())
        return {};
    const Row &row = m_rows[index.row()];
    const QString &tag = m_tags[index.column()];
    QString text;
    bool missing = false;
    if (row.caption) {
        const AuthorLanguage *language = m_document.authorCourse().language(tag);
        const QString key = row.text.context.mid(CaptionsPrefix.size());
        text = language ? *ownCaption(language->captions, key) : QString();
        missing = text.isEmpty() && !defaultCaptions(tag);
    } else {
        text = row.text.texts.value(tag);
        // An optional text the course gives in no language is not missing, only unused.
        missing = text.isEmpty() && !row.text.texts.isEmpty();
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return text;
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignLeft | Qt::AlignTop);
    case Qt::ToolTipRole:
        if (row.narration)
            return tr("A recording of the text in %1 (a WAV or OGG file in the course's folder), played instead of "
                      "synthesised speech").arg(tag);
        if (row.caption && text.isEmpty() && !missing)
            return tr("Empty: the trainer's own caption for %1").arg(tag);
        return missing ? tr("Missing in %1").arg(tag) : QVariant();
    case ContextRole: return row.text.context;
    case PlaceRole: return QPoint(row.place.screen, row.place.step);
    case ExplanationRole: return row.text.explanation;
    case MissingRole: return missing;
    case RecordingRole: return row.narration;
    case FitRole:
        if (!row.text.explanation)
            return QString();
        return text.isEmpty() ? tr("missing") : textFitMark(text);
    default: return {};
    }
}

QVariant TextsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical && role == Qt::ToolTipRole && section < m_rows.size())
        return m_rows[section].text.context;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (orientation == Qt::Vertical)
        return section < m_rows.size() ? rowName(m_rows[section]) : QVariant();
    const AuthorLanguage *language = m_document.authorCourse().language(m_tags.value(section));
    if (!language)
        return {};
    return role == Qt::EditRole ? language->name : QStringLiteral("%1 (%2)").arg(language->name, language->tag);
}

bool TextsModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    const QString name = value.toString().trimmed();
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section >= m_tags.size() || name.isEmpty() ||
        m_document.isReadOnly())
        return false;
    m_document.undoStack().push(new LanguageEdit(m_document, m_tags[section], name));
    return true;
}

Qt::ItemFlags TextsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return m_document.isReadOnly() ? flags : flags | Qt::ItemIsEditable;
}

bool TextsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const Row &row = m_rows[index.row()];
    const QString tag = m_tags[index.column()];
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString())
        return true; // a cell left as it was is no edit
    AuthorCourse course = m_document.authorCourse();
    bool set = false;
    if (row.narration) {
        if (Texts *files = narrationOf(course, row)) {
            if (text.isEmpty())
                files->remove(tag);
            else
                files->insert(tag, text);
            set = true;
        }
    } else {
        set = row.caption ? setCaptionText(course, row.text.context, tag, text)
                          : editAuthorText(course, row.text.context, tag, text);
    }
    if (!set)
        return false;
    const QString what = row.caption ? tr("Edit caption %1 (%2)") : tr("Edit %1 (%2)");
    m_document.undoStack().push(new AuthorEdit(m_document, row.place, what.arg(rowName(row), tag), course, row.place));
    return true;
}

Texts *TextsModel::narrationOf(AuthorCourse &course, const Row &row)
{
    if (row.place.screen < 0 || row.place.screen >= int(course.screens.size()))
        return nullptr;
    AuthorScreen &screen = course.screens[row.place.screen];
    if (row.place.step >= 0)
        return row.place.step < int(screen.steps.size()) ? &screen.steps[row.place.step].narration : nullptr;
    if (row.text.context.endsWith(QLatin1String("/sequence/narration")))
        return screen.sequence ? &screen.sequence->narration : nullptr;
    return &screen.narration;
}

bool TextsModel::removeColumns(int column, int count, const QModelIndex &parent)
{
    // The course keeps at least one language.
    if (parent.isValid() || count != 1 || column < 0 || column >= m_tags.size() || m_tags.size() < 2 ||
        m_document.isReadOnly())
        return false;
    m_document.undoStack().push(new LanguageEdit(m_document, m_tags[column], {}));
    return true;
}

} // namespace kelvora
