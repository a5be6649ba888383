#include "app/ui/QueuedToolkit.h"

// The dialog command a dialog procedure's unhandled close turns into.
constexpr std::uintptr_t CancelCommand = 2;

void QueuedToolkit::postQuit(int code) {
    quitPosted = true;
    quitCode = code;
}

// Posted messages come before the quit message, as they do on Windows.
bool QueuedToolkit::getMessage(Message& message) {
    while (queue.empty()) {
        if (quitPosted || !waitForEvents()) {
            message = {nullptr, WmQuit, static_cast<std::uintptr_t>(quitPosted ? quitCode : -1), 0};
            quitPosted = false;
            return false;
        }
    }
    message = queue.front();
    queue.pop_front();
    return true;
}

bool QueuedToolkit::isDialogMessage(WindowHandle dialog, const Message& message) {
    if (!belongsTo(message.window, dialog)) return false;
    dispatchMessage(message);
    return true;
}

// A close the procedure leaves alone becomes the cancel command, so the close
// box acts as the dialog's cancel button.
void QueuedToolkit::dispatchMessage(const Message& message) {
    DialogProcedure procedure = procedureOf(message.window);
    if (!procedure) return;
    const std::intptr_t handled =
        procedure(message.window, message.message, message.wParam, message.lParam);
    if (message.message == WmClose && !handled) {
        procedure(message.window, WmCommand, CancelCommand, 0);
    }
}

bool QueuedToolkit::droppedFile(std::uintptr_t drop, ZUM::Utf16String& path) {
    auto found = drops.find(drop);
    if (found == drops.end()) return false;
    path = found->second;
    drops.erase(found);
    return true;
}

void QueuedToolkit::post(WindowHandle window, unsigned message, std::uintptr_t wParam,
                         std::intptr_t lParam) {
    queue.push_back({window, message, wParam, lParam});
}

void QueuedToolkit::postDrop(WindowHandle window, const ZUM::Utf16String& path) {
    const std::uintptr_t drop = nextDrop++;
    drops.emplace(drop, path);
    post(window, WmDropFiles, drop);
}
