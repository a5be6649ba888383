// The nesting bound keeps a parse, and the destruction of what it built,
// within the 1 MiB stack of a Windows main thread. Run where the stack size
// of a thread can be chosen.
#if defined(__unix__)

#include <gtest/gtest.h>
#include <pthread.h>

#include <memory>
#include <string>

#include "xml/Document.h"
#include "xml/XMLParser.h"

using namespace ZUM;

namespace {

struct Job {
    std::u16string text;
    bool parsed = false;
};

void* parseAndDelete(void* argument) {
    auto* job = static_cast<Job*>(argument);
    std::unique_ptr<Document> document(XMLParser::parseUnits(
        reinterpret_cast<const u16*>(job->text.data()), static_cast<u32>(job->text.size())));
    job->parsed = document != nullptr;
    return nullptr;
}

bool parsesOnSmallStack(Job& job) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 1 << 20);
    pthread_t thread;
    bool started = pthread_create(&thread, &attributes, parseAndDelete, &job) == 0;
    pthread_attr_destroy(&attributes);
    if (started) pthread_join(thread, nullptr);
    return started;
}

TEST(XMLParserStackTest, DeepestAcceptedDocumentFitsInOneMebibyte) {
    const int depth = XMLParser::MaxDepth;
    Job elements;
    for (int i = 0; i < depth; ++i) elements.text += u"<a x=\"1\">t";
    for (int i = 0; i < depth; ++i) elements.text += u"</a>";
    ASSERT_TRUE(parsesOnSmallStack(elements));
    EXPECT_TRUE(elements.parsed);

    Job groups;
    groups.text = u"<!DOCTYPE a [<!ELEMENT a " + std::u16string(depth, u'(') + u"b" +
                  std::u16string(depth, u')') + u">]><a/>";
    ASSERT_TRUE(parsesOnSmallStack(groups));
    EXPECT_TRUE(groups.parsed);
}

} // namespace

#endif
