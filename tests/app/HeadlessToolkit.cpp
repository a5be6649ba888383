#include "tests/app/HeadlessToolkit.h"

using namespace ZUM;

WindowHandle HeadlessToolkit::createDialog(const Utf16String& templateName, WindowHandle,
                                           DialogProcedure procedure, std::intptr_t parameter) {
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateName);
    if (!dialogTemplate) return nullptr;
    auto window = std::make_unique<Window>();
    window->procedure = procedure;
    window->rect = units.toPixels(dialogTemplate->box);
    for (const DialogItem& item : *dialogTemplate) window->texts[item.id] = Utf16String(item.text);
    windows.push_back(std::move(window));
    const WindowHandle handle = dialog();
    procedure(handle, WmInitDialog, 0, parameter);
    return handle;
}

void HeadlessToolkit::showWindow(WindowHandle window) {
    if (Window* shown = windowOf(window)) shown->visible = true;
}

WindowRect HeadlessToolkit::windowRect(WindowHandle window) {
    if (!window) return desktop;
    Window* found = windowOf(window);
    return found ? found->rect : WindowRect{};
}

void HeadlessToolkit::moveWindow(WindowHandle window, int x, int y) {
    if (Window* moved = windowOf(window)) {
        WindowRect& rect = moved->rect;
        rect = {x, y, x + rect.right - rect.left, y + rect.bottom - rect.top};
    }
}

Utf16String HeadlessToolkit::itemText(WindowHandle dialog, int itemId) {
    Window* window = windowOf(dialog);
    return window ? window->texts[itemId] : Utf16String();
}

void HeadlessToolkit::setItemText(WindowHandle dialog, int itemId, const Utf16String& text) {
    if (Window* window = windowOf(dialog)) window->texts[itemId] = text;
}

void HeadlessToolkit::messageBox(WindowHandle owner, const Utf16String& text,
                                 const Utf16String& caption, MessageIcon icon) {
    boxes.push_back({owner, TextForm::utf8(text), TextForm::utf8(caption), icon});
    if (whileBoxShows) whileBoxShows();
}

bool HeadlessToolkit::pickFile(WindowHandle, const FilePickerRequest& request, Utf16String& path) {
    pickerRequests.push_back(request);
    if (!pickerAnswer) return false;
    path = TextForm::wide(*pickerAnswer);
    return true;
}

void HeadlessToolkit::endDialog(WindowHandle dialog, std::intptr_t) {
    if (Window* window = windowOf(dialog)) window->visible = false;
}

WindowHandle HeadlessToolkit::dialog() const {
    return windows.empty() ? nullptr : reinterpret_cast<WindowHandle>(windows.back().get());
}

std::string HeadlessToolkit::text(int itemId) {
    return TextForm::utf8(itemText(dialog(), itemId));
}

bool HeadlessToolkit::isVisible() const {
    return !windows.empty() && windows.back()->visible;
}

// With no act left, nothing will ever happen: the loop ends without a quit.
bool HeadlessToolkit::waitForEvents() {
    if (acts.empty()) return false;
    std::function<void()> act = std::move(acts.front());
    acts.pop_front();
    act();
    return true;
}

DialogProcedure HeadlessToolkit::procedureOf(WindowHandle window) {
    Window* found = windowOf(window);
    return found ? found->procedure : nullptr;
}

HeadlessToolkit::Window* HeadlessToolkit::windowOf(WindowHandle handle) const {
    for (const auto& window : windows) {
        if (reinterpret_cast<WindowHandle>(window.get()) == handle) return window.get();
    }
    return nullptr;
}
