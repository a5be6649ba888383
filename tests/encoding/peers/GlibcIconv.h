#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/encoding/Harness.h"

// glibc's iconv, the independent reference for the encoding tables. Linux
// only: the Windows build has no iconv.
namespace ZUM::test {

// glibc converting one code from `from` to `to`. Codes are one byte below 0x100
// and two bytes (first byte high) above, or always two with `twoByteInput`; the
// result read by codeOf. Unmapped when iconv fails.
Reference glibcConverter(const char* to, const char* from, bool twoByteInput = false);

inline Reference glibcDecoder(const char* encoding) {
    return glibcConverter("UCS-2BE", encoding);
}
inline Reference glibcEncoder(const char* encoding) {
    return glibcConverter(encoding, "UCS-2BE", true);
}

// A code that we and glibc map differently.
struct Difference {
    u16 code;
    u16 ours;
    u16 glibc;
    bool operator==(const Difference&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Difference& difference);

// The differences of two references over `codes`.
std::vector<Difference> differences(const Reference& ours, const Reference& glibc,
                                    const std::vector<u16>& codes);

// Every code of the BMP but the surrogates.
std::vector<u16> bmpCodes();

// glibc converting a whole text from `from` to `to`; nothing when it fails.
std::optional<std::string> glibcConvert(const char* to, const char* from, const std::string& text);

// Whether glibc converts a whole text from `from` to `to` without an error
// (EILSEQ, or EINVAL for a text that ends inside a character).
std::function<bool(const std::string&)> glibcAccepts(const char* to, const char* from);

} // namespace ZUM::test
