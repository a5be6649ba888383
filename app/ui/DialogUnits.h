#pragma once

#include "app/ui/DialogTemplate.h"
#include "app/ui/Toolkit.h"

// The pixel size of one dialog unit's base: the average character width and
// the character height of the dialog's font.
struct DialogBaseUnits {
    int x, y;

    // From the pixel width of the 52 letters A-Z and a-z set in the font, and
    // the font's height, rounded as Windows rounds them.
    static DialogBaseUnits fromFont(int alphabetWidth, int height);

    // A rectangle in dialog units in pixels, relative to the same origin.
    WindowRect toPixels(const DialogUnitRect& box) const;
};
