#include "tests/Program.h"

#include <windows.h>

#include <array>

#include "file/FileSystem.h"

using namespace ZUM;

const std::string LineEnd = "\r\n";

namespace {

// One argument as the C runtime's parser reads it back: quoted, with the
// backslashes before a quote (or before the closing one) doubled.
std::wstring quoted(const std::string& utf8) {
    const PathString units = FileSystem::widePath(utf8.data(), static_cast<u32>(utf8.size()));
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (u32 i = 0; i < units.length(); ++i) {
        const wchar_t c = static_cast<wchar_t>(units[i]);
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

} // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::string name = program;
    for (char& c : name) c = c == '/' ? '\\' : c;
    std::wstring line = quoted(name);
    for (const std::string& argument : arguments) line += L" " + quoted(argument);

    ProgramRun run{-1, ""};
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE reader = nullptr, writer = nullptr;
    if (!::CreatePipe(&reader, &writer, &inherited, 0)) return run;
    ::SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writer;
    startup.hStdError = writer;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                          nullptr, &startup, &process);
    ::CloseHandle(writer);
    if (started) {
        std::array<char, 4096> buffer;
        DWORD got = 0;
        while (::ReadFile(reader, buffer.data(), buffer.size(), &got, nullptr) && got > 0)
            run.out.append(buffer.data(), got);
        DWORD status = 0;
        ::WaitForSingleObject(process.hProcess, INFINITE);
        if (::GetExitCodeProcess(process.hProcess, &status)) run.status = static_cast<int>(status);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(reader);
    return run;
}
