#include "ChecksPanel.h"

#include "CourseDocument.h"

#include "Format2Check.h"
#include "course/author/AuthorCompiler.h"
#include "platform/RuntimeError.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

#include <optional>

namespace kelvora {

namespace {
constexpr int PlaceRole = Qt::UserRole;

// The course as it is in the editor, never a copy on disk: the author's folder only changes on save.
// Pictures are decoded once while their files are unchanged (PictureChecks), so a check after an edit costs
// the rules and the texts, not the photographs.
QList<CourseFinding> checkInMemory(const AuthorCourse &author, const QHash<QString, QString> &picked)
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
    findings << check.run();
    return findings;
}
} // namespace

ChecksPanel::ChecksPanel(const CourseDocument &document, QWidget *parent) : QListWidget(parent), m_document(document)
{
    setAccessibleName(tr("Checks"));
    setWordWrap(true);
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
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const QPoint place = item->data(PlaceRole).toPoint();
        if (place.x() >= 0)
            emit placeRequested({place.x(), place.y()});
    });
    connect(this, &QListWidget::itemClicked, this, &QListWidget::itemActivated);
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
        clear();
        (new QListWidgetItem(tr("Not checked in the editor: %1").arg(m_document.readOnlyReason()), this))
            ->setData(PlaceRole, QPoint(-1, -1));
        return;
    }
    m_running.setFuture(QtConcurrent::run(checkInMemory, m_document.authorCourse(), m_document.pendingFiles()));
}

CoursePlace ChecksPanel::placeOf(const CourseFinding &finding) const
{
    const QJsonArray screens = m_document.screens();
    for (int s = 0; s < screens.size(); ++s) {
        const QJsonObject screen = screens.at(s).toObject();
        if (screen.value(QStringLiteral("id")).toString() != finding.screen)
            continue;
        const QJsonArray steps = screen.value(QStringLiteral("steps")).toArray();
        for (int t = 0; t < steps.size(); ++t) {
            if (!finding.step.isEmpty() && steps.at(t).toObject().value(QStringLiteral("id")).toString() == finding.step)
                return {s, t};
        }
        return {s, -1};
    }
    return {};
}

void ChecksPanel::show(const QList<CourseFinding> &findings)
{
    clear();
    for (const CourseFinding &finding : findings) {
        auto *item = new QListWidgetItem(finding.toString(), this);
        const CoursePlace place = placeOf(finding);
        item->setData(PlaceRole, QPoint(place.screen, place.step));
    }
    if (findings.isEmpty())
        (new QListWidgetItem(tr("No problems found."), this))->setData(PlaceRole, QPoint(-1, -1));
    emit checked(int(findings.size()));
}

} // namespace kelvora
