#include "base/Flow.h"

namespace ZUM {

bool Flow::close() {
    if (!open) return false;
    open = false;
    return true;
}

bool Flow::isOpen() const {
    return open;
}

int Flow::unitWidths() const {
    return widths;
}

bool Flow::supportsUnitWidths(int mask) const {
    return (mask & unitWidths()) != 0;
}

bool Flow::reset() {
    if (!open) return false;
    atStart = true;
    return true;
}

bool Flow::isAtStart() const {
    return atStart;
}

bool Flow::isReady() const {
    return isOpen();
}

} // namespace ZUM
