#pragma once

#include <cstdint>
#include <vector>

#include "app/ui/DialogTemplate.h"

// A dialog template in the extended in-memory form the Windows dialog manager
// reads, built from the template data every toolkit shares.
std::vector<std::uint16_t> dialogTemplateBytes(const DialogTemplate& dialogTemplate);
