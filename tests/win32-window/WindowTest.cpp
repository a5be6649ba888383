// The built quorlin.exe in a real window, driven through its own window
// messages as the system would deliver a person's presses, and read back
// through the same messages.
//
// usage: quorlin-window-test QUORLIN_EXE DEMO_BOOK_DIRECTORY
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

#include "app/RepairJob.h"
#include "base/Library.h"
#include "file/FileSystem.h"

namespace {

const wchar_t* const Caption = L"Pelorin用デイジー教科書ncc.html修正プログラム Quorlin Version 1.0";
const wchar_t* const CannotOpenText = L"エラー：ファイルが開けません。";
const wchar_t* const RepairedText = L"修正が成功しました。";
constexpr int PathField = 1000, StartButton = 1, ExitButton = 2;

struct Failure {
    std::string what;
};

void check(bool condition, const std::string& what) {
    if (!condition) throw Failure{what};
}

template <typename T>
T waitFor(const std::string& what, const std::function<T()>& probe) {
    for (int i = 0; i < 300; ++i) {
        if (T found = probe()) return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    throw Failure{"timed out waiting for " + what};
}

// Arguments arrive as the Unix paths of the build; wine shows the root as Z:.
std::wstring windowsPath(const char* path) {
    std::wstring wide = L"";
    if (path[0] == '/') wide = L"Z:";
    for (const char* c = path; *c; ++c) wide.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(*c));
    return wide;
}

std::string bytesOf(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::wstring textOf(HWND window, int item) {
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(window, item, text, 1024);
    return text;
}

// The message box a dialog owns: its text and whether it shows an icon.
struct Box {
    HWND window = nullptr;
    std::wstring text;
    bool icon = false;
};

BOOL CALLBACK findBox(HWND window, LPARAM found) {
    auto* box = reinterpret_cast<std::pair<HWND, HWND>*>(found);
    wchar_t title[64] = {};
    ::GetWindowTextW(window, title, 64);
    if (::GetWindow(window, GW_OWNER) == box->first && std::wstring(title) == L"Quorlin" &&
        ::IsWindowVisible(window)) {
        box->second = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findIcon(HWND child, LPARAM found) {
    const LONG style = ::GetWindowLongW(child, GWL_STYLE);
    const bool showsIcon = (style & SS_TYPEMASK) == SS_ICON && ::IsWindowVisible(child) &&
                           ::SendMessageW(child, STM_GETICON, 0, 0);
    if (showsIcon) *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

BOOL CALLBACK findText(HWND child, LPARAM found) {
    wchar_t className[32] = {}, text[512] = {};
    ::GetClassNameW(child, className, 32);
    const LONG style = ::GetWindowLongW(child, GWL_STYLE);
    if (std::wstring(className) == L"Static" && (style & SS_TYPEMASK) != SS_ICON) {
        ::GetWindowTextW(child, text, 512);
        if (text[0]) *reinterpret_cast<std::wstring*>(found) = text;
    }
    return TRUE;
}

Box waitForBox(HWND dialog) {
    Box box;
    box.window = waitFor<HWND>("the message box", [dialog] {
        std::pair<HWND, HWND> found{dialog, nullptr};
        ::EnumWindows(findBox, reinterpret_cast<LPARAM>(&found));
        return found.second;
    });
    ::EnumChildWindows(box.window, findText, reinterpret_cast<LPARAM>(&box.text));
    ::EnumChildWindows(box.window, findIcon, reinterpret_cast<LPARAM>(&box.icon));
    return box;
}

void dismiss(const Box& box) {
    ::PostMessageW(box.window, WM_COMMAND, IDOK, 0);
    waitFor<bool>("the message box to close", [&box] { return !::IsWindow(box.window); });
}

// The control of `dialog` that has the keyboard, once the dialog is up.
HWND focusOf(HWND dialog) {
    return waitFor<HWND>("the dialog to take the keyboard", [dialog]() -> HWND {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        const DWORD thread = ::GetWindowThreadProcessId(dialog, nullptr);
        if (!::IsWindowVisible(dialog) || !::GetGUIThreadInfo(thread, &info)) return nullptr;
        return ::IsChild(dialog, info.hwndFocus) ? info.hwndFocus : nullptr;
    });
}

class Program {
public:
    explicit Program(const std::wstring& exe) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + exe + L"\"";
        check(::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process),
              "quorlin.exe does not start");
        dialog = waitFor<HWND>("the main dialog", [] { return ::FindWindowW(L"#32770", Caption); });
        focusOf(dialog); // up and taking presses
    }
    ~Program() {
        if (::WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(process.hProcess, 99);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    DWORD exitCode(const std::string& after) {
        check(::WaitForSingleObject(process.hProcess, 15000) == WAIT_OBJECT_0,
              "quorlin.exe did not end after " + after);
        DWORD code = 0;
        ::GetExitCodeProcess(process.hProcess, &code);
        return code;
    }
    void command(int id) { ::PostMessageW(dialog, WM_COMMAND, id, 0); }

    HWND dialog = nullptr;

private:
    PROCESS_INFORMATION process{};
};

// A copy of the book, and the bytes the repair must make of it, through the
// library itself.
std::string expectedRepair(const std::wstring& book) {
    const std::wstring reference = book + L".reference";
    check(::CopyFileW(book.c_str(), reference.c_str(), FALSE), "cannot copy the book");
    ZUM::startLibrary();
    const ZUM::PathString path(reinterpret_cast<const ZUM::u16*>(reference.c_str()),
                               static_cast<ZUM::u32>(reference.size()));
    check(RepairJob(path).run() == Repaired, "the library does not repair the book");
    ZUM::stopLibrary();
    return bytesOf(reference);
}

void repairThroughTheDialog(const std::wstring& exe, const std::wstring& book) {
    const std::string original = bytesOf(book);
    const std::string expected = expectedRepair(book);
    Program quorlin(exe);

    quorlin.command(StartButton);
    Box box = waitForBox(quorlin.dialog);
    check(box.text == CannotOpenText, "an empty field does not report that the file cannot be opened");
    check(box.icon, "the error shows no icon");
    dismiss(box);

    ::SetDlgItemTextW(quorlin.dialog, PathField, book.c_str());
    check(textOf(quorlin.dialog, PathField) == book, "the path field does not hold the path");
    quorlin.command(StartButton);
    box = waitForBox(quorlin.dialog);
    check(box.text == RepairedText, "the repair does not report success");
    check(!box.icon, "success shows an icon");
    dismiss(box);
    check(textOf(quorlin.dialog, PathField).empty(), "success leaves the path in the field");
    check(bytesOf(book) == expected, "the repaired file is not what the library makes");
    check(bytesOf(book + L".old") == original, "ncc.html.old is not the original");

    quorlin.command(ExitButton);
    check(quorlin.exitCode("終了") == 0, "終了 does not end the program with 0");
}

// The close box and Escape end the program as 終了 does.
void endsWithZero(const std::wstring& exe, const std::function<void(HWND)>& act, const std::string& what) {
    Program quorlin(exe);
    act(quorlin.dialog);
    check(quorlin.exitCode(what) == 0, what + " does not end the program with 0");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: quorlin-window-test QUORLIN_EXE DEMO_BOOK_DIRECTORY\n", stderr);
        return 2;
    }
    const std::wstring exe = windowsPath(argv[1]);
    wchar_t scratch[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, scratch);
    const std::wstring directory = std::wstring(scratch) + L"quorlin-window-" +
                                  std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(::GetTickCount64());
    const std::wstring book = directory + L"\\ncc.html";
    try {
        check(::CreateDirectoryW(directory.c_str(), nullptr), "cannot make the scratch directory");
        check(::CopyFileW((windowsPath(argv[2]) + L"\\ncc.html").c_str(), book.c_str(), TRUE),
              "cannot copy the demo book");
        repairThroughTheDialog(exe, book);
        endsWithZero(exe, [](HWND dialog) { ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
                     "the close box");
        endsWithZero(exe, [](HWND dialog) {
            ::PostMessageW(focusOf(dialog), WM_KEYDOWN, VK_ESCAPE, 0);
        }, "Escape");
    } catch (const Failure& failure) {
        std::fprintf(stderr, "quorlin-window-test: %s\n", failure.what.c_str());
        return 1;
    }
    for (const wchar_t* name : {L"\\ncc.html", L"\\ncc.html.old", L"\\ncc.html.reference", L"\\ncc.html.reference.old"})
        ::DeleteFileW((directory + name).c_str());
    ::RemoveDirectoryW(directory.c_str());
    std::puts("win32 window: all checks passed");
    return 0;
}
