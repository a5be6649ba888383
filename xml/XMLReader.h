#pragma once

#include "base/LinkList.h"
#include "base/MemBlock.h"
#include "base/TString.h"
#include "http/HttpFetch.h"
#include "xml/CatalogUnit.h"

namespace ZUM {

class Detector;
class Document;
class IFlow;
class Location;
class XMLParserSrcUnit;
template <typename T>
class TextWriter;

// Turns a place where a document lives (a path, a flow, a catalog identifier,
// a location) into parser input: all its bytes, their encoding detected,
// decoded to UTF-16. Every open operation answers a new unit the caller owns,
// or null when the source cannot be opened or decoded. The fetch settings serve
// "http://" locations.
class XMLReader : public HttpFetch {
public:
    // Neither the writer nor the catalog is owned; a null catalog is empty.
    XMLReader(TextWriter<u16>* errorWriter, LinkList<CatalogUnit>* catalog);
    virtual ~XMLReader();
    XMLReader(const XMLReader&) = delete;
    XMLReader& operator=(const XMLReader&) = delete;

    virtual XMLParserSrcUnit* openPublic(const Utf16String& identifier);
    virtual XMLParserSrcUnit* openSystem(const Utf16String& identifier);
    // Decodes everything the flow yields; an IOException while reading or
    // converting passes out.
    virtual XMLParserSrcUnit* openFlow(const Utf16String& name, IFlow* input);
    virtual XMLParserSrcUnit* openPath(const Utf16String& name, const Utf16String& path);
    virtual XMLParserSrcUnit* openNarrowPath(const Utf16String& name, const char* path);
    // A relative path, a "file:" location, or an "http://" location whose reply
    // has a 2xx status; other kinds are not opened.
    virtual XMLParserSrcUnit* openLocation(const Utf16String& identifier);
    virtual XMLParserSrcUnit* openExternal(const Utf16String* identifier,
                                           const Utf16String* second);
    virtual XMLParserSrcUnit* openSystemOrLocation(const Utf16String& identifier);

    TextWriter<u16>* getErrorWriter() const { return errorWriter; }
    void setBaseDirectory(const char* directory);
    void setCatalogDirectory(const char* directory);

protected:
    // Decodes `raw`, detected as encoding `id`, into `text`; false refuses the
    // document. This one takes whatever the decoder makes of the bytes.
    virtual bool decodeText(const MemBlock& raw, int id, Utf16String& text);
    // Whether the decoded text may be parsed; false refuses the document.
    virtual bool acceptsText(const Utf16String& text);

private:
    XMLParserSrcUnit* decode(const Utf16String& name, const MemBlock& raw);
    XMLParserSrcUnit* readAndDecode(const Utf16String& name, IFlow* input, u32 sizeHint);
    XMLParserSrcUnit* openFile(const Utf16String& name, std::FILE* file);
    XMLParserSrcUnit* openHttp(const Utf16String& name, const Location& location);
    XMLParserSrcUnit* openCatalogEntry(const Utf16String& identifier, std::int32_t kind);
    bool toIdentifierBytes(const Utf16String& identifier, Utf8String& bytes) const;

    LinkList<CatalogUnit>* catalog;
    TextWriter<u16>* errorWriter;
    Detector* detector;
    Utf8String* baseDirectory = nullptr;
    int identifierEncoding = 1;
    Utf8String* catalogDirectory = nullptr;
};

// Loads the document at `path`: a new Document for the caller, or null when the
// file cannot be opened or decoded, or does not parse (the parse error goes to
// standard error). A null writer means the library's shared one.
Document* loadDocument(const Utf16String& path, TextWriter<u16>* errorWriter);
// The same through a given reader, whose decoding choices apply.
Document* loadDocument(XMLReader& reader, const Utf16String& path);
// Parses `unit` (taken over; null gives null) through the reader into a new
// Document, or null when it does not parse.
Document* parseDocument(XMLReader& reader, XMLParserSrcUnit* unit);

} // namespace ZUM
