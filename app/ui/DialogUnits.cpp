#include "app/ui/DialogUnits.h"

namespace {

// a * b / c rounded half away from zero, as the Windows MulDiv rounds.
int mulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

DialogBaseUnits DialogBaseUnits::fromFont(int alphabetWidth, int height) {
    return {(alphabetWidth / 26 + 1) / 2, height};
}

WindowRect DialogBaseUnits::toPixels(const DialogUnitRect& box) const {
    const int left = mulDiv(box.x, x, 4);
    const int top = mulDiv(box.y, y, 8);
    return {left, top, left + mulDiv(box.width, x, 4), top + mulDiv(box.height, y, 8)};
}
