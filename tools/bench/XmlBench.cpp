// XML parse throughput on a generated ncc.html-like document of about 10 MB,
// beside libxml2 and pugixml on the same document in the same run. Figures
// are MB of the document's UTF-16 form per second for every contender, so
// their ratios are ratios of time. libxml2 reads the UTF-16 form, as we do,
// and the UTF-8 form, its own; pugixml reads the UTF-8 form.
#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <pugixml.hpp>

#include <malloc.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <string>

#include "base/Library.h"
#include "base/MemOFlow.h"
#include "xml/Document.h"
#include "xml/XMLOutputter.h"
#include "xml/XMLParser.h"

namespace {

std::string utf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char16_t c : text) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string number(int n) {
    std::string digits = std::to_string(n);
    return {digits.begin(), digits.end()};
}

// A DAISY 2.02 navigation file: Dublin Core and "vorka:" metadata in the
// head, then headings h1 to h6 linking into SMIL files, with page spans.
std::u16string nccDocument(std::size_t utf8Bytes) {
    std::u16string doc =
        u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML "
        u"1.0 Transitional//EN\" \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
        u"<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n"
        u"<meta http-equiv=\"Content-type\" content=\"text/html; charset=utf-8\" />\n"
        u"<title>\u6570\u5B66 \u4E2D\u5B66\u6821 1\u5E74</title>\n";
    const char16_t* meta[][2] = {
        {u"dc:title", u"\u6570\u5B66 \u4E2D\u5B66\u6821 1\u5E74"},
        {u"dc:creator", u"Pelorin Textbook Project"},
        {u"dc:date", u"2024-04-01"},
        {u"dc:format", u"Daisy 2.02"},
        {u"dc:identifier", u"JP-PLR-000123"},
        {u"dc:language", u"ja"},
        {u"dc:publisher", u"Pelorin"},
        {u"ncc:charset", u"utf-8"},
        {u"ncc:generator", u"Pelorin 3.1"},
        {u"ncc:multimediaType", u"textNCC"},
        {u"ncc:totalTime", u"12:34:56"},
        {u"vorka:producer", u"Studio"},
        {u"vorka:narrator", u"Synthetic"},
        {u"vorka:revision", u"7"},
    };
    for (auto& [name, content] : meta)
        doc += u"<meta name=\"" + std::u16string(name) + u"\" content=\"" + content + u"\" />\n";
    doc += u"</head>\n<body>\n";
    int id = 1, page = 1;
    std::size_t measured = 0; // the UTF-8 size of doc[0, measuredUnits)
    std::size_t measuredUnits = 0;
    while (measured < utf8Bytes) {
        for (int i = 0; i < 1000; ++i, ++id) {
            std::u16string level = number(1 + id % 6);
            std::u16string smil = u"ncc" + number(id / 40) + u".smil#";
            doc += u"<h" + level + u" id=\"h" + number(id) + u"\"><a href=\"" + smil + u"h" +
                   number(id) + u"\">\u7B2C" + number(id) + u"\u7BC0 Section " + number(id) +
                   u" &amp; exercises</a></h" + level + u">\n";
            if (id % 3 == 0) {
                doc += u"<span class=\"page-normal\" id=\"p" + number(page) + u"\"><a href=\"" +
                       smil + u"p" + number(page) + u"\">" + number(page) + u"</a></span>\n";
                ++page;
            }
        }
        measured += utf8(doc.substr(measuredUnits)).size();
        measuredUnits = doc.size();
    }
    return doc + u"</body>\n</html>\n";
}

struct Fixture {
    std::u16string utf16;
    std::string utf8Text;

    Fixture() : utf16(nccDocument(10 * 1000 * 1000)), utf8Text(utf8(utf16)) {
        // Freed memory stays with the process, so no contender pays again for
        // mapping the pages of the previous iteration's tree: the figures
        // measure parsing, not how this machine maps fresh pages.
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
        mallopt(M_MMAP_THRESHOLD, 1 << 30);
        ZUM::startLibrary();
    }
    ~Fixture() { ZUM::stopLibrary(); }
    std::int64_t bytes() const { return std::int64_t(utf16.size() * 2); }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

ZUM::Document* parseOurs() {
    const Fixture& f = fixture();
    return ZUM::XMLParser::parseUnits(reinterpret_cast<const ZUM::u16*>(f.utf16.data()),
                                      static_cast<ZUM::u32>(f.utf16.size()));
}

xmlDoc* parseLibxml2() {
    const Fixture& f = fixture();
    return xmlReadMemory(f.utf8Text.data(), int(f.utf8Text.size()), "ncc.html", "UTF-8",
                         XML_PARSE_NONET);
}

xmlDoc* parseLibxml2Utf16() {
    const Fixture& f = fixture();
    return xmlReadMemory(reinterpret_cast<const char*>(f.utf16.data()), int(f.bytes()), "ncc.html",
                         "UTF-16LE", XML_PARSE_NONET);
}

bool parsePugixml(pugi::xml_document& document) {
    const Fixture& f = fixture();
    return document.load_buffer(f.utf8Text.data(), f.utf8Text.size(), pugi::parse_full,
                                pugi::encoding_utf8);
}

void XmlParseZum(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<ZUM::Document> document(parseOurs());
        if (!document) state.SkipWithError("parse failed");
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes());
}

void XmlParseLibxml2(benchmark::State& state) {
    for (auto _ : state) xmlFreeDoc(parseLibxml2());
    state.SetBytesProcessed(state.iterations() * fixture().bytes());
}

void XmlParseLibxml2Utf16(benchmark::State& state) {
    for (auto _ : state) {
        xmlDoc* document = parseLibxml2Utf16();
        if (!document) state.SkipWithError("parse failed");
        xmlFreeDoc(document);
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes());
}

void XmlParsePugixml(benchmark::State& state) {
    for (auto _ : state) {
        pugi::xml_document document;
        if (!parsePugixml(document)) state.SkipWithError("parse failed");
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes());
}

// Our parse and libxml2's of its own UTF-8 form, alternating in every
// iteration, so that both see the same machine load; "x_libxml2" is the
// ratio of the two times.
void XmlParseBesideLibxml2(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    fixture();
    Clock::duration ours{}, theirs{};
    for (auto _ : state) {
        const auto start = Clock::now();
        const bool parsed = std::unique_ptr<ZUM::Document>(parseOurs()) != nullptr;
        const auto middle = Clock::now();
        xmlFreeDoc(parseLibxml2());
        theirs += Clock::now() - middle;
        ours += middle - start;
        if (!parsed) state.SkipWithError("parse failed");
    }
    state.counters["x_libxml2"] = double(ours.count()) / double(theirs.count());
}

// Output as the repair writes it: UTF-16 into a memory block, flags 0x04.
void XmlParseSerialiseZum(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<ZUM::Document> document(parseOurs());
        if (!document) state.SkipWithError("parse failed");
        ZUM::MemOFlow flow;
        flow.reserve(static_cast<ZUM::u32>(fixture().bytes() + 4096)); // as the repair does
        ZUM::XMLOutputter outputter(&flow, ZUM::XMLOutputter::RestoreReferences);
        document->output(outputter);
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes());
}

void XmlParseSerialiseLibxml2(benchmark::State& state) {
    for (auto _ : state) {
        xmlDoc* document = parseLibxml2();
        xmlChar* text = nullptr;
        int size = 0;
        xmlDocDumpMemory(document, &text, &size);
        xmlFree(text);
        xmlFreeDoc(document);
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes());
}

void XmlParseSerialisePugixml(benchmark::State& state) {
    for (auto _ : state) {
        pugi::xml_document document;
        parsePugixml(document);
        std::ostringstream out;
        document.save(out, "", pugi::format_raw);
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes());
}

BENCHMARK(XmlParseZum)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(XmlParseLibxml2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(XmlParseLibxml2Utf16)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(XmlParsePugixml)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(XmlParseBesideLibxml2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(XmlParseSerialiseZum)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(XmlParseSerialiseLibxml2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(XmlParseSerialisePugixml)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
