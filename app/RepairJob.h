#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/ResultCode.h"
#include "base/TString.h"

namespace ZUM {
class Document;
}

// One repair of one ncc.html: the record its stages share. The stages run in a
// fixed order (load, strip, backup, save) and the first failure ends the run.
class RepairJob {
public:
    explicit RepairJob(const ZUM::PathString& path);
    ~RepairJob(); // deletes the document, whatever the result
    RepairJob(const RepairJob&) = delete;
    RepairJob& operator=(const RepairJob&) = delete;

    // All four stages: the file repaired in place, the original kept at ".old".
    ResultCode run();
    // Load and strip only, in memory; nothing on disk changes.
    ResultCode dryRun();
    // The same for a book on a web server, the path being its "http://" location.
    ResultCode dryRunFetched();

    ZUM::PathString path;
    ZUM::Document* document = nullptr;
    // The `name` of each meta element the strip stage removed, in UTF-8.
    std::vector<std::string> removedNames;
};
