#pragma once

#include "app/ui/Toolkit.h"

// Runs the program's message loop until the quit message; answers its code.
// Each message goes to the first live modeless dialog that takes it, else it
// is dispatched to its window.
int runMessageLoop(Toolkit& toolkit);
