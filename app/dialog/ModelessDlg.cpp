#include "app/dialog/ModelessDlg.h"

#include "encoding/EncodingRegistry.h"

ModelessDlg::ModelessDlg(Toolkit& toolkit, const char* templateName, WindowHandle* parent)
    : Dlg(toolkit, templateName, parent) {
    next = live;
    live = this;
}

ModelessDlg::~ModelessDlg() {
    for (ModelessDlg** link = &live; *link; link = &(*link)->next) {
        if (*link == this) {
            *link = next;
            break;
        }
    }
}

std::intptr_t ModelessDlg::dialogProc(unsigned message, std::uintptr_t wParam, std::intptr_t) {
    switch (message) {
    case WmClose:
        return onClose();
    case WmInitDialog:
        return onInitDialog();
    case WmCommand:
        return onCommand(static_cast<int>(wParam));
    case WmDropFiles: {
        ZUM::Utf16String path;
        return toolkit.droppedFile(wParam, path) ? onDropFile(path) : 0;
    }
    default:
        return 0;
    }
}

bool ModelessDlg::create() {
    const ZUM::Utf8String name(templateName);
    ZUM::Utf16String wideName;
    ZUM::convertToUtf16String(ZUM::UsAscii, ZUM::Utf16N, &name, wideName);
    const WindowHandle owner = parent ? *parent : toolkit.desktopWindow();
    if (!toolkit.createDialog(wideName, owner, frameworkProcedure,
                              reinterpret_cast<std::intptr_t>(static_cast<Dlg*>(this)))) {
        return false;
    }
    toolkit.showWindow(window);
    return true;
}

ModelessDlg* ModelessDlg::liveDialogOf(WindowHandle window) {
    for (ModelessDlg* dialog = live; dialog; dialog = dialog->next) {
        if (dialog->window == window) return dialog;
    }
    return nullptr;
}
