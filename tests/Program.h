#pragma once

#include <string>
#include <vector>

// A built program run to its end, for the tests of whole programs.
struct ProgramRun {
    int status;      // the exit status; -1 when the program did not start or end
    std::string out; // its standard output and standard error, as written
};

// Runs `program` with `arguments`, each handed over whole, no shell between.
// Arguments are UTF-8 (on Linux, any bytes).
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments);

// What a program's text output ends its lines with: the C runtime writes
// "\r\n" on Windows.
extern const std::string LineEnd;
