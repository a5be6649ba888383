#include "gtk/GtkText.h"

#include <cstring>

#include "encoding/EncodingRegistry.h"
#include "base/Surrogates.h"
#include "file/FileSystem.h"

std::string displayText(const ZUM::Utf16String& text) {
    using namespace ZUM;
    Utf16String showable;
    showable.reserve(text.length());
    const u32 length = text.length();
    for (u32 i = 0; i < length;) {
        const u32 c = Surrogates::next(text, length, i);
        Surrogates::append(Surrogates::isSurrogate(c) ? 0xFFFD : c, showable);
    }
    Utf8String utf8;
    convertFromUtf16String(Utf16N, Utf8N, &showable, utf8);
    return std::string(utf8.data(), utf8.length());
}

std::string displayText(const char16_t* text) {
    return displayText(ZUM::Utf16String(text));
}

ZUM::Utf16String fileNameText(const char* fileName) {
    return ZUM::FileSystem::widePath(fileName, static_cast<ZUM::u32>(std::strlen(fileName)));
}
