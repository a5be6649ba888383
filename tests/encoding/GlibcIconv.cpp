#include "tests/encoding/GlibcIconv.h"

#include <iconv.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace ZUM::test {

Reference glibcConverter(const char* to, const char* from, bool twoByteInput) {
    const iconv_t opened = iconv_open(to, from);
    if (opened == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv has no ") + from + " to " + to);
    }
    const std::shared_ptr<void> descriptor(opened, iconv_close);
    return [descriptor, twoByteInput](u16 code) {
        char input[2] = {static_cast<char>(code >> 8), static_cast<char>(code)};
        const bool oneByte = code < 0x100 && !twoByteInput;
        char* in = input + oneByte;
        size_t inLeft = 2 - oneByte;
        char output[16];
        char* out = output;
        size_t outLeft = sizeof output;
        const bool converted =
            iconv(descriptor.get(), &in, &inLeft, &out, &outLeft) != size_t(-1) && inLeft == 0 &&
            iconv(descriptor.get(), nullptr, nullptr, &out, &outLeft) != size_t(-1);
        iconv(descriptor.get(), nullptr, nullptr, nullptr, nullptr);
        std::string result(output, converted ? out : output);
        if (result.starts_with('\x1B') && result.ends_with("\x1B(B")) {
            result = result.substr(3, result.size() - 6);
        }
        if (result.empty() || result.size() > 2) return CodeTable::Unmapped;
        return static_cast<u16>(result.size() == 1 ? u8(result[0])
                                                   : u8(result[0]) << 8 | u8(result[1]));
    };
}

std::ostream& operator<<(std::ostream& out, const Difference& difference) {
    char text[48];
    std::snprintf(text, sizeof text, "{%04X: ours %04X, glibc %04X}", difference.code,
                  difference.ours, difference.glibc);
    return out << text;
}

std::vector<Difference> differences(const CodeTable& table, const Reference& glibc, unsigned last) {
    std::vector<Difference> found;
    for (unsigned code = 0; code <= last; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        const u16 ours = table.lookup(code), theirs = glibc(code);
        if (ours != theirs) found.push_back({static_cast<u16>(code), ours, theirs});
    }
    return found;
}

std::vector<Difference> differences(const Reference& ours, const Reference& glibc,
                                    const std::vector<u16>& codes) {
    std::vector<Difference> found;
    for (const u16 code : codes) {
        const u16 mine = ours(code), theirs = glibc(code);
        if (mine != theirs) found.push_back({code, mine, theirs});
    }
    return found;
}

std::vector<u16> bmpCodes() {
    std::vector<u16> codes;
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        if (code < 0xD800 || code > 0xDFFF) codes.push_back(static_cast<u16>(code));
    }
    return codes;
}

bool isCp932UserDefined(const Difference& d) {
    const bool userRow = d.code >> 8 >= 0xF0 && d.code >> 8 <= 0xF9;
    return d.ours == CodeTable::Unmapped && (userRow || (d.code >= 0xE000 && d.code <= 0xE757));
}

std::vector<Difference> cp932EncoderFallbacks() {
    constexpr u16 None = CodeTable::Unmapped;
    return {{0x00A2, None, 0x8191}, {0x00A3, None, 0x8192}, {0x00A5, None, 0x005C},
            {0x00AC, None, 0x81CA}, {0x2014, None, 0x815C}, {0x2016, None, 0x8161},
            {0x203E, None, 0x007E}, {0x2212, None, 0x817C}, {0x301C, None, 0x8160}};
}

int mappedCount(const CodeTable& table) {
    int count = 0;
    for (unsigned code = 0; code <= 0xFFFF; ++code)
        count += table.lookup(code) != CodeTable::Unmapped;
    return count;
}

std::optional<std::string> glibcConvert(const char* to, const char* from, const std::string& text) {
    const iconv_t opened = iconv_open(to, from);
    if (opened == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv has no ") + from + " to " + to);
    }
    const std::unique_ptr<void, int (*)(iconv_t)> descriptor(opened, iconv_close);
    std::string output(text.size() * 8 + 16, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* out = output.data();
    size_t outLeft = output.size();
    if (iconv(opened, &in, &inLeft, &out, &outLeft) == size_t(-1) ||
        iconv(opened, nullptr, nullptr, &out, &outLeft) == size_t(-1)) {
        return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace ZUM::test
