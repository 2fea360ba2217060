#include "RecordPlan.h"

#include "record/ClassroomSettings.h"
#include "record/RecordFile.h"

namespace kelvora {

RecordPlan RecordPlan::make(const CommandLineOptions &options, const ClassroomSettings &settings)
{
    RecordPlan plan;
    plan.mode = options.mode.value_or(settings.mode.value_or(RunMode::Guided));
    plan.recorded = !options.trainee.isEmpty() || !options.recordFile.isEmpty() || plan.mode == RunMode::Check ||
                    settings.records || settings.store.isSet();
    if (!plan.recorded)
        return plan;
    if (!options.recordFile.isEmpty()) {
        plan.destination.file = options.recordFile;
        plan.problem = recordFileProblem(options.recordFile);
    } else {
        plan.destination.folder = settings.recordsFolder.isEmpty() ? defaultRecordsFolder() : settings.recordsFolder;
        plan.problem = recordFolderProblem(plan.destination.folder);
        recoverPartFiles(plan.destination.folder);
    }
    if (settings.store.isSet()) {
        plan.destination.outbox = defaultOutboxFolder();
        if (plan.problem.isEmpty())
            plan.problem = recordFolderProblem(plan.destination.outbox);
        recoverPartFiles(plan.destination.outbox);
    }
    return plan;
}

} // namespace kelvora
