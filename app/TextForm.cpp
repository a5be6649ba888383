#include "app/TextForm.h"

#include "encoding/EncodingRegistry.h"

using namespace ZUM;

Utf16String TextForm::wide(const std::string& utf8) {
    const Utf8String bytes(utf8.data(), static_cast<u32>(utf8.size()));
    Utf16String text;
    convertToUtf16String(Utf8, Utf16N, &bytes, text);
    return text;
}

std::string TextForm::utf8(const Utf16String& text) {
    Utf8String bytes;
    convertFromUtf16String(Utf16N, Utf8N, &text, bytes);
    return std::string(bytes.data(), bytes.length());
}
