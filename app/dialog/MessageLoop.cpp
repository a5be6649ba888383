#include "app/dialog/MessageLoop.h"

#include "app/dialog/ModelessDlg.h"

namespace {

bool offerToDialogs(Toolkit& toolkit, const Message& message) {
    for (ModelessDlg* dialog = ModelessDlg::firstLive(); dialog; dialog = dialog->nextLive()) {
        if (toolkit.isDialogMessage(dialog->handle(), message)) return true;
    }
    return false;
}

} // namespace

int runMessageLoop(Toolkit& toolkit) {
    Message message;
    while (toolkit.getMessage(message)) {
        if (!offerToDialogs(toolkit, message)) toolkit.dispatchMessage(message);
    }
    return static_cast<int>(message.wParam);
}
