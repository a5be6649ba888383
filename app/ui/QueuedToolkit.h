#pragma once

#include <cstdint>
#include <deque>
#include <map>

#include "app/ui/Toolkit.h"

// The part of a toolkit that Windows does itself and other window systems
// leave to us: a queue of posted messages, the quit message, dispatch to each
// dialog's procedure, and the default dialog handling of messages a procedure
// leaves alone. The window system's own events arrive through
// waitForEvents, which posts what they mean.
class QueuedToolkit : public Toolkit {
public:
    void postQuit(int code) override;
    bool getMessage(Message& message) override;
    bool isDialogMessage(WindowHandle dialog, const Message& message) override;
    void dispatchMessage(const Message& message) override;
    bool droppedFile(std::uintptr_t drop, ZUM::Utf16String& path) override;

protected:
    void post(WindowHandle window, unsigned message, std::uintptr_t wParam = 0,
              std::intptr_t lParam = 0);
    // Posts WmDropFiles carrying `path`.
    void postDrop(WindowHandle window, const ZUM::Utf16String& path);

    // Waits until the window system has posted at least one message; false when
    // none will ever come.
    virtual bool waitForEvents() = 0;
    // The procedure of a dialog this toolkit made, or null.
    virtual DialogProcedure procedureOf(WindowHandle window) = 0;
    // Whether `window` is `dialog` or one of its items.
    virtual bool belongsTo(WindowHandle window, WindowHandle dialog) = 0;

private:
    std::deque<Message> queue;
    std::map<std::uintptr_t, ZUM::Utf16String> drops;
    std::uintptr_t nextDrop = 1;
    bool quitPosted = false;
    int quitCode = 0;
};
