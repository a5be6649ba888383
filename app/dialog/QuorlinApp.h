#pragma once

#include "app/ui/EntryValues.h"
#include "app/ui/Toolkit.h"

// The main dialog made, centred and run until it quits; answers the quit code.
int runMainDialog(Toolkit& toolkit);

// The dialog program's whole run: the library started, the entry values
// stored, the main dialog made, centred and run until it quits, the library
// stopped. Answers the exit code.
int runQuorlin(Toolkit& toolkit, const EntryValues& values);
