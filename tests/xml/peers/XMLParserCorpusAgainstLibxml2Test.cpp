#include <gtest/gtest.h>

#include <string>

#include "tests/xml/Corpus.h"
#include "tests/xml/peers/ReferenceShape.h"

using namespace ZUM;
using namespace ParseSupport;

namespace {

// Documents whose trees libxml2 must build alike, though parse and output do
// not give them back unchanged: references are expanded.
const char16_t* const expanded[] = {
    (u"<!DOCTYPE a [<!ENTITY e \"<b x='1'>x</b>y\"><!ENTITY f \"[&e;]\"><!ENTITY g \"gee\">]>"
     u"<a t=\"&g;&lt;&g;\">1&e;2&f;</a>"),
    u"<a>&#65;&#x42;&#x3042;&lt;&amp;&gt;&quot;&apos;</a>",
    u"<!DOCTYPE a [<!ENTITY s \"<?pi in entity?><!--c--><![CDATA[x]]>\">]><a>&s;&s;</a>",
};

TEST(XMLParserCorpusAgainstLibxml2, TreesMatch) {
    int compared = 0;
    auto compare = [&compared](const char16_t* text) {
        SCOPED_TRACE(utf8(text));
        auto result = parse(text);
        ASSERT_NE(result.document, nullptr) << result.diagnostics;
        Node* root = result.document->getLastChild();
        while (root && root->getNodeType() != Node::ElementNode) root = root->getPreviousSibling();
        ASSERT_NE(root, nullptr);
        std::string reference = referenceShape(text);
        ASSERT_FALSE(reference.empty());
        EXPECT_EQ(shape(*root), reference);
        ++compared;
    };
    for (const char16_t* text : corpus) compare(text);
    for (const char16_t* text : expanded) compare(text);
    EXPECT_EQ(compared, 9);
}

} // namespace
