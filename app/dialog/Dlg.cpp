#include "app/dialog/Dlg.h"

#include "app/dialog/ModelessDlg.h"

std::intptr_t Dlg::onInitDialog() {
    centre();
    return 0;
}

std::intptr_t Dlg::onCommand(int) {
    return 0;
}

std::intptr_t Dlg::onClose() {
    return 0;
}

std::intptr_t Dlg::onDropFile(const ZUM::Utf16String&) {
    return 0;
}

// Integer halves of the right and bottom edges: the template puts the dialog
// at the screen's origin, so this centres it.
void Dlg::centre() {
    const WindowRect desktop = toolkit.windowRect(toolkit.desktopWindow());
    const WindowRect dialog = toolkit.windowRect(window);
    toolkit.moveWindow(window, desktop.right / 2 - dialog.right / 2,
                       desktop.bottom / 2 - dialog.bottom / 2);
}

void Dlg::end(std::intptr_t result) {
    toolkit.endDialog(window, result);
}

std::intptr_t Dlg::frameworkProcedure(WindowHandle window, unsigned message,
                                      std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == WmInitDialog) {
        Dlg* dialog = reinterpret_cast<Dlg*>(lParam);
        dialog->window = window;
        dialog->dialogProc(message, wParam, lParam);
        return 1;
    }
    Dlg* dialog = ModelessDlg::liveDialogOf(window);
    return dialog ? dialog->dialogProc(message, wParam, lParam) : 0;
}
