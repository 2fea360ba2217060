#include "ChecksPanel.h"

#include "CourseDocument.h"

#include "Format2Check.h"
#include "course/author/AuthorCompiler.h"
#include "course/author/AuthorReader.h"
#include "platform/RuntimeError.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

#include <optional>

namespace kelvora {

namespace {
constexpr int PlaceRole = Qt::UserRole;

// The course as it is in the editor, never a copy on disk: the author's folder only changes on save.
QList<CourseFinding> checkInMemory(const QJsonObject &course, const QString &file, const QHash<QString, QString> &picked)
{
    QList<CourseFinding> findings;
    AuthorCourse author;
    try {
        author = readAuthorCourse(course, file);
    } catch (const RuntimeError &error) {
        return {CourseFinding{{}, {}, {}, courseLoadProblem(error, file)}};
    }
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
    m_running.setFuture(QtConcurrent::run(checkInMemory, m_document.course(), m_document.file(), m_document.pendingFiles()));
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
