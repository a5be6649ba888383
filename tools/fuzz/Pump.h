#pragma once

#include "base/CompositIFilter.h"
#include "base/Conveyer.h"
#include "base/Exception.h"
#include "base/MemOFlow.h"

// What the fuzz targets do with a converter chain: pump all of `input` through
// it into memory. A converter's IOException ends the run like the end of
// input: the targets look for crashes, not for refused bytes.
inline void pumpQuietly(ZUM::CompositIFilter& chain, ZUM::IFlow& input) {
    chain.attach(&input);
    ZUM::MemOFlow output;
    try {
        ZUM::Conveyer(&chain, &output).pumpBytes();
    } catch (const ZUM::IOException&) {
    }
}
