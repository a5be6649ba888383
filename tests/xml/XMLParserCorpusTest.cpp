#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "tests/xml/Corpus.h"
#include "tests/xml/DomText.h"
#include "tests/xml/ParseSupport.h"

using namespace ZUM;
using namespace ParseSupport;

namespace {

// Parse and output with the repair tool's flags give the text back.
TEST(XMLParserCorpusTest, ParseAndOutputGiveTheTextBack) {
    std::vector<const char16_t*> documents(std::begin(corpus), std::end(corpus));
    // References to entities declared nowhere the parser reads survive a repair.
    documents.push_back(u"<?xml version=\"1.0\" ?><p title=\"x&eacute;y\">a&nbsp;b&amp;c</p>");
    documents.push_back(u"<?xml version=\"1.0\" ?><!DOCTYPE p [<!ENTITY e \"&mdash;&lt;\" >]>"
                        u"<p><?pi?><!----> </p>");
    for (const char16_t* text : documents) {
        SCOPED_TRACE(utf8(text));
        auto result = parse(text);
        ASSERT_NE(result.document, nullptr) << result.diagnostics;
        EXPECT_EQ(domtext::serialise(*result.document), domtext::ascii(Utf16String(text)));
    }
}

} // namespace
