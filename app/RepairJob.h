#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/ResultCode.h"
#include "base/TString.h"
#include "file/FileOFlow.h"

namespace ZUM {
class Document;
}

// One repair of one ncc.html: the record its stages share. The stages run in a
// fixed order (load, strip, backup, save) and the first failure ends the run.
class RepairJob {
public:
    // The prefix of the meta names a repair removes unless told others.
    static constexpr const char* DefaultNamePrefix = "vorka:";

    explicit RepairJob(const ZUM::PathString& path);
    ~RepairJob(); // deletes the document, whatever the result
    RepairJob(const RepairJob&) = delete;
    RepairJob& operator=(const RepairJob&) = delete;

    // All the stages: the file repaired in place, the original kept at ".old".
    // A stage that raises (memory exhausted) fails with its own stage's code,
    // so the book is in one of the states that code stands for.
    ResultCode run();
    // run() in two steps, so that a batch can repair its next book while the
    // disk takes this one: every stage up to the save, which leaves the new
    // file written and open, and the tree freed; then the flush, which puts
    // the file and its name on the disk. Repaired from the first means only
    // that the flush is due.
    ResultCode runUntilFlush();
    ResultCode flush();
    // Load and strip only, in memory; nothing on disk changes.
    ResultCode dryRun();
    // The same for a book on a web server, the path being its "http://" location.
    ResultCode dryRunFetched();

    // Where the original of the book at `path` is kept: the path with ".old".
    static ZUM::PathString backupPathOf(const ZUM::PathString& path);

    ZUM::PathString path;
    ZUM::Document* document = nullptr;
    // The new file, from the save until the flush closes it.
    std::optional<ZUM::FileOFlow> saved;
    // A meta child of head is removed when its name begins with one of these
    // (UTF-8, compared byte for byte).
    std::vector<std::string> namePrefixes{DefaultNamePrefix};
    // Whether the saved book's charset labels are set to say UTF-8.
    bool updateCharset = false;
    // The `name` of each meta element the strip stage removed, in UTF-8.
    std::vector<std::string> removedNames;
};
