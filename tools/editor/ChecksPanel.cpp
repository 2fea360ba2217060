#include "ChecksPanel.h"

#include "CourseDocument.h"

#include "Format2Check.h"
#include "course/author/AuthorCompiler.h"
#include "platform/RuntimeError.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

#include <optional>
#include <utility>

namespace kelvora {

namespace {

// The course as it is in the editor, never a copy on disk: the author's folder only changes on save.
// Pictures are decoded once while their files are unchanged (PictureChecks), so a check after an edit costs
// the rules and the texts, not the photographs.
QList<CourseFinding> checkInMemory(const AuthorCourse &author, const QHash<QString, QString> &picked, bool keyboard)
{
    QList<CourseFinding> findings;
    std::optional<Course> compiled;
    try {
        compiled = compileAuthorCourse(author);
    } catch (const RuntimeError &) {
        // the validation says why
    }
    Format2Check check(author, compiled ? &*compiled : nullptr);
    check.setFilesElsewhere(picked);
    check.setKeyboard(keyboard);
    findings << check.run();
    return findings;
}
} // namespace

void ChecksModel::setRows(QList<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

CourseFinding ChecksModel::findingAt(const QModelIndex &index) const
{
    return index.isValid() && index.row() < m_rows.size() ? m_rows[index.row()].finding : CourseFinding{};
}

int ChecksModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ChecksModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return row.text;
    case NoteRole: return row.finding.note;
    default: return {};
    }
}

ChecksPanel::ChecksPanel(const CourseDocument &document, QWidget *parent)
    : QListView(parent), m_document(document), m_findings(new ChecksModel(this))
{
    setAccessibleName(tr("Checks"));
    setWordWrap(true);
    setUniformItemSizes(false);
    setEditTriggers(NoEditTriggers);
    setModel(m_findings);
    m_delay.setSingleShot(true);
    m_delay.setInterval(400);
    connect(&m_delay, &QTimer::timeout, this, &ChecksPanel::recheckNow);
    connect(&m_running, &QFutureWatcher<QList<CourseFinding>>::finished, this, [this] {
        show(m_running.result());
        m_checking = false;
        if (m_pending) {
            m_pending = false;
            recheckNow();
        }
    });
    const auto lead = [this](const QModelIndex &index) {
        const CoursePlace place = placeOf(m_findings->findingAt(index));
        if (place.screen >= 0)
            emit placeRequested(place);
    };
    connect(this, &QListView::activated, this, lead);
    connect(this, &QListView::clicked, this, lead);
}

QStringList ChecksPanel::texts() const
{
    QStringList texts;
    for (int r = 0; r < m_findings->rowCount(); ++r)
        texts << m_findings->index(r).data().toString();
    return texts;
}

ChecksPanel::~ChecksPanel()
{
    m_running.waitForFinished();
}

void ChecksPanel::recheck()
{
    m_delay.start();
}

void ChecksPanel::recheckNow()
{
    m_delay.stop();
    if (m_checking) {
        m_pending = true;
        return;
    }
    m_checking = true;
    if (m_document.isReadOnly()) { // a format 1 course: the command-line checker's
        m_checking = false;
        m_findings->setRows({{tr("Not checked in the editor: %1").arg(m_document.readOnlyReason()), {}}});
        return;
    }
    m_running.setFuture(QtConcurrent::run(checkInMemory, m_document.authorCourse(), m_document.pendingFiles(), m_keyboard));
}

void ChecksPanel::setKeyboard(bool keyboard)
{
    if (keyboard == m_keyboard)
        return;
    m_keyboard = keyboard;
    recheck();
}

CoursePlace ChecksPanel::placeOf(const CourseFinding &finding) const
{
    const auto &screens = m_document.authorCourse().screens;
    for (int s = 0; s < int(screens.size()) && !finding.screen.isEmpty(); ++s) {
        if (screens[s].id != finding.screen)
            continue;
        const auto &steps = screens[s].steps;
        for (int t = 0; t < int(steps.size()); ++t) {
            if (!finding.step.isEmpty() && steps[t].id == finding.step)
                return {s, t};
        }
        return {s, -1};
    }
    return {};
}

void ChecksPanel::show(const QList<CourseFinding> &findings)
{
    QList<ChecksModel::Row> rows;
    for (const CourseFinding &finding : findings)
        rows.append({finding.toString(), finding});
    if (findings.isEmpty())
        rows.append({tr("No problems found."), {}});
    m_findings->setRows(std::move(rows));
    emit checked(int(findings.size()));
}

} // namespace kelvora
