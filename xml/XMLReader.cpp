#include "xml/XMLReader.h"

#include <cstring>
#include <memory>

#include "base/Conveyer.h"
#include "base/Exception.h"
#include "base/FixedMemIFlow.h"
#include "base/FlowsModule.h"
#include "base/MemOFlow.h"
#include "encoding/DetectorRegistry.h"
#include "encoding/EncodingRegistry.h"
#include "file/FileIFlow.h"
#include "file/FileSystem.h"
#include "http/HttpRequest.h"
#include "http/HttpResponse.h"
#include "http/Location.h"
#include "xml/DOMModule.h"
#include "xml/Document.h"
#include "xml/XMLParser.h"
#include "xml/XMLParserSrcUnit.h"

namespace ZUM {

XMLReader::XMLReader(TextWriter<u16>* errorWriter, LinkList<CatalogUnit>* catalog)
    : catalog(catalog), errorWriter(errorWriter), detector(createDetector(XmlDetectorId)) {}

XMLReader::~XMLReader() {
    delete detector;
    delete baseDirectory;
    delete catalogDirectory;
}

void XMLReader::setBaseDirectory(const char* directory) {
    delete baseDirectory;
    baseDirectory = directory ? new Utf8String(directory) : nullptr;
}

void XMLReader::setCatalogDirectory(const char* directory) {
    delete catalogDirectory;
    catalogDirectory = directory ? new Utf8String(directory) : nullptr;
}

bool XMLReader::decodeText(const MemBlock& raw, int id, Utf16String& text) {
    u64 losses;
    return decodeToUtf16(id, raw.data, raw.size, text, losses);
}

bool XMLReader::acceptsText(const Utf16String&) {
    return true;
}

// Detects the encoding of the raw bytes and decodes them to UTF-16 units in
// native order.
XMLParserSrcUnit* XMLReader::decode(const Utf16String& name, const MemBlock& raw) {
    if (!detector) return nullptr;
    detector->reset();
    FixedMemIFlow probe(&raw);
    const int id = detector->detect(&probe);
    if (id == 0) return nullptr;
    auto text = std::make_unique<Utf16String>();
    if (!decodeText(raw, id, *text) || !acceptsText(*text)) return nullptr;
    return new XMLParserSrcUnit(name, std::move(text));
}

XMLParserSrcUnit* XMLReader::openFlow(const Utf16String& name, IFlow* input) {
    return readAndDecode(name, input, 0);
}

XMLParserSrcUnit* XMLReader::readAndDecode(const Utf16String& name, IFlow* input, u32 sizeHint) {
    MemOFlow raw;
    raw.reserve(sizeHint);
    Conveyer(input, &raw).pump();
    return decode(name, *raw.memBlock());
}

XMLParserSrcUnit* XMLReader::openFile(const Utf16String& name, std::FILE* file) {
    if (!file) return nullptr;
    FileIFlow input(file);
    // The file's size, when it can be told, lets the bytes be read into one block.
    long size = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    std::rewind(file);
    const u32 hint = size > 0 && size < long(UINT32_MAX) ? static_cast<u32>(size) : 0;
    return readAndDecode(name, &input, hint);
}

XMLParserSrcUnit* XMLReader::openPath(const Utf16String& name, const Utf16String& path) {
    return openFile(name, FileSystem::open(path, "rb"));
}

XMLParserSrcUnit* XMLReader::openNarrowPath(const Utf16String& name, const char* path) {
    return openPath(name, FileSystem::widePath(path, static_cast<u32>(std::strlen(path))));
}

bool XMLReader::toIdentifierBytes(const Utf16String& identifier, Utf8String& bytes) const {
    return convertFromUtf16String(Utf16N, identifierEncoding, &identifier, bytes);
}

XMLParserSrcUnit* XMLReader::openCatalogEntry(const Utf16String& identifier, std::int32_t kind) {
    Utf8String key;
    if (!catalog || !toIdentifierBytes(identifier, key)) return nullptr;
    std::unique_ptr<Iterator<CatalogUnit>> entries(catalog->iterator());
    for (CatalogUnit* entry = entries->next(); entry; entry = entries->next()) {
        if (entry->kind != kind || !(entry->key == key)) continue;
        Utf8String path;
        if (catalogDirectory) {
            path.assign(*catalogDirectory);
            path.push(static_cast<char>(FileSystem::Separator));
        }
        path.append(entry->path);
        try {
            return openNarrowPath(identifier, path.terminate());
        } catch (const IOException&) {
            return nullptr;
        }
    }
    return nullptr;
}

XMLParserSrcUnit* XMLReader::openPublic(const Utf16String& identifier) {
    return openCatalogEntry(identifier, CatalogUnit::Public);
}

XMLParserSrcUnit* XMLReader::openSystem(const Utf16String& identifier) {
    return openCatalogEntry(identifier, CatalogUnit::System);
}

XMLParserSrcUnit* XMLReader::openLocation(const Utf16String& identifier) {
    Utf8String bytes;
    if (!toIdentifierBytes(identifier, bytes)) return nullptr;
    Location location;
    location.split(bytes);
    Utf8String path;
    if (location.kind == Location::Plain) {
        if (baseDirectory) {
            path.assign(*baseDirectory);
            path.push(static_cast<char>(FileSystem::Separator));
        }
        path.append(location.data);
    } else if (location.kind == Location::File) {
        path.assign(location.data);
    } else if (location.kind == Location::Http) {
        return openHttp(identifier, location);
    } else {
        return nullptr;
    }
    try {
        return openNarrowPath(identifier, path.terminate());
    } catch (const IOException&) {
        return nullptr;
    }
}

// Only a 2xx reply carries the document; an error page is not one.
XMLParserSrcUnit* XMLReader::openHttp(const Utf16String& name, const Location& location) {
    Utf8String target = requestTarget(location);
    Utf8String line;
    line.format("GET %s HTTP/1.1\r\n", target.terminate());
    HttpRequest request;
    request.setRequestLine(line);
    request.addHeader(Utf8String("User-Agent: zum\r\n"));
    request.addHeader(Utf8String("Connection: close\r\n"));
    std::int32_t status;
    const std::unique_ptr<HttpResponse> response(fetch(location, request, status));
    if (!response || !response->isSuccess()) return nullptr;
    try {
        return decode(name, response->body());
    } catch (const IOException&) {
        return nullptr;
    }
}

XMLParserSrcUnit* XMLReader::openExternal(const Utf16String* identifier, const Utf16String*) {
    if (!identifier) return nullptr;
    if (XMLParserSrcUnit* unit = openPublic(*identifier)) return unit;
    return openLocation(*identifier);
}

XMLParserSrcUnit* XMLReader::openSystemOrLocation(const Utf16String& identifier) {
    if (XMLParserSrcUnit* unit = openSystem(identifier)) return unit;
    return openLocation(identifier);
}

Document* parseDocument(XMLReader& reader, XMLParserSrcUnit* unit) {
    std::unique_ptr<XMLParserSrcUnit> owned(unit);
    if (!owned) return nullptr;
    XMLParser parser(sharedDOMImplementation(), &reader, reader.getErrorWriter());
    parser.getSource().pushUnit(owned.release());
    return parser.parseDocument() ? parser.takeDocument() : nullptr;
}

Document* loadDocument(XMLReader& reader, const Utf16String& path) {
    return parseDocument(reader, reader.openPath(Utf16String(u"unknown"), path));
}

Document* loadDocument(const Utf16String& path, TextWriter<u16>* errorWriter) {
    XMLReader reader(errorWriter ? errorWriter : sharedTextWriter16(), nullptr);
    return loadDocument(reader, path);
}

} // namespace ZUM
