#pragma once

#include <windows.h>

#include "app/ui/Toolkit.h"

// The dialog framework's window system on Windows: each operation is the
// user32 or comdlg32 call of the same meaning.
class Win32Toolkit : public Toolkit {
public:
    Win32Toolkit();

    WindowHandle createDialog(const ZUM::Utf16String& templateName, WindowHandle parent,
                              DialogProcedure procedure, std::intptr_t parameter) override;
    void showWindow(WindowHandle window) override;
    WindowHandle desktopWindow() override;
    WindowRect windowRect(WindowHandle window) override;
    void moveWindow(WindowHandle window, int x, int y) override;
    ZUM::Utf16String itemText(WindowHandle dialog, int itemId) override;
    void setItemText(WindowHandle dialog, int itemId, const ZUM::Utf16String& text) override;
    void messageBox(WindowHandle owner, const ZUM::Utf16String& text,
                    const ZUM::Utf16String& caption, MessageIcon icon) override;
    bool pickFile(WindowHandle owner, const FilePickerRequest& request,
                  ZUM::Utf16String& path) override;
    bool droppedFile(std::uintptr_t drop, ZUM::Utf16String& path) override;
    void endDialog(WindowHandle dialog, std::intptr_t result) override;
    void postQuit(int code) override;
    bool getMessage(Message& message) override;
    bool isDialogMessage(WindowHandle dialog, const Message& message) override;
    void dispatchMessage(const Message& message) override;

private:
    // The last message taken, whole: the dialog manager reads its time and
    // cursor position too.
    MSG current{};
    MSG nativeOf(const Message& message) const;
};
