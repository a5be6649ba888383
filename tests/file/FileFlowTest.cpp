#include "file/FileIFlow.h"
#include "file/FileOFlow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Conveyer.h"
#include "base/FixedMemIFlow.h"
#include "tests/IOExpect.h"

using namespace ZUM;

namespace {

constexpr const char* InTag = "file/FileIFlow";
constexpr const char* OutTag = "file/FileOFlow";

// A file in the temporary directory named after the running test, removed at
// the end of the test.
class TempFile {
public:
    TempFile() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               (std::string("zum-") + test->test_suite_name() + "-" + test->name());
    }
    ~TempFile() { std::filesystem::remove(path); }

    void write(const std::vector<u8>& bytes) const {
        std::FILE* f = open("wb");
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
        std::fclose(f);
    }
    std::vector<u8> bytes() const {
        std::FILE* f = open("rb");
        std::vector<u8> out;
        for (int c; (c = std::fgetc(f)) != EOF;) out.push_back(static_cast<u8>(c));
        std::fclose(f);
        return out;
    }
    std::FILE* open(const char* mode) const {
        std::FILE* f = std::fopen(path.c_str(), mode);
        EXPECT_NE(f, nullptr) << path;
        return f;
    }

private:
    std::filesystem::path path;
};

} // namespace

TEST(FileIFlow, UnitReadsDropAUnitCutShortByTheEnd) {
    TempFile file;
    file.write({0x01, 0x02, 0x03});
    FileIFlow flow(file.open("rb"));
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

TEST(FileIFlow, ArrayReadsAreOneFreadAndReportAShortRead) {
    TempFile file;
    file.write({1, 2, 3, 4, 5, 6, 7, 8, 9});
    FileIFlow flow(file.open("rb"));
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

TEST(FileIFlow, ReadErrorsAreSystemErrors) {
    TempFile file;
    FileIFlow flow(file.open("wb")); // a file open for writing cannot be read
    u16 units[4];
    u32 got = 5;
    EXPECT_IO_ERROR(flow.read16Many(4, units, got), IOException::SystemError, InTag);
    EXPECT_EQ(got, 0u);
    EXPECT_IO_ERROR(flow.read8(), IOException::SystemError, InTag);
}

TEST(FileIFlow, LineReadsAndBorrowedFiles) {
    TempFile file;
    file.write({'o', 'n', 'e', '\n', 't', 'w', 'o'});
    std::FILE* f = file.open("rb");
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

TEST(FileOFlow, WritesNativeOrderAndSeeksBackOnReset) {
    TempFile file;
    {
        FileOFlow flow(file.open("wb"));
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
    EXPECT_EQ(file.bytes(), (std::vector<u8>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));

    FileOFlow closed;
    EXPECT_IO_ERROR(closed.write32(1), IOException::NotOpen, OutTag);
    EXPECT_IO_ERROR(closed.flush(), IOException::NotOpen, OutTag);
}

TEST(FileOFlow, RefusedWritesAndFailedFlushes) {
    TempFile file;
    file.write({});
    FileOFlow readOnly(file.open("rb"));
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
    std::vector<u8> big(1 << 16, 0x55);
    EXPECT_IO_ERROR(flow.write8Many(static_cast<u32>(big.size()), big.data(), written),
                    IOException::WriteRefused, OutTag);
    EXPECT_LT(written, big.size());
}

TEST(FileOFlow, ByteConveyerFillsAFile) {
    TempFile file;
    std::vector<u8> bytes(5000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<u8>(i % 251);
    {
        FixedMemIFlow source(bytes.data(), static_cast<u32>(bytes.size()));
        FileOFlow destination(file.open("wb"));
        Conveyer{&source, &destination}.pumpBytes();
    }
    EXPECT_EQ(file.bytes(), bytes);
}
