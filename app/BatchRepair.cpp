#include "app/BatchRepair.h"

#include "app/BookFinder.h"
#include "app/RepairJob.h"
#include "file/Console.h"
#include "file/FileSystem.h"
#include "http/Location.h"

using namespace ZUM;

namespace {

// Back to the start of the terminal's line, and clear it.
constexpr char ClearLine[] = "\r\033[K";

PathString pathOf(const std::string& native) {
    return FileSystem::widePath(native.data(), static_cast<u32>(native.size()));
}

bool isDirectory(const std::string& path) {
    return FileSystem::attributesOf(pathOf(path)).directory;
}

} // namespace

bool BatchRepair::isWebLocation(const std::string& path) {
    Location location;
    location.split(Utf8String(path.data(), static_cast<u32>(path.size())));
    return location.kind == Location::Http;
}

BatchRepair::BatchRepair(const CommandLine& options, std::FILE* out, std::FILE* progress)
    : options(options), out(out), progress(progress) {}

std::vector<std::string> BatchRepair::collectPaths() const {
    std::vector<std::string> paths;
    for (const std::string& path : options.paths) {
        if (options.recursive && isDirectory(path)) {
            for (std::string& book : BookFinder::find(path)) paths.push_back(std::move(book));
        } else {
            paths.push_back(path);
        }
    }
    return paths;
}

int BatchRepair::run() {
    const std::vector<std::string> paths = collectPaths();
    showing = paths.size() > 1 && Console::isTerminal(progress);
    int status = 0;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (showing) showProgress(i, paths.size(), paths[i]);
        const ResultCode code = repairOne(paths[i]);
        if (code != Repaired && status == 0) status = static_cast<int>(code);
    }
    if (showing) Console::write(progress, ClearLine);
    return status;
}

ResultCode BatchRepair::repairOne(const std::string& path) {
    RepairJob job(pathOf(path));
    const ResultCode code = !options.dryRun       ? job.run()
                            : isWebLocation(path) ? job.dryRunFetched()
                                                  : job.dryRun();
    report(path, code, job.removedNames);
    return code;
}

void BatchRepair::report(const std::string& path, ResultCode code,
                         const std::vector<std::string>& names) {
    if (options.quiet && code == Repaired) return;
    if (showing) Console::write(progress, ClearLine);
    std::string lines = path + ": ";
    if (options.dryRun && code == Repaired) {
        lines += std::to_string(names.size()) + " meta element" + (names.size() == 1 ? "" : "s") +
                 " to remove\n";
        for (const std::string& name : names) lines += "  " + name + "\n";
    } else {
        const Utf8String message = resultMessage(code);
        lines += std::string(message.data(), message.length()) + "\n";
    }
    Console::write(out, lines);
    std::fflush(out);
}

void BatchRepair::showProgress(std::size_t done, std::size_t total, const std::string& path) {
    Console::write(progress, ClearLine + ("[" + std::to_string(done + 1) + "/" +
                                          std::to_string(total) + "] " + path));
    std::fflush(progress);
}
