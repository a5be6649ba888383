#pragma once

#include "encoding/Detector.h"

namespace ZUM {

// Detector ids, named in the encoding-name table like encodings.
enum DetectorId : int { JaDetectorId = 40, XmlDetectorId = 41, HtmlDetectorId = 42 };

// A new detector for `id` (the caller owns it), or null for an id without one.
Detector* createDetector(int id);

} // namespace ZUM
