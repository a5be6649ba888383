#include "tests/encoding/peers/GlibcIconv.h"

#include <iconv.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace ZUM::test {

namespace {

std::shared_ptr<void> open(const char* to, const char* from) {
    const iconv_t opened = iconv_open(to, from);
    if (opened == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv has no ") + from + " to " + to);
    }
    return std::shared_ptr<void>(opened, iconv_close);
}

// `text` through `descriptor`, which is left in its initial state.
std::optional<std::string> run(void* descriptor, std::string text) {
    std::string output(text.size() * 8 + 16, '\0');
    char *in = text.data(), *out = output.data();
    size_t inLeft = text.size(), outLeft = output.size();
    const bool converted = iconv(descriptor, &in, &inLeft, &out, &outLeft) != size_t(-1) &&
                           inLeft == 0 &&
                           iconv(descriptor, nullptr, nullptr, &out, &outLeft) != size_t(-1);
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    if (!converted) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace

Reference glibcConverter(const char* to, const char* from, bool twoByteInput) {
    const std::shared_ptr<void> descriptor = open(to, from);
    return [descriptor, twoByteInput](u16 code) {
        const std::string input = code < 0x100 && !twoByteInput
                                      ? std::string(1, char(code))
                                      : std::string{char(code >> 8), char(code)};
        const std::optional<std::string> output = run(descriptor.get(), input);
        return output ? codeOf(*output) : CodeTable::Unmapped;
    };
}

std::ostream& operator<<(std::ostream& out, const Difference& difference) {
    char text[48];
    std::snprintf(text, sizeof text, "{%04X: ours %04X, glibc %04X}", difference.code,
                  difference.ours, difference.glibc);
    return out << text;
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

std::optional<std::string> glibcConvert(const char* to, const char* from, const std::string& text) {
    return run(open(to, from).get(), text);
}

std::function<bool(const std::string&)> glibcAccepts(const char* to, const char* from) {
    return [descriptor = open(to, from)](const std::string& text) {
        return run(descriptor.get(), text).has_value();
    };
}

} // namespace ZUM::test
