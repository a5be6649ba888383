#pragma once

#include <cstdint>

#include "base/TString.h"

// The window system as the dialog framework sees it: the few operations it
// uses, in the shape of the Windows dialog interface, so that each platform's
// toolkit is a thin mapping. A window is an opaque handle; the framework never
// looks inside it.
struct WindowTag;
using WindowHandle = WindowTag*;

// The window messages the framework dispatches on, with their Windows numbers.
enum WindowMessage : unsigned {
    WmClose = 16,
    WmQuit = 18,
    WmInitDialog = 272,
    WmCommand = 273,
    WmDropFiles = 563,
};

struct Message {
    WindowHandle window;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

// Called for every message a dialog receives; answers non-zero when it handled it.
using DialogProcedure = std::intptr_t (*)(WindowHandle, unsigned message, std::uintptr_t wParam,
                                          std::intptr_t lParam);

// A rectangle in screen pixels; right and bottom are exclusive.
struct WindowRect {
    int left, top, right, bottom;
};

enum class MessageIcon { None, Error };

// What the file-open picker offers: a title and one filter, whose pattern is
// matched against whole file names. Only an existing file can be chosen.
struct FilePickerRequest {
    const char16_t* title;
    const char16_t* filterName;
    const char16_t* filterPattern;
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Creates the dialog of the named template, hidden. The procedure receives
    // WmInitDialog with `parameter` as lParam before this returns. Null when
    // there is no such template. A null parent means the desktop.
    virtual WindowHandle createDialog(const ZUM::Utf16String& templateName, WindowHandle parent,
                                      DialogProcedure procedure, std::intptr_t parameter) = 0;
    virtual void showWindow(WindowHandle window) = 0;
    virtual WindowHandle desktopWindow() = 0;
    virtual WindowRect windowRect(WindowHandle window) = 0;
    // Moves the window's top left corner to (x, y); its size stays.
    virtual void moveWindow(WindowHandle window, int x, int y) = 0;

    // The whole text of a dialog item, however long.
    virtual ZUM::Utf16String itemText(WindowHandle dialog, int itemId) = 0;
    virtual void setItemText(WindowHandle dialog, int itemId, const ZUM::Utf16String& text) = 0;

    // A message box modal to `owner`, kept above other windows, with one OK button.
    virtual void messageBox(WindowHandle owner, const ZUM::Utf16String& text,
                            const ZUM::Utf16String& caption, MessageIcon icon) = 0;
    // False when the user cancels; otherwise `path` is the chosen file's full path.
    virtual bool pickFile(WindowHandle owner, const FilePickerRequest& request,
                          ZUM::Utf16String& path) = 0;
    // The path of the file a WmDropFiles message (its wParam) carries, releasing
    // the drop; false when it carries none.
    virtual bool droppedFile(std::uintptr_t drop, ZUM::Utf16String& path) = 0;

    // Hides the dialog; its result is `result`.
    virtual void endDialog(WindowHandle dialog, std::intptr_t result) = 0;
    // Makes getMessage answer false, with `code` as the WmQuit message's wParam,
    // once the messages already posted are taken.
    virtual void postQuit(int code) = 0;

    // Waits for the next message; false for the quit message.
    virtual bool getMessage(Message& message) = 0;
    // Takes a message meant for `dialog` or one of its items, dispatching it
    // with the dialog's keyboard handling; false when it is not for `dialog`.
    virtual bool isDialogMessage(WindowHandle dialog, const Message& message) = 0;
    virtual void dispatchMessage(const Message& message) = 0;
};
