#pragma once

#include "app/ui/Toolkit.h"

// A window of the program: its handle, once the window system has made it,
// and the toolkit it lives in.
class VWin {
public:
    explicit VWin(Toolkit& toolkit) : toolkit(toolkit) {}
    virtual ~VWin() = default;
    VWin(const VWin&) = delete;
    VWin& operator=(const VWin&) = delete;

    WindowHandle handle() const { return window; }

protected:
    Toolkit& toolkit;
    WindowHandle window = nullptr;
};
