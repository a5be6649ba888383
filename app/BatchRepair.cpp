#include "app/BatchRepair.h"

#include "app/BookFinder.h"
#include "app/BookRestore.h"
#include "app/OrderedPool.h"
#include "app/ReportFormat.h"
#include "base/RawMemory.h"
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

std::string textOf(ResultCode code) {
    const Utf8String message = resultMessage(code);
    return std::string(message.data(), message.length());
}

// The report of a path whose work raised where nothing could catch it.
void failInternally(BookReport& report) noexcept {
    try {
        report.message = "internal failure; the original is at the path or at its .old";
    } catch (...) {
    }
    report.code = BatchRepair::InternalFailure;
}

} // namespace

bool BatchRepair::isWebLocation(const std::string& path) {
    Location location;
    location.split(Utf8String(path.data(), static_cast<u32>(path.size())));
    return location.kind == Location::Http;
}

BatchRepair::BatchRepair(const CommandLine& options, std::FILE* out, std::FILE* progress)
    : options(options), out(out), progress(progress) {}

std::vector<BatchRepair::Target> BatchRepair::collectTargets() const {
    std::vector<Target> targets;
    for (const std::string& given : options.paths) {
        Target target{pathOf(given), isWebLocation(given)};
        if (options.recursive && FileSystem::attributesOf(target.path).directory) {
            for (PathString& book : BookFinder::find(target.path, options.restore))
                targets.push_back({std::move(book)});
        } else {
            targets.push_back(std::move(target));
        }
    }
    return targets;
}

int BatchRepair::run() {
    const std::vector<Target> targets = collectTargets();
    const std::size_t count = targets.size();
    showing = !options.json && count > 1 && Console::isTerminal(progress);
    if (count > 1) keepFreedMemory();
    if (showing) showProgress(0, count, targets[0].path);
    int status = 0;
    OrderedPool<Outcome>::run(
        count, options.jobs, FlushingThreads, [&](std::size_t i) { return process(targets[i]); },
        flush,
        [&](std::size_t i, Outcome& outcome) {
            const BookReport& done = outcome.report;
            report(done);
            if (done.code != 0 && status == 0) status = static_cast<int>(done.code);
            if (showing && i + 1 < count) showProgress(i + 1, count, targets[i + 1].path);
        });
    if (showing) Console::write(progress, ClearLine);
    return status;
}

// One path's work, whatever it raises: the other paths go on.
BatchRepair::Outcome BatchRepair::process(const Target& target) const noexcept {
    try {
        if (!options.restore) return repairOne(target);
        Outcome restored;
        restored.report = BookRestore::run(target.path, options.dryRun);
        return restored;
    } catch (...) {
        Outcome failed;
        try {
            failed.report.path = target.path;
        } catch (...) {
        }
        failInternally(failed.report);
        return failed;
    }
}

BatchRepair::Outcome BatchRepair::repairOne(const Target& target) const {
    auto job = std::make_unique<RepairJob>(target.path);
    if (!options.prefixes.empty()) job->namePrefixes = options.prefixes;
    job->updateCharset = options.updateCharset;
    const ResultCode code = !options.dryRun       ? job->runUntilFlush()
                            : target.web ? job->dryRunFetched()
                                                  : job->dryRun();
    Outcome outcome;
    BookReport& report = outcome.report;
    report.path = target.path;
    report.code = code;
    report.message = textOf(code);
    report.names = std::move(job->removedNames);
    if (options.dryRun && code == Repaired) {
        const std::size_t count = report.names.size();
        report.message =
            std::to_string(count) + " meta element" + (count == 1 ? "" : "s") + " to remove";
        report.listNames = true;
    }
    if (!options.dryRun && code == Repaired) outcome.unflushed = std::move(job);
    return outcome;
}

// A saved book is reported only once it is on the disk.
void BatchRepair::flush(Outcome& outcome) noexcept {
    if (!outcome.unflushed) return;
    const ResultCode code = outcome.unflushed->flush();
    outcome.unflushed.reset();
    if (code == Repaired) return;
    try {
        outcome.report.message = textOf(code);
        outcome.report.code = code;
    } catch (...) {
        failInternally(outcome.report);
    }
}

void BatchRepair::report(const BookReport& done) {
    if (options.quiet && done.code == 0) return;
    if (showing) Console::write(progress, ClearLine);
    Console::write(out, options.json ? ReportFormat::json(done) : ReportFormat::text(done));
    std::fflush(out);
}

void BatchRepair::showProgress(std::size_t done, std::size_t total, const PathString& path) {
    Console::write(progress, ClearLine + ("[" + std::to_string(done + 1) + "/" +
                                          std::to_string(total) + "] " + ReportFormat::narrow(path)));
    std::fflush(progress);
}
