#include "win32/ui/Win32Toolkit.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <utility>
#include <vector>

#include "app/ui/DialogTemplate.h"
#include "app/ui/EntryValues.h"
#include "win32/ui/DialogTemplateBytes.h"

namespace {

HWND hwndOf(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

WindowHandle handleOf(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

const wchar_t* wide(const ZUM::Utf16String& text) {
    return reinterpret_cast<const wchar_t*>(const_cast<ZUM::Utf16String&>(text).terminate());
}

const wchar_t* wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

ZUM::Utf16String textOf(const wchar_t* units, std::size_t count) {
    return ZUM::Utf16String(reinterpret_cast<const ZUM::u16*>(units), static_cast<ZUM::u32>(count));
}

// What the dialog procedure needs until WM_INITDIALOG binds the window.
struct Creation {
    DialogProcedure procedure;
    std::intptr_t parameter;
};

constexpr const wchar_t* ProcedureProperty = L"QuorlinDialogProcedure";

// Every dialog's procedure: it hands each message to the framework's
// procedure, which is kept as a window property from WM_INITDIALOG on.
INT_PTR CALLBACK dialogThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const Creation* creation = reinterpret_cast<const Creation*>(lParam);
        ::SetPropW(window, ProcedureProperty, reinterpret_cast<HANDLE>(creation->procedure));
        return creation->procedure(handleOf(window), message, wParam, creation->parameter);
    }
    auto procedure = reinterpret_cast<DialogProcedure>(::GetPropW(window, ProcedureProperty));
    if (message == WM_NCDESTROY) ::RemovePropW(window, ProcedureProperty);
    return procedure ? procedure(handleOf(window), message, wParam, lParam) : FALSE;
}

// The icon of the program's resources, in the title bar and the task switcher.
void setProgramIcon(HWND window) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    for (auto [size, kind] : {std::pair{SM_CXSMICON, ICON_SMALL}, std::pair{SM_CXICON, ICON_BIG}}) {
        const int pixels = ::GetSystemMetrics(size);
        HANDLE icon = ::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, pixels, pixels, LR_SHARED);
        if (icon) ::SendMessageW(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    }
}

} // namespace

Win32Toolkit::Win32Toolkit() {
    const INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
}

WindowHandle Win32Toolkit::createDialog(const ZUM::Utf16String& templateName, WindowHandle parent,
                                        DialogProcedure procedure, std::intptr_t parameter) {
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateName);
    if (!dialogTemplate) return nullptr;
    const std::vector<std::uint16_t> bytes = dialogTemplateBytes(*dialogTemplate);
    Creation creation{procedure, parameter};
    HWND window = ::CreateDialogIndirectParamW(
        static_cast<HINSTANCE>(entryValues.instance),
        reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), hwndOf(parent), dialogThunk,
        reinterpret_cast<LPARAM>(&creation));
    if (!window) return nullptr;
    ::DragAcceptFiles(window, TRUE);
    setProgramIcon(window);
    return handleOf(window);
}

void Win32Toolkit::showWindow(WindowHandle window) {
    ::ShowWindow(hwndOf(window), SW_SHOWNORMAL);
}

WindowHandle Win32Toolkit::desktopWindow() {
    return handleOf(::GetDesktopWindow());
}

WindowRect Win32Toolkit::windowRect(WindowHandle window) {
    RECT rect{};
    ::GetWindowRect(hwndOf(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Toolkit::moveWindow(WindowHandle window, int x, int y) {
    ::SetWindowPos(hwndOf(window), nullptr, x, y, 0, 0, SWP_NOSIZE);
}

// The length is asked first: the text is read whole, however long.
ZUM::Utf16String Win32Toolkit::itemText(WindowHandle dialog, int itemId) {
    HWND item = ::GetDlgItem(hwndOf(dialog), itemId);
    if (!item) return ZUM::Utf16String();
    std::vector<wchar_t> units(static_cast<std::size_t>(::GetWindowTextLengthW(item)) + 1);
    const UINT count = ::GetDlgItemTextW(hwndOf(dialog), itemId, units.data(),
                                         static_cast<int>(units.size()));
    return textOf(units.data(), count);
}

void Win32Toolkit::setItemText(WindowHandle dialog, int itemId, const ZUM::Utf16String& text) {
    ::SetDlgItemTextW(hwndOf(dialog), itemId, wide(text));
}

// Wide text, whatever the system's code page.
void Win32Toolkit::messageBox(WindowHandle owner, const ZUM::Utf16String& text,
                              const ZUM::Utf16String& caption, MessageIcon icon) {
    const UINT type = MB_OK | MB_TOPMOST | (icon == MessageIcon::Error ? MB_ICONERROR : 0);
    ::MessageBoxW(hwndOf(owner), wide(text), wide(caption), type);
}

// The buffer holds the longest path Windows has, so a chosen path is never cut.
bool Win32Toolkit::pickFile(WindowHandle owner, const FilePickerRequest& request,
                            ZUM::Utf16String& path) {
    std::vector<wchar_t> filter;
    for (const char16_t* part : {request.filterName, request.filterPattern}) {
        for (const char16_t* unit = part; *unit; ++unit) filter.push_back(static_cast<wchar_t>(*unit));
        filter.push_back(0);
    }
    filter.push_back(0);
    std::vector<wchar_t> file(32768, 0);
    OPENFILENAMEW picker{};
    picker.lStructSize = sizeof picker;
    picker.hwndOwner = hwndOf(owner);
    picker.hInstance = static_cast<HINSTANCE>(entryValues.instance);
    picker.lpstrFilter = filter.data();
    picker.nFilterIndex = 0;
    picker.lpstrFile = file.data();
    picker.nMaxFile = static_cast<DWORD>(file.size());
    picker.lpstrTitle = wide(request.title);
    picker.Flags = OFN_ENABLESIZING | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!::GetOpenFileNameW(&picker)) return false;
    path = textOf(file.data(), ::wcslen(file.data()));
    return true;
}

bool Win32Toolkit::droppedFile(std::uintptr_t drop, ZUM::Utf16String& path) {
    HDROP files = reinterpret_cast<HDROP>(drop);
    const UINT length = ::DragQueryFileW(files, 0, nullptr, 0);
    bool taken = false;
    if (length > 0) {
        std::vector<wchar_t> units(length + 1);
        taken = ::DragQueryFileW(files, 0, units.data(), length + 1) == length;
        if (taken) path = textOf(units.data(), length);
    }
    ::DragFinish(files);
    return taken;
}

void Win32Toolkit::endDialog(WindowHandle dialog, std::intptr_t result) {
    ::EndDialog(hwndOf(dialog), result);
}

void Win32Toolkit::postQuit(int code) {
    ::PostQuitMessage(code);
}

// A failing GetMessageW (-1) ends the loop too, with code 1.
bool Win32Toolkit::getMessage(Message& message) {
    const BOOL got = ::GetMessageW(&current, nullptr, 0, 0);
    if (got == -1) {
        current.message = WM_QUIT;
        current.wParam = 1;
    }
    message = {handleOf(current.hwnd), current.message, current.wParam, current.lParam};
    return got > 0;
}

bool Win32Toolkit::isDialogMessage(WindowHandle dialog, const Message& message) {
    const MSG native = nativeOf(message);
    return ::IsDialogMessageW(hwndOf(dialog), const_cast<MSG*>(&native));
}

void Win32Toolkit::dispatchMessage(const Message& message) {
    const MSG native = nativeOf(message);
    ::TranslateMessage(&native);
    ::DispatchMessageW(&native);
}

MSG Win32Toolkit::nativeOf(const Message& message) const {
    MSG native = current;
    native.hwnd = hwndOf(message.window);
    native.message = message.message;
    native.wParam = message.wParam;
    native.lParam = message.lParam;
    return native;
}
