#pragma once

#include "app/dialog/ModelessDlg.h"

// Quorlin's window: a path field, "..." to pick an ncc.html into it,
// "修正開始" to repair the file it names and "終了" to end the program.
class MainDlg : public ModelessDlg {
public:
    using ModelessDlg::ModelessDlg;

    std::intptr_t onInitDialog() override;
    std::intptr_t onCommand(int commandId) override;
    std::intptr_t onDropFile(const ZUM::Utf16String& path) override;

private:
    void repair();
    void browse();
    void exit();

    bool repairing = false; // a repair is running: a second press must not start another
};
