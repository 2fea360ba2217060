#pragma once

#include "RunRecord.h"
#include "course/SourceMap.h"
#include "screens/RunObserver.h"

namespace kelvora {

class RunClock;

// Where the record of a run goes: the named file (replaced whole), else a new
// file in the folder; and a new file in the outbox where records are also sent
// to a learning record store.
struct RecordDestination {
    QString file;
    QString folder;
    QString outbox;
};

struct Course;

// Builds the record of the run in memory and writes it once, when the run ends.
class RunRecorder : public RunObserver {
public:
    // An empty trainee is asked for on the start screen. The course is named by
    // its folder until describeCourse() gives its id, title and screen names.
    RunRecorder(const RunClock &clock, const QString &course, const QString &trainee, const QString &mode,
                RecordDestination destination, const QString &homePage = {});

    void describeCourse(const Course &course);
    void setPassMark(double mark) { m_record.passMark = mark; }

    void screenShown(int screen) override;
    void stepActive(int screen, int step, const QString &mark) override;
    void stepHit(int screen, int step) override;
    void missed(int screen, int step, QPointF at) override;
    void hinted(int screen, int step) override;
    void runEnded(const RunResult &result) override;
    const RunRecord *record() const { return &m_record; }
    bool wantsTraineeName() const override { return m_record.trainee.isEmpty(); }
    void traineeNamed(const QString &name) override;

    bool hasEnded() const { return m_ended; }
    // The file the record was written to; empty until then, or if it could not be written.
    const QString &writtenPath() const { return m_writtenPath; }
    // The run has ended and its record could not be written everywhere it should go.
    bool failed() const { return m_failed; }

private:
    StepRecord *openStep(int screen, int step);
    void write();

    const RunClock &m_clock;
    RecordDestination m_destination;
    RunRecord m_record;
    SourceMap m_source; // the author's ids of the course's steps
    bool m_ended = false;
    QString m_writtenPath;
    bool m_failed = false;
};

// $XDG_DATA_HOME/kelvora/records, or the platform's equivalent.
QString defaultRecordsFolder();
// $XDG_DATA_HOME/kelvora/outbox: records not yet taken by the learning record store.
QString defaultOutboxFolder();

} // namespace kelvora
