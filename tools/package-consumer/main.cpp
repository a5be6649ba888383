// Decodes Shift_JIS text and loads an XML file with the installed ZUM library;
// prints the text and the name of the document's root element.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "base/Library.h"
#include "encoding/EncodingRegistry.h"
#include "xml/Document.h"
#include "xml/XMLReader.h"

using namespace ZUM;

namespace {

std::string utf8Of(const Utf16String& text) {
    Utf8String bytes;
    convertFromUtf16String(Utf16N, Utf8N, &text, bytes);
    return std::string(bytes.data(), bytes.length());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: zum-consumer FILE.xml\n", stderr);
        return 64;
    }
    startLibrary();
    const Utf8String sjis("\x90\x85"); // 水
    Utf16String text;
    const bool decoded = convertToUtf16String(ShiftJis, Utf16N, &sjis, text);

    const Utf8String name(argv[1], static_cast<u32>(std::strlen(argv[1])));
    Utf16String path;
    convertToUtf16String(Utf8N, Utf16N, &name, path);
    std::unique_ptr<Document> document(loadDocument(path, nullptr));
    Node* root = document ? document->getFirstChild() : nullptr;
    while (root && root->getNodeType() != 1) root = root->getNextSibling();
    const bool ok = decoded && root;
    if (ok) std::printf("%s %s\n", utf8Of(text).c_str(), utf8Of(*root->getNodeName()).c_str());
    document.reset();
    stopLibrary();
    return ok ? 0 : 1;
}
