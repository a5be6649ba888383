#include "file/FileIFlow.h"
#include "file/FileOFlow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/IOExpect.h"
#include "tests/Scratch.h"

using namespace ZUM;

namespace {

constexpr const char* InTag = "file/FileIFlow";
constexpr const char* OutTag = "file/FileOFlow";

// Each test works on the file "f" of its own scratch directory.
class FileFlowTest : public Scratch {
protected:
    std::FILE* open(const char* mode) const {
        std::FILE* f = std::fopen(path("f").c_str(), mode);
        EXPECT_NE(f, nullptr);
        return f;
    }
};

using FileIFlowTest = FileFlowTest;
using FileOFlowTest = FileFlowTest;

} // namespace

TEST_F(FileIFlowTest, UnitReadsDropAUnitCutShortByTheEnd) {
    write("f", "\x01\x02\x03");
    FileIFlow flow(open("rb"));
    EXPECT_TRUE(flow.isAtStart());
    EXPECT_EQ(flow.read16(), 0x0201);
    EXPECT_FALSE(flow.isAtStart());
    EXPECT_IO_ERROR(flow.read16(), IOException::EndOfInput, InTag);
    EXPECT_IO_ERROR(flow.read8(), IOException::EndOfInput, InTag); // the third byte is gone

    EXPECT_TRUE(flow.reset());
    EXPECT_TRUE(flow.isAtStart());
    EXPECT_EQ(flow.read8(), 0x01);
    EXPECT_IO_ERROR(flow.read32(), IOException::EndOfInput, InTag);
    EXPECT_TRUE(flow.close());
    EXPECT_FALSE(flow.reset());
    EXPECT_IO_ERROR(flow.read8(), IOException::NotOpen, InTag);
}

TEST_F(FileIFlowTest, ArrayReadsAreOneFreadAndReportAShortRead) {
    write("f", "\x01\x02\x03\x04\x05\x06\x07\x08\x09");
    FileIFlow flow(open("rb"));
    u32 wide[2] = {};
    u32 got = 0;
    flow.read32Many(2, wide, got);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(wide[1], 0x08070605u);
    u8 bytes[10] = {};
    EXPECT_IO_ERROR(flow.read8Many(10, bytes, got), IOException::EndOfInput, InTag);
    EXPECT_EQ(got, 1u);
    EXPECT_EQ(bytes[0], 9);

    FileIFlow never;
    EXPECT_IO_ERROR(never.read16Many(1, nullptr, got), IOException::NotOpen, InTag);
}

TEST_F(FileIFlowTest, ReadErrorsAreSystemErrors) {
    FileIFlow flow(open("wb")); // a file open for writing cannot be read
    u16 units[4];
    u32 got = 5;
    EXPECT_IO_ERROR(flow.read16Many(4, units, got), IOException::SystemError, InTag);
    EXPECT_EQ(got, 0u);
    EXPECT_IO_ERROR(flow.read8(), IOException::SystemError, InTag);
}

TEST_F(FileIFlowTest, LineReadsAndBorrowedFiles) {
    write("f", "one\ntwo");
    std::FILE* f = open("rb");
    {
        FileIFlow flow(f, true);
        Utf8String line;
        EXPECT_FALSE(flow.readLine8(line, false));
        EXPECT_TRUE(line == "one\n");
        EXPECT_TRUE(flow.readLine8(line, false));
        EXPECT_TRUE(line == "two");
        EXPECT_TRUE(flow.reset());
    }
    EXPECT_EQ(std::fgetc(f), 'o'); // still open: the flow only borrowed it
    std::fclose(f);
}

TEST_F(FileOFlowTest, WritesNativeOrderAndSeeksBackOnReset) {
    {
        FileOFlow flow(open("wb"));
        EXPECT_TRUE(flow.isAtStart());
        flow.write8(0xAA);
        EXPECT_FALSE(flow.isAtStart());
        EXPECT_TRUE(flow.reset());
        EXPECT_TRUE(flow.isAtStart());
        flow.write16(0x0201);
        flow.write32(0x06050403);
        const u16 units[] = {0x0807, 0x0A09};
        u32 written = 0;
        flow.write16Many(2, units, written);
        EXPECT_EQ(written, 2u);
        EXPECT_TRUE(flow.writeTerminated8("\x0B"));
        flow.flush();
    }
    EXPECT_EQ(read("f"), "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B");

    FileOFlow closed;
    EXPECT_IO_ERROR(closed.write32(1), IOException::NotOpen, OutTag);
    EXPECT_IO_ERROR(closed.flush(), IOException::NotOpen, OutTag);
}

TEST_F(FileOFlowTest, RefusedWritesAndFailedFlushes) {
    write("f", "");
    FileOFlow readOnly(open("rb"));
    EXPECT_IO_ERROR(readOnly.write16(1), IOException::WriteRefused, OutTag);
    u32 written = 9;
    const u32 wide[] = {1, 2};
    EXPECT_IO_ERROR(readOnly.write32Many(2, wide, written), IOException::WriteRefused, OutTag);
    EXPECT_EQ(written, 0u);

    std::FILE* full = std::fopen("/dev/full", "wb");
    if (!full) GTEST_SKIP() << "no /dev/full";
    FileOFlow flow(full);
    flow.write8(1); // buffered: the device refuses it only when flushed
    EXPECT_IO_ERROR(flow.flush(), IOException::SystemError, OutTag);
    std::string big(1 << 18, 0x55); // more than the flow buffers
    EXPECT_IO_ERROR(flow.write8Many(static_cast<u32>(big.size()),
                                    reinterpret_cast<const u8*>(big.data()), written),
                    IOException::WriteRefused, OutTag);
    EXPECT_LT(written, big.size());
}
