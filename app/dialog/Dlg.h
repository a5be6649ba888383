#pragma once

#include <cstdint>

#include "app/dialog/VWin.h"

class ModelessDlg;

// A dialog made from a template. Its behaviour is chosen by overriding the
// handlers that dialogProc calls.
class Dlg : public VWin {
public:
    ~Dlg() override = default;

    virtual std::intptr_t dialogProc(unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam) = 0;
    // Centres the dialog on the desktop; answers 0.
    virtual std::intptr_t onInitDialog();
    virtual std::intptr_t onCommand(int commandId);
    virtual std::intptr_t onClose();
    // A file dropped on the dialog.
    virtual std::intptr_t onDropFile(const ZUM::Utf16String& path);

    // Moves the dialog to the middle of the desktop, keeping its size.
    void centre();
    void end(std::intptr_t result);

    // The procedure of every dialog: it binds the window to its object on
    // WmInitDialog and routes everything else to the live dialog that owns the
    // window.
    static std::intptr_t frameworkProcedure(WindowHandle window, unsigned message,
                                            std::uintptr_t wParam, std::intptr_t lParam);

protected:
    Dlg(Toolkit& toolkit, const char* templateName, WindowHandle* parent)
        : VWin(toolkit), templateName(templateName), parent(parent) {}

    const char* templateName; // ASCII
    ModelessDlg* next = nullptr; // the next live modeless dialog
    WindowHandle* parent;        // null for the desktop
};
