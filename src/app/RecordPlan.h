#pragma once

#include "CommandLine.h"
#include "record/RunRecorder.h"

namespace kelvora {

class ClassroomSettings;

// Whether a run is recorded, in which mode it runs and where its record goes,
// from the command line first and the settings after it. A run is recorded when
// --trainee, --record or the check mode asks for it, or the settings do.
struct RecordPlan {
    RunMode mode = RunMode::Guided;
    bool recorded = false;
    RecordDestination destination;
    // Why the record could not go where it should: found before the run, which then does not start.
    QString problem;

    static RecordPlan make(const CommandLineOptions &options, const ClassroomSettings &settings);
};

} // namespace kelvora
