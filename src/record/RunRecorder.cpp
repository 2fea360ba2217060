#include "RunRecorder.h"

#include "RecordFile.h"
#include "RecordOptions.h"
#include "RunClock.h"
#include "XapiStatements.h"
#include "course/Course.h"
#include "screens/RunState.h"
#include "platform/SignalQuit.h"

#include <QJsonDocument>
#include <QStandardPaths>
#include <cstdio>

namespace kelvora {

QString defaultRecordsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kelvora/records");
}

QString defaultOutboxFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kelvora/outbox");
}

RunRecorder::RunRecorder(const RunClock &clock, const QString &course, const QString &trainee, const QString &mode,
                         RecordDestination destination, const QString &homePage)
    : m_clock(clock), m_destination(std::move(destination))
{
    m_record.course = course;
    m_record.courseId = xapi::courseId(course);
    m_record.homePage = homePage;
    m_record.trainee = trainee;
    m_record.mode = mode;
    m_record.start = clock.now();
}

void RunRecorder::describeCourse(const Course &course)
{
    if (!course.id.isEmpty())
        m_record.courseId = course.id;
    if (!course.title.isEmpty())
        m_record.course = course.title;
    m_record.screenNames.clear();
    for (const LessonDesign &screen : course.screens)
        m_record.screenNames << screen.name;
    m_source = course.source;
    m_record.courseTitles = m_source.courseTitles;
    m_record.screenIds.clear();
    m_record.screenTitles.clear();
    for (const SourceScreen &screen : m_source.screens) {
        m_record.screenIds << screen.id;
        m_record.screenTitles << screen.titles;
    }
}

void RunRecorder::traineeNamed(const QString &name)
{
    if (!m_ended)
        m_record.trainee = name;
}

void RunRecorder::screenShown(int screen)
{
    if (m_ended)
        return;
    const QDateTime now = m_clock.now();
    if (!m_record.screens.isEmpty())
        m_record.screens.last().left = now;
    m_record.screens.append({screen, now, now, {}});
}

StepRecord *RunRecorder::openStep(int screen, int step)
{
    for (ScreenRecord &shown : m_record.screens) {
        if (shown.screen != screen)
            continue;
        for (StepRecord &record : shown.steps) {
            if (record.step == step && !record.hit.isValid())
                return &record;
        }
    }
    return nullptr;
}

void RunRecorder::stepActive(int screen, int step, const QString &mark)
{
    if (m_ended || m_record.screens.isEmpty() || openStep(screen, step))
        return;
    ScreenRecord &shown = m_record.screens.last();
    if (shown.screen != screen)
        return;
    StepRecord record;
    record.step = step;
    record.mark = mark;
    if (const SourcePlace *place = m_source.place(screen, mark))
        record.id = place->id;
    record.active = m_clock.now();
    shown.steps.append(record);
}

void RunRecorder::stepHit(int screen, int step)
{
    if (StepRecord *record = m_ended ? nullptr : openStep(screen, step))
        record->hit = m_clock.now();
}

void RunRecorder::missed(int screen, int step, QPointF at)
{
    if (StepRecord *record = m_ended ? nullptr : openStep(screen, step))
        record->misses.append(at);
}

void RunRecorder::hinted(int screen, int step)
{
    if (StepRecord *record = m_ended ? nullptr : openStep(screen, step))
        ++record->hints;
}

void RunRecorder::runEnded(const RunResult &result)
{
    if (m_ended)
        return;
    m_ended = true;
    m_record.end = m_clock.now();
    if (!m_record.screens.isEmpty())
        m_record.screens.last().left = m_record.end;
    m_record.language = result.language;
    m_record.result = result;
    m_record.result.screen = m_record.screens.isEmpty() ? 0 : m_record.screens.last().screen;
    // Left on the start screen before a name was typed: the login is all there is to go by.
    if (m_record.trainee.isEmpty())
        m_record.trainee = loginName();
    write();
}

void RunRecorder::write()
{
    // Made once: the file and the store get the same statement ids, so a repeated send changes nothing.
    const QByteArray bytes = QJsonDocument(xapiStatements(m_record)).toJson();
    const QString baseName = recordBaseName(m_record.start, m_record.trainee);
    const auto report = [this](const QString &error) {
        m_failed = true;
        std::fprintf(stderr, "The record of this run was not written: %s\n", qPrintable(error));
    };
    // A second signal to end, as timeout sends it, waits until the record is in place.
    const FinalWrite holding;
    QString error;
    if (!m_destination.file.isEmpty())
        m_writtenPath = saveRecordAs(m_destination.file, bytes, &error) ? m_destination.file : QString();
    else if (!m_destination.folder.isEmpty())
        m_writtenPath = saveNewRecord(m_destination.folder, baseName, bytes, &error);
    if (m_writtenPath.isEmpty() && !error.isEmpty())
        report(error);
    if (!m_destination.outbox.isEmpty() && saveNewRecord(m_destination.outbox, baseName, bytes, &error).isEmpty())
        report(error);
}

} // namespace kelvora
