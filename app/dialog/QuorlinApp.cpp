#include "app/dialog/QuorlinApp.h"

#include "app/dialog/MainDlg.h"
#include "app/dialog/MessageLoop.h"
#include "base/Library.h"

int runMainDialog(Toolkit& toolkit) {
    MainDlg dialog(toolkit, "MAINDLG", nullptr);
    if (!dialog.create()) return 1;
    dialog.centre();
    return runMessageLoop(toolkit);
}

int runQuorlin(Toolkit& toolkit, const EntryValues& values) {
    ZUM::startLibrary();
    entryValues = values;
    const int status = runMainDialog(toolkit);
    ZUM::stopLibrary();
    return status;
}
