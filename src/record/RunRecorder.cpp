#include "RunRecorder.h"

#include "RecordFile.h"
#include "RunClock.h"
#include "XapiStatements.h"
#include "screens/RunState.h"
#include "course/CurrentCourse.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cstdio>

namespace kelvora {

namespace {
// "20261207-104408-alice": sorts by start time and says whose run it is.
QString recordBaseName(const RunRecord &record)
{
    QString trainee = record.trainee;
    trainee.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return record.start.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('-') + trainee;
}
} // namespace

QString defaultRecordsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kelvora/records");
}

RunRecorder::RunRecorder(const RunClock &clock, const QString &course, const QString &trainee, const QString &mode,
                         RecordDestination destination)
    : m_clock(clock), m_destination(std::move(destination))
{
    m_record.course = course;
    m_record.trainee = trainee;
    m_record.mode = mode;
    m_record.start = clock.now();
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
    // A language is chosen only once the course has loaded; before that, asking for the course could fail again.
    const CourseLanguage *language = CurrentLanguage > 0 ? currentCourse().language(CurrentLanguage) : nullptr;
    m_record.language = language ? language->tag : QString();
    m_record.result = result;
    m_record.result.screen = m_record.screens.isEmpty() ? 0 : m_record.screens.last().screen;
    write();
}

void RunRecorder::write()
{
    const QByteArray bytes = QJsonDocument(xapiStatements(m_record)).toJson();
    const RecordBody body = [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); };
    QString error;
    if (!m_destination.file.isEmpty())
        m_writtenPath = saveRecordAs(m_destination.file, body, &error) ? m_destination.file : QString();
    else
        m_writtenPath = saveNewRecord(m_destination.folder, recordBaseName(m_record), body, &error);
    if (m_writtenPath.isEmpty())
        std::fprintf(stderr, "The record of this run was not written: %s\n", qPrintable(error));
}

} // namespace kelvora
