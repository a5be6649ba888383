#include "win32/ui/DialogTemplateBytes.h"

#include <windows.h>

namespace {

// The extended template is a run of 16-bit words; items start on 32-bit
// boundaries.
class TemplateWriter {
public:
    void word(std::uint16_t value) { words.push_back(value); }
    void dword(std::uint32_t value) {
        word(static_cast<std::uint16_t>(value & 0xFFFF));
        word(static_cast<std::uint16_t>(value >> 16));
    }
    void text(const char16_t* value) {
        while (*value) word(static_cast<std::uint16_t>(*value++));
        word(0);
    }
    void box(const DialogUnitRect& rect) {
        for (int value : {rect.x, rect.y, rect.width, rect.height}) word(static_cast<std::uint16_t>(value));
    }
    void alignToDword() {
        if (words.size() % 2) word(0);
    }
    std::vector<std::uint16_t> words;
};

DWORD dialogStyle(unsigned style) {
    DWORD bits = 0;
    if (style & Popup) bits |= WS_POPUP;
    if (style & Caption) bits |= WS_CAPTION;
    if (style & SystemMenu) bits |= WS_SYSMENU;
    if (style & ModalFrame) bits |= DS_MODALFRAME;
    if (style & OwnFont) bits |= DS_SETFONT;
    return bits;
}

DWORD itemStyle(const DialogItem& item) {
    DWORD bits = WS_CHILD | WS_VISIBLE;
    const unsigned style = item.style;
    if (style & Group) bits |= WS_GROUP;
    if (style & TabStop) bits |= WS_TABSTOP;
    if (style & Border) bits |= WS_BORDER;
    if (item.controlClass == ControlClass::Static) bits |= (style & LeftAligned) ? SS_LEFT : SS_CENTER;
    if (style & ReadOnly) bits |= ES_READONLY;
    if (style & AutoHorizontalScroll) bits |= ES_AUTOHSCROLL;
    if (style & DefaultPushButton) bits |= BS_DEFPUSHBUTTON;
    if (style & PushButton) bits |= BS_PUSHBUTTON;
    return bits;
}

// The predefined window classes, by their atoms.
std::uint16_t classAtom(ControlClass controlClass) {
    switch (controlClass) {
    case ControlClass::Button:
        return 0x0080;
    case ControlClass::Edit:
        return 0x0081;
    case ControlClass::Static:
        break;
    }
    return 0x0082;
}

void writeItem(TemplateWriter& out, const DialogItem& item) {
    out.alignToDword();
    out.dword(0); // help id
    out.dword(0); // extended style
    out.dword(itemStyle(item));
    out.box(item.box);
    out.dword(static_cast<std::uint32_t>(item.id));
    out.word(0xFFFF);
    out.word(classAtom(item.controlClass));
    out.text(item.text);
    out.word(0); // no creation data
}

} // namespace

std::vector<std::uint16_t> dialogTemplateBytes(const DialogTemplate& dialogTemplate) {
    TemplateWriter out;
    out.word(1);      // version
    out.word(0xFFFF); // the extended form
    out.dword(0);     // help id
    out.dword(0);     // extended style
    out.dword(dialogStyle(dialogTemplate.style));
    out.word(static_cast<std::uint16_t>(dialogTemplate.itemCount));
    out.box(dialogTemplate.box);
    out.word(0); // no menu
    out.word(0); // the dialog class
    out.text(dialogTemplate.caption);
    if (dialogTemplate.style & OwnFont) {
        const DialogFont& font = dialogTemplate.font;
        out.word(static_cast<std::uint16_t>(font.points));
        out.word(static_cast<std::uint16_t>(font.weight));
        out.word(static_cast<std::uint16_t>(font.charset << 8)); // not italic; the character set
        out.text(font.face);
    }
    for (const DialogItem& item : dialogTemplate) writeItem(out, item);
    return out.words;
}
