#include "app/RepairJob.h"

#include "app/RepairStages.h"
#include "encoding/EncodingRegistry.h"
#include "xml/Document.h"

using namespace ZUM;

namespace {

using Stage = ResultCode (*)(RepairJob&);

struct StageStep {
    Stage stage;
    ResultCode failure; // the code when the stage raises
};

// The first stage that does not succeed ends the run.
ResultCode runStages(RepairJob& job, std::initializer_list<StageStep> steps) {
    for (const StageStep& step : steps) {
        ResultCode code;
        try {
            code = step.stage(job);
        } catch (...) {
            code = step.failure;
        }
        if (code != Repaired) return code;
    }
    return Repaired;
}

ResultCode noStage(RepairJob&) {
    return Repaired;
}

} // namespace

RepairJob::RepairJob(const PathString& path) : path(path) {}

RepairJob::~RepairJob() {
    delete document;
}

PathString RepairJob::backupPathOf(const PathString& path) {
    const Utf8String suffix(".old");
    Utf16String wide;
    convertToUtf16String(Utf8, Utf16N, &suffix, wide);
    PathString backup(path);
    backup.append(wide);
    return backup;
}

ResultCode RepairJob::run() {
    const ResultCode code = runUntilFlush();
    return code == Repaired ? flush() : code;
}

ResultCode RepairJob::runUntilFlush() {
    const ResultCode code = runStages(*this, {{loadStage, NotXml},
                                              {stripStage, NotAnNcc},
                                              {updateCharset ? relabelStage : noStage, NotAnNcc},
                                              {backupStage, CannotRename},
                                              {writeStage, CannotSave}});
    delete document;
    document = nullptr;
    return code;
}

ResultCode RepairJob::flush() {
    return runStages(*this, {{flushStage, CannotSave}});
}

ResultCode RepairJob::dryRun() {
    return runStages(*this, {{loadStage, NotXml}, {stripStage, NotAnNcc}});
}

ResultCode RepairJob::dryRunFetched() {
    return runStages(*this, {{fetchStage, NotXml}, {stripStage, NotAnNcc}});
}
