#include "xml/XMLReader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/FixedMemIFlow.h"
#include "tests/ReaderText.h"
#include "tests/Scratch.h"
#include "xml/Document.h"

using namespace ZUM;

namespace {

class XMLReaderTest : public Scratch {
protected:
    XMLReader reader{nullptr, nullptr};
    const Utf16String name{u"unknown"};
};

} // namespace

TEST_F(XMLReaderTest, DecodesWhatTheDetectorFinds) {
    const std::string sjis = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a>\x90\x85</a>";
    FixedMemIFlow input(sjis.data(), static_cast<u32>(sjis.size()));
    EXPECT_EQ(textOf(reader.openFlow(name, &input)),
              "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a>\xE6\xB0\xB4</a>");
    FixedMemIFlow tooShort("<a", 2);
    EXPECT_EQ(textOf(reader.openFlow(name, &tooShort)), "<null>"); // no encoding decided
}

TEST_F(XMLReaderTest, LocationsOpenFilesOfPlainOrFileKinds) {
    write("doc.xml", "<d/>");
    EXPECT_EQ(textOf(reader.openPath(name, wide(path("doc.xml")))), "<d/>");
    EXPECT_EQ(textOf(reader.openLocation(wide("file://" + path("doc.xml")))), "<d/>");
    reader.setBaseDirectory(root.c_str());
    EXPECT_EQ(textOf(reader.openLocation(wide("doc.xml"))), "<d/>");
    EXPECT_EQ(textOf(reader.openExternal(nullptr, nullptr)), "<null>");
    const Utf16String relative = wide("doc.xml");
    EXPECT_EQ(textOf(reader.openExternal(&relative, nullptr)), "<d/>"); // no catalog: a location
    for (const char* refused : {"javascript:doc.xml", "debug:doc.xml"})
        EXPECT_EQ(textOf(reader.openLocation(wide(refused))), "<null>") << refused;
    EXPECT_EQ(textOf(reader.openPath(name, wide(path("missing.xml")))), "<null>");
}

TEST_F(XMLReaderTest, CatalogEntriesNameFiles) {
    write("dtd.ent", "<e/>");
    LinkList<CatalogUnit> catalog;
    CatalogUnit entry{{}, CatalogUnit::Public, Utf8String("-//Q//E"), Utf8String("dtd.ent")};
    catalog.append(&entry);
    XMLReader withCatalog(nullptr, &catalog);
    withCatalog.setCatalogDirectory(root.c_str());
    EXPECT_EQ(textOf(withCatalog.openPublic(wide("-//Q//E"))), "<e/>");
    EXPECT_EQ(textOf(withCatalog.openSystem(wide("-//Q//E"))), "<null>"); // wrong kind
}

TEST_F(XMLReaderTest, LoadDocumentAnswersNullForMissingAndMalformedFiles) {
    EXPECT_EQ(loadDocument(wide(path("missing.xml")), nullptr), nullptr);
    write("bad.xml", "<a><b></a>");
    testing::internal::CaptureStderr();
    EXPECT_EQ(loadDocument(wide(path("bad.xml")), nullptr), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("ERROR:"), std::string::npos);
    write("good.xml", "\xEF\xBB\xBF<a/>");
    std::unique_ptr<Document> document(loadDocument(wide(path("good.xml")), nullptr));
    ASSERT_NE(document, nullptr);
}
