// Fuzz target for whole repairs on disk: any bytes are written as an
// ncc.html in a directory under /dev/shm and repaired with all four stages.
// Beyond not crashing, two promises are checked and a breach aborts:
// - the book is never lost: afterwards the input's bytes are at the path or
//   at the path with ".old";
// - a repair is faithful: repairing the repaired file again succeeds and
//   writes the very same bytes.
// Built by the "fuzz" preset; run as:
// build/fuzz/repair-fuzzer -max_total_time=600 CORPUS_DIR
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/RepairJob.h"
#include "base/Library.h"
#include "encoding/EncodingRegistry.h"

using namespace ZUM;

namespace {

const std::string& bookPath() {
    static const std::string path = [] {
        std::string directory = "/dev/shm/quorlin-fuzz-" + std::to_string(::getpid());
        std::filesystem::create_directories(directory);
        return directory + "/ncc.html";
    }();
    return path;
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

ResultCode repair(const std::string& path) {
    const Utf8String bytes(path.data(), static_cast<u32>(path.size()));
    PathString wide;
    convertToUtf16String(Utf8N, Utf16N, &bytes, wide);
    return RepairJob(wide).run();
}

void require(bool promise, const char* what) {
    if (promise) return;
    std::fprintf(stderr, "repair-fuzzer: broken promise: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = startLibrary();
    if (!started || size > (1u << 16)) return 0;
    const std::string& path = bookPath();
    const std::string old = path + ".old";
    std::filesystem::remove_all(old);
    write(path, data, size);
    const std::string input(reinterpret_cast<const char*>(data), size);

    const ResultCode result = repair(path);
    require(contents(path) == input || contents(old) == input, "the input's bytes are gone");
    if (result != Repaired) return 0;

    const std::string repaired = contents(path);
    require(repair(path) == Repaired, "the repaired file does not repair again");
    require(contents(path) == repaired, "a second repair changed the repaired file");
    return 0;
}
