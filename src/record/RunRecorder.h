#pragma once

#include "RunRecord.h"
#include "screens/RunObserver.h"

namespace kelvora {

class RunClock;

// Where the record of a run goes: the named file (replaced whole), else a new
// file in the folder.
struct RecordDestination {
    QString file;
    QString folder;
};

// Builds the record of the run in memory and writes it once, when the run ends.
class RunRecorder : public RunObserver {
public:
    RunRecorder(const RunClock &clock, const QString &course, const QString &trainee, const QString &mode,
                RecordDestination destination);

    void screenShown(int screen) override;
    void stepActive(int screen, int step, const QString &mark) override;
    void stepHit(int screen, int step) override;
    void missed(int screen, int step, QPointF at) override;
    void hinted(int screen, int step) override;
    void runEnded(const RunResult &result) override;
    const RunRecord *record() const { return &m_record; }

    bool hasEnded() const { return m_ended; }
    // The file the record was written to; empty until then, or if it could not be written.
    const QString &writtenPath() const { return m_writtenPath; }

private:
    StepRecord *openStep(int screen, int step);
    void write();

    const RunClock &m_clock;
    RecordDestination m_destination;
    RunRecord m_record;
    bool m_ended = false;
    QString m_writtenPath;
};

// $XDG_DATA_HOME/kelvora/records, or the platform's equivalent.
QString defaultRecordsFolder();

} // namespace kelvora
