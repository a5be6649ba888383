// Serialisation of a generated ncc.html-like document (a head of metadata, a
// body of headings with links and page markers), the same tree built in each
// library beforehand: ours writes UTF-16 into a MemOFlow, libxml2 dumps with
// xmlDocDumpMemory, pugixml saves into a string (both in UTF-8). Compare the
// times per iteration: the document is the same.
#include <benchmark/benchmark.h>

#include <libxml/tree.h>
#include <pugixml.hpp>

#include <memory>
#include <string>
#include <vector>

#include "base/Library.h"
#include "base/MemOFlow.h"
#include "xml/Attr.h"
#include "xml/Document.h"
#include "xml/Element.h"
#include "xml/Text.h"
#include "xml/XMLDecl.h"
#include "xml/XMLOutputter.h"

namespace {

constexpr int Headings = 40000; // about 10 MB of text

using Attributes = std::vector<std::pair<const char*, std::string>>;

// Drives a builder through the document: start(name, attributes), text(data), end().
template <class Builder>
void generate(Builder& b) {
    b.start("html", {{"xmlns", "http://www.w3.org/1999/xhtml"}});
    b.start("head", {});
    b.start("title", {});
    b.text("Sample Book & Co. \xE6\x95\x99\xE7\xA7\x91\xE6\x9B\xB8");
    b.end();
    const char* names[] = {"dc:title",    "dc:creator",        "dc:date",        "dc:format",
                           "ncc:pages",   "ncc:totalTime",     "vorka:producer", "vorka:version",
                           "dc:language", "ncc:multimediaType"};
    for (const char* name : names) {
        b.start("meta", {{"name", name}, {"content", std::string("value of ") + name}});
        b.end();
    }
    b.end();
    b.start("body", {});
    for (int i = 1; i <= Headings; ++i) {
        std::string n = std::to_string(i);
        b.text("\n");
        b.start(i % 10 == 1 ? "h1" : "h2", {{"class", "section"}, {"id", "h" + n}});
        b.start("a", {{"href", "bk" + n + ".smil#t" + n}});
        b.text("Chapter " + n + " \xE7\xAC\xAC" + n + "\xE7\xAB\xA0 <Exercises & \"Answers\">");
        b.end();
        b.end();
        b.text("\n");
        b.start("span", {{"class", "page-normal"}, {"id", "p" + n}});
        b.start("a", {{"href", "bk" + n + ".smil#p" + n}});
        b.text(n);
        b.end();
        b.end();
    }
    b.end();
    b.end();
}

// UTF-8 to UTF-16 for the ASCII and BMP text above.
ZUM::Utf16String toUtf16(const std::string& utf8) {
    ZUM::Utf16String out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = utf8[i];
        if (c < 0x80) {
            out.push(c);
            i += 1;
        } else if (c < 0xE0) {
            out.push(ZUM::u16(((c & 0x1F) << 6) | (utf8[i + 1] & 0x3F)));
            i += 2;
        } else {
            out.push(
                ZUM::u16(((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F)));
            i += 3;
        }
    }
    return out;
}

struct ZumBuilder {
    ZUM::Document* doc;
    ZUM::Node* current;

    void start(const char* name, const Attributes& attributes) {
        ZUM::Element* element = doc->createElement(toUtf16(name));
        for (const auto& [key, value] : attributes) {
            ZUM::Utf16String text = toUtf16(value);
            ZUM::setAttribute(*element, toUtf16(key), &text);
        }
        current->appendChild(element);
        current = element;
    }
    void text(const std::string& data) {
        ZUM::Utf16String value = toUtf16(data);
        current->appendChild(doc->createTextNode(&value));
    }
    void end() { current = current->getParentNode(); }
};

struct LibxmlBuilder {
    xmlDocPtr doc;
    xmlNodePtr current = nullptr;

    static const xmlChar* x(const char* s) { return reinterpret_cast<const xmlChar*>(s); }
    void start(const char* name, const Attributes& attributes) {
        xmlNodePtr node = xmlNewDocNode(doc, nullptr, x(name), nullptr);
        for (const auto& [key, value] : attributes) xmlSetProp(node, x(key), x(value.c_str()));
        if (current)
            xmlAddChild(current, node);
        else
            xmlDocSetRootElement(doc, node);
        current = node;
    }
    void text(const std::string& data) {
        xmlAddChild(current, xmlNewDocText(doc, x(data.c_str())));
    }
    void end() { current = current->parent; }
};

struct PugiBuilder {
    pugi::xml_node current;

    void start(const char* name, const Attributes& attributes) {
        current = current.append_child(name);
        for (const auto& [key, value] : attributes)
            current.append_attribute(key).set_value(value.c_str());
    }
    void text(const std::string& data) {
        current.append_child(pugi::node_pcdata).set_value(data.c_str());
    }
    void end() { current = current.parent(); }
};

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

// The three trees, built once per process before any timing: a tree rebuilt
// in a heap full of freed nodes is scattered, and walking it then measures
// the allocator's layout rather than the serialiser.
struct Trees {
    std::unique_ptr<ZUM::Document> zum;
    xmlDocPtr libxml2;
    pugi::xml_document pugixml;

    Trees() {
        ZUM::startLibrary();
        zum = std::make_unique<ZUM::Document>();
        for (const char* name : {"version", "encoding"}) {
            ZUM::Attr* attribute = zum->createAttribute(toUtf16(name));
            attribute->setNodeValue(toUtf16(name[0] == 'v' ? "1.0" : "UTF-8"));
            zum->getXMLDecl()->getAttributes()->setNamedItem(attribute);
        }
        ZumBuilder zumBuilder{zum.get(), zum.get()};
        generate(zumBuilder);

        libxml2 = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
        libxml2->encoding = xmlStrdup(reinterpret_cast<const xmlChar*>("UTF-8"));
        LibxmlBuilder libxmlBuilder{libxml2};
        generate(libxmlBuilder);

        pugi::xml_node decl = pugixml.append_child(pugi::node_declaration);
        decl.append_attribute("version").set_value("1.0");
        decl.append_attribute("encoding").set_value("UTF-8");
        PugiBuilder pugiBuilder{pugixml};
        generate(pugiBuilder);
    }
    ~Trees() { xmlFreeDoc(libxml2); }
};

Trees& trees() {
    static Trees built;
    return built;
}

// The flow's block starts small and grows to the exact size at every write,
// as in the repair; with `reserved`, it is allocated at the final size first,
// which leaves the serialiser's own cost.
void outputZum(benchmark::State& state, bool reserved) {
    ZUM::Document& doc = *trees().zum;
    ZUM::u32 bytes = 0;
    for (auto _ : state) {
        ZUM::MemOFlow flow(ZUM::MemBlock::create(reserved ? bytes : 10), false);
        ZUM::XMLOutputter out(&flow, ZUM::XMLOutputter::RestoreReferences);
        doc.output(out);
        bytes = flow.memBlock()->size;
        benchmark::DoNotOptimize(flow.memBlock()->data);
    }
    state.counters["units"] = double(bytes / 2);
}

void XmlOutputZum(benchmark::State& state) {
    outputZum(state, false);
}

void XmlOutputZumReserved(benchmark::State& state) {
    outputZum(state, true);
}

void XmlOutputLibxml2(benchmark::State& state) {
    xmlDocPtr doc = trees().libxml2;
    int64_t bytes = 0;
    for (auto _ : state) {
        xmlChar* text = nullptr;
        int size = 0;
        xmlDocDumpMemory(doc, &text, &size);
        bytes = size;
        benchmark::DoNotOptimize(text);
        xmlFree(text);
    }
    state.counters["bytes"] = double(bytes);
}

void XmlOutputPugixml(benchmark::State& state) {
    pugi::xml_document& doc = trees().pugixml;
    int64_t bytes = 0;
    for (auto _ : state) {
        StringWriter writer;
        doc.save(writer, "", pugi::format_raw);
        bytes = int64_t(writer.text.size());
        benchmark::DoNotOptimize(writer.text.data());
    }
    state.counters["bytes"] = double(bytes);
}

} // namespace

BENCHMARK(XmlOutputZum)->Unit(benchmark::kMillisecond);
BENCHMARK(XmlOutputZumReserved)->Unit(benchmark::kMillisecond);
BENCHMARK(XmlOutputLibxml2)->Unit(benchmark::kMillisecond);
BENCHMARK(XmlOutputPugixml)->Unit(benchmark::kMillisecond);
