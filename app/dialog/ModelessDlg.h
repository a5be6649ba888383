#pragma once

#include "app/dialog/Dlg.h"

// A dialog that lives beside the message loop rather than in a loop of its
// own. Every live one is on a process-wide list, newest first, which the
// message loop and the framework procedure search.
class ModelessDlg : public Dlg {
public:
    ModelessDlg(Toolkit& toolkit, const char* templateName, WindowHandle* parent);
    ~ModelessDlg() override;

    // WmClose, WmInitDialog, WmCommand and WmDropFiles go to their handlers;
    // anything else answers 0, not handled.
    std::intptr_t dialogProc(unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) override;

    // Makes the window from the template and shows it; false when the
    // template cannot be made.
    bool create();

    static ModelessDlg* firstLive() { return live; }
    ModelessDlg* nextLive() const { return next; }
    static ModelessDlg* liveDialogOf(WindowHandle window);

private:
    inline static ModelessDlg* live = nullptr;
};
