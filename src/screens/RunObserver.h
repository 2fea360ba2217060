#pragma once

#include "RunResult.h"

#include <QPointF>
#include <QString>

namespace kelvora {

// What the screens tell about a run as it happens. The default observer
// ignores everything; the trainer gives its run a RunRecorder. Calls only note what
// happened in memory, so a press never waits for the disk.
class RunObserver {
public:
    virtual ~RunObserver() = default;

    virtual void screenShown(int /*screen*/) {}
    // Steps are numbered in their order on the screen, from 1.
    virtual void stepActive(int /*screen*/, int /*step*/, const QString & /*mark*/) {}
    virtual void stepHit(int /*screen*/, int /*step*/) {}
    virtual void missed(int /*screen*/, int /*step*/, QPointF /*at*/) {}
    virtual void hinted(int /*screen*/, int /*step*/) {}
    // The first end counts; later ones change nothing.
    virtual void runEnded(const RunResult & /*result*/) {}

    // Records are on and no trainee was named: the start screen asks for the name.
    virtual bool wantsTraineeName() const { return false; }
    virtual void traineeNamed(const QString & /*name*/) {}
};

} // namespace kelvora
