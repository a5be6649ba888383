#pragma once

#include "app/ui/Toolkit.h"

// The dialog program between start-up and shut-down of the library: the main
// dialog made, centred and run until it quits. Answers the exit code.
int runQuorlin(Toolkit& toolkit);
