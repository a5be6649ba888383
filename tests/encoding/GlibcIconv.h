#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "encoding/CodeTable.h"

// glibc's iconv, the independent reference for the encoding tables.
namespace ZUM::test {

using Reference = std::function<u16(u16)>;

// glibc converting one code from `from` to `to`. Codes are one byte below 0x100
// and two bytes (first byte high) above, or always two with `twoByteInput`. An
// ISO-2022 designation before a result and the return to ASCII after it are
// dropped. Unmapped when iconv fails or the result is longer than two bytes.
Reference glibcConverter(const char* to, const char* from, bool twoByteInput = false);

inline Reference glibcDecoder(const char* encoding) {
    return glibcConverter("UCS-2BE", encoding);
}
inline Reference glibcEncoder(const char* encoding) {
    return glibcConverter(encoding, "UCS-2BE", true);
}

// A code that our table and glibc map differently.
struct Difference {
    u16 code;
    u16 ours;
    u16 glibc;
    bool operator==(const Difference&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Difference& difference);

// The differences over codes 0 to `last`, UTF-16 surrogates left out.
std::vector<Difference> differences(const CodeTable& table, const Reference& glibc,
                                    unsigned last = 0xFFFF);

// The differences of two references over `codes`.
std::vector<Difference> differences(const Reference& ours, const Reference& glibc,
                                    const std::vector<u16>& codes);

// Every code of the BMP but the surrogates.
std::vector<u16> bmpCodes();

// What glibc has of CP932 and we drop: the user-defined rows F0-F9 and the
// private-use characters they map to.
bool isCp932UserDefined(const Difference& difference);

// The characters glibc's CP932 encoder writes by fallback, which we skip.
std::vector<Difference> cp932EncoderFallbacks();

int mappedCount(const CodeTable& table);

// glibc converting a whole text from `from` to `to`; nothing when it fails.
std::optional<std::string> glibcConvert(const char* to, const char* from, const std::string& text);

} // namespace ZUM::test
