#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <vector>

#include "app/ui/QueuedToolkit.h"

class GtkDialogWindow;

// The dialog framework's window system over GTK 3.
class GtkToolkit : public QueuedToolkit {
public:
    GtkToolkit();
    ~GtkToolkit() override;

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
    void endDialog(WindowHandle dialog, std::intptr_t result) override;

    // What the windows' events mean, posted for the message loop.
    void postFrom(GtkDialogWindow& dialog, unsigned message, std::uintptr_t wParam);
    void dropOn(GtkDialogWindow& dialog, const ZUM::Utf16String& path);

protected:
    bool waitForEvents() override;
    DialogProcedure procedureOf(WindowHandle window) override;
    bool belongsTo(WindowHandle window, WindowHandle dialog) override;

private:
    GtkDialogWindow* dialogOf(WindowHandle window) const;
    GtkWindow* gtkWindowOf(WindowHandle window) const;

    std::vector<std::unique_ptr<GtkDialogWindow>> dialogs;
};
