#include "encoding/CenDictionaryEntry.h"

#include <gtest/gtest.h>

using namespace ZUM;

namespace {

int idOf(const char* name) {
    for (const CenDictionaryEntry* entry = cenDictionaryEntries; entry->id != 0; ++entry) {
        if (compareEncodingNames(entry->name, name) == 0) return entry->id;
    }
    return 0;
}

} // namespace

TEST(CenDictionaryEntry, TableHoldsEveryNameOnce) {
    int rows = 0;
    for (const CenDictionaryEntry* entry = cenDictionaryEntries; entry->id != 0; ++entry, ++rows) {
        EXPECT_GE(entry->id, rows == 0 ? 1 : entry[-1].id) << entry->name;
        EXPECT_EQ(idOf(entry->name), entry->id) << entry->name << " is listed twice";
    }
    EXPECT_EQ(rows, 190);
}

// A tree orders its keys by this: consistent signs over unsigned bytes.
TEST(CenDictionaryEntry, CompareOrder) {
    EXPECT_EQ(compareEncodingNames("Abc", "aBC"), 0);
    EXPECT_LT(compareEncodingNames("abc", "ABD"), 0);
    EXPECT_LT(compareEncodingNames("ab", "abc"), 0);
    EXPECT_GT(compareEncodingNames("abc", "Ab"), 0);
    EXPECT_LT(compareEncodingNames("_", "Z"), 0); // 'Z' folds to 'z' (7A), past '_' (5F)
    EXPECT_GT(compareEncodingNames("\xE9", "z"), 0);
    EXPECT_NE(compareEncodingNames("\xC9", "\xE9"), 0);
}
