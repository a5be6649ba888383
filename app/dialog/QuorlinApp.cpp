#include "app/dialog/QuorlinApp.h"

#include "app/dialog/MainDlg.h"
#include "app/dialog/MessageLoop.h"

int runQuorlin(Toolkit& toolkit) {
    MainDlg dialog(toolkit, "MAINDLG", nullptr);
    if (!dialog.create()) return 1;
    dialog.centre();
    return runMessageLoop(toolkit);
}
