#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/TextForm.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/QueuedToolkit.h"

// A toolkit without a screen: dialogs are their templates' items and texts,
// laid out with a given font metric, and a person is a script of acts that
// run whenever the message loop waits. Message boxes and the picker are
// recorded and answered from the script.
class HeadlessToolkit : public QueuedToolkit {
public:
    explicit HeadlessToolkit(DialogBaseUnits units = {7, 16}, WindowRect desktop = {0, 0, 1280, 1024})
        : units(units), desktop(desktop) {}

    WindowHandle createDialog(const ZUM::Utf16String& templateName, WindowHandle parent,
                              DialogProcedure procedure, std::intptr_t parameter) override;
    void showWindow(WindowHandle window) override;
    WindowHandle desktopWindow() override { return nullptr; }
    WindowRect windowRect(WindowHandle window) override;
    void moveWindow(WindowHandle window, int x, int y) override;
    ZUM::Utf16String itemText(WindowHandle dialog, int itemId) override;
    void setItemText(WindowHandle dialog, int itemId, const ZUM::Utf16String& text) override;
    void messageBox(WindowHandle owner, const ZUM::Utf16String& text,
                    const ZUM::Utf16String& caption, MessageIcon icon) override;
    bool pickFile(WindowHandle owner, const FilePickerRequest& request,
                  ZUM::Utf16String& path) override;
    void endDialog(WindowHandle dialog, std::intptr_t result) override;

    // The person: each act runs when the loop next waits with nothing to do.
    void then(std::function<void()> act) { acts.push_back(std::move(act)); }
    void click(int itemId) { post(dialog(), WmCommand, static_cast<std::uintptr_t>(itemId)); }
    void pressCloseBox() { post(dialog(), WmClose); }
    void dropFile(const std::string& path) { postDrop(dialog(), TextForm::wide(path)); }
    // What the next picker answers; nothing cancels it.
    std::optional<std::string> pickerAnswer;
    // Runs while a message box is up, inside the handler that showed it.
    std::function<void()> whileBoxShows;

    struct ShownBox {
        WindowHandle owner;
        std::string text;
        std::string caption;
        MessageIcon icon;
    };
    std::vector<ShownBox> boxes;
    std::vector<FilePickerRequest> pickerRequests;

    // The newest dialog, and what it holds.
    WindowHandle dialog() const;
    std::string text(int itemId);
    bool isVisible() const;

protected:
    bool waitForEvents() override;
    DialogProcedure procedureOf(WindowHandle window) override;
    bool belongsTo(WindowHandle window, WindowHandle dialog) override { return window == dialog; }

private:
    struct Window {
        DialogProcedure procedure;
        WindowRect rect;
        std::map<int, ZUM::Utf16String> texts;
        bool visible = false;
    };
    Window* windowOf(WindowHandle handle) const;

    DialogBaseUnits units;
    WindowRect desktop;
    std::vector<std::unique_ptr<Window>> windows;
    std::deque<std::function<void()>> acts;
};
