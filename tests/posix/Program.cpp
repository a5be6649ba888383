#include "tests/Program.h"

#include <array>
#include <sys/wait.h>
#include <unistd.h>

const std::string LineEnd = "\n";

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    int pipe[2];
    ProgramRun run{-1, ""};
    if (::pipe(pipe) != 0) return run;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipe[1], STDOUT_FILENO);
        ::dup2(pipe[1], STDERR_FILENO);
        ::close(pipe[0]);
        ::close(pipe[1]);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipe[1]);
    std::array<char, 4096> buffer;
    for (ssize_t n; (n = ::read(pipe[0], buffer.data(), buffer.size())) > 0;)
        run.out.append(buffer.data(), static_cast<std::size_t>(n));
    ::close(pipe[0]);
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}
