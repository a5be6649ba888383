#include "app/BatchRepair.h"

#include "app/BookFinder.h"
#include "app/BookRestore.h"
#include "app/OrderedPool.h"
#include "app/RepairJob.h"
#include "app/ReportFormat.h"
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

std::string textOf(ResultCode code) {
    const Utf8String message = resultMessage(code);
    return std::string(message.data(), message.length());
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
            for (std::string& book : BookFinder::find(path, options.restore))
                paths.push_back(std::move(book));
        } else {
            paths.push_back(path);
        }
    }
    return paths;
}

int BatchRepair::run() {
    const std::vector<std::string> paths = collectPaths();
    showing = !options.json && paths.size() > 1 && Console::isTerminal(progress);
    if (showing && !paths.empty()) showProgress(0, paths.size(), paths[0]);
    int status = 0;
    OrderedPool<BookReport>::run(
        paths.size(), options.jobs, [&](std::size_t i) { return process(paths[i]); },
        [&](std::size_t i, BookReport& done) {
            report(done);
            if (done.code != 0 && status == 0) status = static_cast<int>(done.code);
            if (showing && i + 1 < paths.size()) showProgress(i + 1, paths.size(), paths[i + 1]);
        });
    if (showing) Console::write(progress, ClearLine);
    return status;
}

// One path's work, whatever it raises: the other paths go on.
BookReport BatchRepair::process(const std::string& path) const noexcept {
    try {
        return options.restore ? BookRestore::run(path, options.dryRun) : repairOne(path);
    } catch (...) {
        BookReport failed;
        try {
            failed.path = path;
            failed.message = "internal failure; the original is at the path or at its .old";
        } catch (...) {
        }
        failed.code = InternalFailure;
        return failed;
    }
}

BookReport BatchRepair::repairOne(const std::string& path) const {
    RepairJob job(pathOf(path));
    if (!options.prefixes.empty()) job.namePrefixes = options.prefixes;
    job.updateCharset = options.updateCharset;
    const ResultCode code = !options.dryRun       ? job.run()
                            : isWebLocation(path) ? job.dryRunFetched()
                                                  : job.dryRun();
    BookReport report;
    report.path = path;
    report.code = code;
    report.message = textOf(code);
    report.names = std::move(job.removedNames);
    if (options.dryRun && code == Repaired) {
        const std::size_t count = report.names.size();
        report.message =
            std::to_string(count) + " meta element" + (count == 1 ? "" : "s") + " to remove";
        report.listNames = true;
    }
    return report;
}

void BatchRepair::report(const BookReport& done) {
    if (options.quiet && done.code == 0) return;
    if (showing) Console::write(progress, ClearLine);
    Console::write(out, options.json ? ReportFormat::json(done) : ReportFormat::text(done));
    std::fflush(out);
}

void BatchRepair::showProgress(std::size_t done, std::size_t total, const std::string& path) {
    Console::write(progress, ClearLine + ("[" + std::to_string(done + 1) + "/" +
                                          std::to_string(total) + "] " + path));
    std::fflush(progress);
}
