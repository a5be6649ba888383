#pragma once

#include <cstddef>

#include "base/TString.h"

// A dialog described as data, in dialog units: every toolkit lays the same
// template out, so a dialog's look is written once.

// A rectangle in dialog units: a quarter of the font's average character width
// across, an eighth of its character height down.
struct DialogUnitRect {
    int x, y, width, height;
};

enum class ControlClass { Static, Edit, Button };

// Control styles, one bit each.
enum ControlStyle : unsigned {
    LeftAligned = 1u << 0,
    Group = 1u << 1,
    Border = 1u << 2,
    ReadOnly = 1u << 3,
    AutoHorizontalScroll = 1u << 4,
    PushButton = 1u << 5,
    DefaultPushButton = 1u << 6,
    TabStop = 1u << 7,
};

// Dialog styles, one bit each.
enum DialogStyle : unsigned {
    Popup = 1u << 0,
    Caption = 1u << 1,
    SystemMenu = 1u << 2,
    ModalFrame = 1u << 3,
    OwnFont = 1u << 4,
};

struct DialogItem {
    int id; // -1 for an item the program never addresses
    ControlClass controlClass;
    const char16_t* text;
    DialogUnitRect box;
    unsigned style; // ControlStyle bits; every item is a visible child window
};

struct DialogFont {
    const char16_t* face;
    int points;
    int weight;
    int charset; // a Windows character-set number
};

struct DialogTemplate {
    const char* name;
    int language; // a Windows language id
    unsigned style; // DialogStyle bits
    const char16_t* caption;
    DialogUnitRect box; // the client area
    DialogFont font;
    const DialogItem* items;
    std::size_t itemCount;

    const DialogItem* begin() const { return items; }
    const DialogItem* end() const { return items + itemCount; }
    const DialogItem* item(int id) const;
};

// The program's template of that name (ASCII letters, exact case), or null.
const DialogTemplate* findDialogTemplate(const ZUM::Utf16String& name);
