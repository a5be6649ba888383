#pragma once

#include "app/ui/DialogTemplate.h"

// The items of the main dialog that the program addresses.
enum MainDlgItem : int {
    PathField = 1000,
    StartButton = 1,
    ExitButton = 2,
    BrowseButton = 1006,
};

// The main dialog, "MAINDLG".
extern const DialogTemplate mainDlgTemplate;
