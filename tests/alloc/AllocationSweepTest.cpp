// Every allocation of a parse, a load, a serialisation and a whole repair,
// refused in turn: the n-th allocation fails, for n = 0, 1, ... until the
// operation runs through without meeting the refusal. A refusal must reach the
// library's caller as std::bad_alloc, a repair must answer the code of the
// stage it struck and keep the book's bytes at its path or at ".old", and
// nothing may leak (LeakSanitizer checks that in the sanitizer build).
//
// This program replaces the global operator new, so it is a program of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/RepairStages.h"
#include "base/MemOFlow.h"
#include "base/RawMemory.h"
#include "tests/app/RepairSupport.h"
#include "xml/Document.h"
#include "xml/XMLOutputter.h"
#include "xml/XMLParser.h"
#include "xml/XMLReader.h"

namespace {

// Allocations are counted while counting is set; the one numbered refusedAt
// fails (with onward, every one from there on: memory that stays exhausted),
// and struck tells that it came.
bool counting = false;
long long taken = 0;
long long refusedAt = -1;
bool onward = false;
bool struck = false;

bool refuse() {
    if (!counting) return false;
    const long long index = taken++;
    if (refusedAt < 0 || index < refusedAt || (index > refusedAt && !onward)) return false;
    struck = true;
    return true;
}

// Out of line, so that the compiler sees no malloc freed by a delete.
[[gnu::noinline]] void release(void* block) noexcept {
    std::free(block);
}

} // namespace

void* operator new(std::size_t bytes) {
    if (!refuse()) {
        if (void* block = std::malloc(bytes ? bytes : 1)) return block;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t bytes) {
    return ::operator new(bytes);
}
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept {
    return refuse() ? nullptr : std::malloc(bytes ? bytes : 1);
}
void* operator new[](std::size_t bytes, const std::nothrow_t& tag) noexcept {
    return ::operator new(bytes, tag);
}
void operator delete(void* block) noexcept {
    release(block);
}
void operator delete[](void* block) noexcept {
    release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    release(block);
}

using namespace ZUM;

namespace {

struct Outcome {
    bool raised; // std::bad_alloc reached the caller
    bool struck; // the refused allocation was asked for
};

// Runs `operate` with allocation n refused (none for n < 0). Any exception
// other than std::bad_alloc passes out and fails the test.
template <typename Operate>
Outcome refusing(long long n, Operate operate) {
    taken = 0;
    refusedAt = n;
    struck = false;
    counting = true;
    RawMemory::setRefusal(refuse);
    bool raised = false;
    try {
        operate();
    } catch (const std::bad_alloc&) {
        raised = true;
    }
    counting = false;
    RawMemory::setRefusal(nullptr);
    return {raised, struck};
}

// Calls attempt(n) for n = 0, 1, ... until it answers that the refusal did
// not strike, first with one allocation refused, then with every one from the
// n-th on. Answers the allocations of the run that met no refusal.
template <typename Attempt>
long long sweepBoth(Attempt attempt) {
    long long all = 0;
    for (const bool stays : {true, false}) {
        SCOPED_TRACE(stays ? "every allocation refused from the n-th on" : "one allocation refused");
        onward = stays;
        for (all = 0; attempt(all) && !::testing::Test::HasFailure();) ++all;
        onward = false;
    }
    return all;
}

// Sweeps a library operation: each refusal must reach the caller as
// std::bad_alloc.
template <typename Operate>
long long sweep(Operate operate) {
    return sweepBoth([&](long long n) {
        const Outcome outcome = refusing(n, operate);
        EXPECT_EQ(outcome.raised, outcome.struck) << "allocation " << n;
        return outcome.struck;
    });
}

const std::u16string Markup =
    u"<?xml version='1.0' encoding='UTF-16' standalone='yes'?>\n"
    u"<!DOCTYPE a [<!ELEMENT a (#PCDATA|b)*><!ATTLIST a x CDATA #IMPLIED y (p|q) 'p'>"
    u"<!ENTITY e 'once'><!ENTITY e 'one &#x41; two'><!NOTATION n SYSTEM 'n.txt'>"
    u"<!-- in the subset -->]>\n"
    u"<a xmlns='urn:a' xmlns:z='urn:z' z:x='1' x='&lt;&quot;'>&e;<!-- c --><?pi some data?>"
    u"<![CDATA[<raw>]]>&#x1F600;<b z:y=\"2\"/>text &amp; more<z:c/></a>";

std::unique_ptr<Document> parsed() {
    return std::unique_ptr<Document>(XMLParser::parseUnits(
        reinterpret_cast<const u16*>(Markup.data()), static_cast<u32>(Markup.size())));
}

std::u16string serialised(Document& document) {
    MemOFlow flow;
    XMLOutputter out(&flow, XMLOutputter::RestoreReferences);
    document.output(out);
    const MemBlock& block = *flow.memBlock();
    return {reinterpret_cast<const char16_t*>(block.data), block.size / 2};
}

TEST(AllocationSweep, FormatParseAndSerialiseReportEveryRefusal) {
    Utf8String line;
    EXPECT_GT(sweep([&] { line.format("%s %5d %x %.2f", "book", 42, 255u, 1.5); }), 5);
    EXPECT_EQ(std::string(line.data(), line.length()), "book    42 ff 1.50");

    const std::u16string expected = serialised(*parsed());
    std::unique_ptr<Document> document;
    EXPECT_GT(sweep([&] { document = parsed(); }), 100);
    ASSERT_TRUE(document);
    std::u16string text;
    EXPECT_GT(sweep([&] { text = serialised(*document); }), 10);
    EXPECT_EQ(text, expected);
}

// A small Shift_JIS book, so that a repair detects, decodes, re-encodes and
// relabels.
const std::string Book =
    "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n"
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
    "\"xhtml1-transitional.dtd\">\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head>\n"
    "<meta http-equiv=\"Content-type\" content=\"text/html; charset=Shift_JIS\" />\n"
    "<title>\x82\xa0\x8a\xbf</title><meta name=\"vorka:id\" content=\"1\" />\n"
    "<meta name=\"ncc:charset\" content=\"Shift_JIS\" /></head>\n"
    "<body><h1 id=\"n1\"><a href=\"c.smil#t1\">\x82\xa2 &amp; 1</a></h1></body></html>\n";

class AllocationSweepOnDisk : public repair::Repair {
protected:
    // The book at ncc.html, and an old backup directory with a file in it,
    // remade only when a run took it (removing a directory is slow).
    void lay() {
        write("ncc.html", Book);
        if (read("ncc.html.old/chapter.smil") == "old") return;
        const std::string old = path("ncc.html.old");
        std::error_code error;
        std::filesystem::remove_all(std::filesystem::path(std::u8string(old.begin(), old.end())),
                                    error);
        makeDirectory("ncc.html.old");
        write("ncc.html.old/chapter.smil", "old");
    }
    std::unique_ptr<RepairJob> job() {
        auto job = std::make_unique<RepairJob>(repair::pathOf(path("ncc.html")));
        job->updateCharset = true;
        return job;
    }
};

TEST_F(AllocationSweepOnDisk, LoadReportsEveryRefusal) {
    write("ncc.html", Book);
    const PathString book = repair::pathOf(path("ncc.html"));
    std::unique_ptr<Document> document;
    EXPECT_GT(sweep([&] { document.reset(loadDocument(book, nullptr)); }), 100);
    EXPECT_TRUE(document);
}

TEST_F(AllocationSweepOnDisk, RepairAnswersTheStageStruckAndKeepsTheBook) {
    // Where each stage's allocations end, from one run of the stages alone.
    lay();
    using Stage = ResultCode (*)(RepairJob&);
    const std::pair<Stage, ResultCode> stages[] = {{loadStage, NotXml},
                                                   {stripStage, NotAnNcc},
                                                   {relabelStage, NotAnNcc},
                                                   {backupStage, CannotRename},
                                                   {saveStage, CannotSave}};
    std::vector<long long> ends;
    ends.reserve(std::size(stages));
    {
        const std::unique_ptr<RepairJob> counted = job();
        refusing(-1, [&] {
            for (const auto& [stage, failure] : stages) {
                EXPECT_EQ(stage(*counted), Repaired);
                ends.push_back(taken);
            }
        });
    }
    const std::string repaired = read("ncc.html");
    ASSERT_FALSE(HasFailure());

    const long long all = sweepBoth([&](long long n) {
        lay();
        const std::unique_ptr<RepairJob> repair = job();
        ResultCode code = Repaired;
        const Outcome outcome = refusing(n, [&] { code = repair->run(); });
        EXPECT_FALSE(outcome.raised) << "allocation " << n;
        if (!outcome.struck) {
            EXPECT_EQ(code, Repaired);
            EXPECT_EQ(read("ncc.html"), repaired);
            return false;
        }
        const auto stage = std::upper_bound(ends.begin(), ends.end(), n) - ends.begin();
        EXPECT_LT(stage, std::ssize(ends));
        EXPECT_EQ(code, stages[std::min<std::size_t>(stage, 4)].second) << "allocation " << n;
        // Before the rename the book is where it was; after it, at ".old".
        EXPECT_EQ(read(code == CannotSave ? "ncc.html.old" : "ncc.html"), Book)
            << "allocation " << n;
        return true;
    });
    EXPECT_EQ(all, ends.back());
}

} // namespace
