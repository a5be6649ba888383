#include "app/RepairJob.h"

#include "app/RepairStages.h"
#include "xml/Document.h"

RepairJob::RepairJob(const ZUM::PathString& path) : path(path) {}

RepairJob::~RepairJob() {
    delete document;
}

ResultCode RepairJob::run() {
    for (auto stage : {loadStage, stripStage, backupStage, saveStage}) {
        if (ResultCode code = stage(*this); code != Repaired) return code;
    }
    return Repaired;
}

ResultCode RepairJob::dryRun() {
    if (ResultCode code = loadStage(*this); code != Repaired) return code;
    return stripStage(*this);
}

ResultCode RepairJob::dryRunFetched() {
    if (ResultCode code = fetchStage(*this); code != Repaired) return code;
    return stripStage(*this);
}
