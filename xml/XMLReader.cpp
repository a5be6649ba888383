#include "xml/XMLReader.h"

#include <memory>

#include "base/CompositIFilter.h"
#include "base/Conveyer.h"
#include "base/Exception.h"
#include "base/FixedMemIFlow.h"
#include "base/FlowsModule.h"
#include "base/MemOFlow.h"
#include "encoding/DetectorRegistry.h"
#include "encoding/EncodingRegistry.h"
#include "file/FileIFlow.h"
#include "file/FileSystem.h"
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

int XMLReader::decodingFor(const MemBlock&, int detectedId) {
    return detectedId;
}

// Detects the encoding of the raw bytes and decodes them to UTF-16 units in
// native order.
XMLParserSrcUnit* XMLReader::decode(const Utf16String& name, const MemBlock& raw) {
    if (!detector) return nullptr;
    detector->reset();
    FixedMemIFlow probe(&raw);
    int id = detector->detect(&probe);
    if (id != 0) id = decodingFor(raw, id);
    if (id == 0) return nullptr;
    std::unique_ptr<CompositIFilter> chain(createFilterChain(id, Utf16N));
    if (!chain) return nullptr;
    FixedMemIFlow bytes(&raw);
    chain->attach(&bytes);
    MemOFlow units;
    Conveyer(chain.get(), &units).pump();
    const MemBlock* text = units.memBlock();
    return new XMLParserSrcUnit(name, reinterpret_cast<const u16*>(text->data), text->size / 2);
}

XMLParserSrcUnit* XMLReader::openFlow(const Utf16String& name, IFlow* input) {
    MemOFlow raw;
    Conveyer(input, &raw).pump();
    return decode(name, *raw.memBlock());
}

XMLParserSrcUnit* XMLReader::openFile(const Utf16String& name, std::FILE* file) {
    if (!file) return nullptr;
    FileIFlow input(file);
    return openFlow(name, &input);
}

XMLParserSrcUnit* XMLReader::openPath(const Utf16String& name, const Utf16String& path) {
    return openFile(name, FileSystem::open(path, "rb"));
}

XMLParserSrcUnit* XMLReader::openNarrowPath(const Utf16String& name, const char* path) {
    Utf8String bytes(path);
    Utf16String wide;
    // A narrow path is in the platform's own encoding, UTF-8 here.
    if (!convertToUtf16String(Utf8N, Utf16N, &bytes, wide)) return nullptr;
    return openPath(name, wide);
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
    } else {
        return nullptr;
    }
    try {
        return openNarrowPath(identifier, path.terminate());
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

Document* loadDocument(XMLReader& reader, const Utf16String& path) {
    XMLParser parser(sharedDOMImplementation(), &reader, reader.getErrorWriter());
    XMLParserSrcUnit* unit = reader.openPath(Utf16String(u"unknown"), path);
    if (!unit) return nullptr;
    parser.getSource().pushUnit(unit);
    return parser.parseDocument() ? parser.takeDocument() : nullptr;
}

Document* loadDocument(const Utf16String& path, TextWriter<u16>* errorWriter) {
    XMLReader reader(errorWriter ? errorWriter : sharedTextWriter16(), nullptr);
    return loadDocument(reader, path);
}

} // namespace ZUM
