#include "app/dialog/MainDlgTemplate.h"

#include <iterator>

namespace {

constexpr int Japanese = 0x0411;
constexpr int ShiftJisCharset = 128;

const DialogItem items[] = {
    {-1, ControlClass::Static,
     u"[...] ボタンを押して修正するデイジー教科書の ncc.html のファイルを指定してください。",
     {7, 15, 326, 8}, LeftAligned | Group},
    {PathField, ControlClass::Edit, u"", {7, 39, 305, 14}, Border | ReadOnly | AutoHorizontalScroll},
    {StartButton, ControlClass::Button, u"修正開始", {95, 63, 50, 14}, DefaultPushButton | TabStop},
    {ExitButton, ControlClass::Button, u"終了", {197, 63, 50, 14}, PushButton | TabStop},
    {BrowseButton, ControlClass::Button, u"...", {318, 39, 15, 14}, PushButton | TabStop},
};

const DialogTemplate* const programTemplates[] = {&mainDlgTemplate};

} // namespace

const DialogTemplate mainDlgTemplate = {
    "MAINDLG",
    Japanese,
    Popup | Caption | SystemMenu | ModalFrame | OwnFont,
    u"Pelorin用デイジー教科書ncc.html修正プログラム Quorlin Version 1.0",
    {0, 0, 343, 91},
    {u"ＭＳ Ｐゴシック", 10, 400, ShiftJisCharset},
    items,
    std::size(items),
};

// Template names are ASCII, compared unit by unit.
const DialogTemplate* findDialogTemplate(const ZUM::Utf16String& name) {
    for (const DialogTemplate* candidate : programTemplates) {
        const ZUM::Utf8String ascii(candidate->name);
        ZUM::u32 i = 0;
        while (i < name.length() && i < ascii.length() && name[i] == static_cast<ZUM::u16>(ascii[i])) ++i;
        if (i == name.length() && i == ascii.length()) return candidate;
    }
    return nullptr;
}
