#pragma once

#include <cstdint>

#include "base/Object.h"
#include "base/Units.h"

namespace ZUM {

// The common state of every stream of code units. Each flow states the unit
// widths it provides as a mask (Width8 | Width16 | Width32); asking for another
// width raises IOException 5, and the end of input is IOException 1.
class Flow : public Object {
public:
    Flow(const Flow&) = delete;
    Flow& operator=(const Flow&) = delete;
    virtual ~Flow() = default;

    virtual bool close();
    virtual bool isOpen() const;
    virtual int unitWidths() const;
    virtual bool supportsUnitWidths(int mask) const;
    virtual bool reset();
    virtual bool isAtStart() const;
    virtual bool isReady() const;

protected:
    Flow(bool open, std::int32_t widths) : open(open), widths(widths), atStart(open) {}

    bool open;
    std::int32_t widths;
    bool atStart; // nothing transferred since opening or the last reset
};

} // namespace ZUM
