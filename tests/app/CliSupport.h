#pragma once

#include <string>
#include <vector>

#include "tests/Program.h"

// What the command-line tests share, on every platform.
namespace cli {

inline const std::string Repaired = "修正が成功しました。";

// The built quorlin-cli run with `arguments`.
inline ProgramRun run(const std::vector<std::string>& arguments) {
    return runProgram(QUORLIN_CLI, arguments);
}

// The line the program writes for a path.
inline std::string line(const std::string& path, const std::string& message) {
    return path + ": " + message + LineEnd;
}

inline std::string book(const std::string& meta) {
    return "<?xml version=\"1.0\"?><html><head><meta name=\"" + meta + "\"/></head><body/></html>";
}

} // namespace cli
