#pragma once

#include <memory>

#include "app/ui/Toolkit.h"

// The window system of the platform the program was built for, connected;
// null (with the reason on standard error) when it cannot be reached. It may
// take options of its own out of the arguments.
std::unique_ptr<Toolkit> createPlatformToolkit(int& argc, char**& argv);
