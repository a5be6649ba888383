// Fuzz target for the whole load-and-save path of a repair: any bytes are
// detected, decoded by the repair's rules, parsed, serialised with the kept
// references restored and encoded as UTF-8. Nothing may crash, leak or read
// out of bounds, whatever the input. Built by the "fuzz" preset (clang's
// libFuzzer); run as: build/fuzz/load-fuzzer -max_total_time=600 CORPUS_DIR
#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/RepairReader.h"
#include "base/CompositIFilter.h"
#include "base/Exception.h"
#include "base/FixedMemIFlow.h"
#include "base/Library.h"
#include "base/MemOFlow.h"
#include "base/NullOFlow.h"
#include "base/TextWriter.h"
#include "encoding/EncodingRegistry.h"
#include "tools/fuzz/Pump.h"
#include "xml/DOMModule.h"
#include "xml/Document.h"
#include "xml/XMLOutputter.h"
#include "xml/XMLParser.h"
#include "xml/XMLParserSrc.h"

using namespace ZUM;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = startLibrary();
    if (!started || size > (1u << 20)) return 0;
    NullOFlow silence;
    TextWriter<u16> quiet(&silence);
    RepairReader reader(&quiet);
    FixedMemIFlow input(data, static_cast<u32>(size));
    XMLParserSrcUnit* unit = nullptr;
    try {
        unit = reader.openFlow(Utf16String(u"fuzz"), &input);
    } catch (const IOException&) {
        return 0;
    }
    if (!unit) return 0;
    XMLParser parser(sharedDOMImplementation(), &reader, &quiet);
    parser.getSource().pushUnit(unit);
    if (!parser.parseDocument()) return 0;
    std::unique_ptr<Document> document(parser.takeDocument());
    MemOFlow text;
    XMLOutputter out(&text, XMLOutputter::RestoreReferences);
    document->output(out);
    std::unique_ptr<CompositIFilter> chain(createFilterChain(Utf16N, Utf8));
    FixedMemIFlow units(text.memBlock());
    pumpQuietly(*chain, units);
    return 0;
}
