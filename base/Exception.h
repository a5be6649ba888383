#pragma once

#include <cstddef>
#include <cstdint>

#include "base/Object.h"

namespace ZUM {

// Plain-data failures, thrown by value and caught by reference. Every field is a
// number or a pointer to a static string, so copying one copies its fields.
class Exception : public Object {
public:
    const char* file; // source unit that threw, such as "base/Conveyer"
    std::int32_t line;

    constexpr Exception(const char* file, std::int32_t line) : file(file), line(line) {}
};

class IOException : public Exception {
public:
    enum Code : std::int32_t {
        EndOfInput = 1,
        WriteRefused = 2,
        NotOpen = 3,
        WidthNotProvided = 5,
        NoSource = 6,
        NoDestination = 7,
        SystemError = 8,
        NoCommonWidth = 9,
        EmptyDelimiter = 10,
        TimedOut = 11,
        TooLarge = 12,  // a peer's data passes a fixed bound of ours
        Malformed = 13, // a peer's data breaks the form it must have
    };
    std::int32_t code;

    constexpr IOException(const char* file, std::int32_t line, std::int32_t code)
        : Exception(file, line), code(code) {}
};

class FmtException : public Exception {
public:
    enum Code : std::int32_t { MissingArgument = 0, KindMismatch = 1, UnknownConversion = 4 };
    std::int32_t code;

    constexpr FmtException(const char* file, std::int32_t line, std::int32_t code)
        : Exception(file, line), code(code) {}
};

// The file tag of a source unit: its path inside the tree without the extension.
// The build maps the tree's root out of __FILE__; the tag lives in a template
// parameter object, so it has static storage like a literal.
template <std::size_t N>
struct FileTagText {
    char text[N]{};
    constexpr FileTagText(const char (&path)[N]) {
        std::size_t end = N - 1;
        for (std::size_t i = N - 1; i > 0; --i) {
            if (path[i - 1] == '/') break;
            if (path[i - 1] == '.') {
                end = i - 1;
                break;
            }
        }
        for (std::size_t i = 0; i < end; ++i) text[i] = path[i];
    }
};

template <FileTagText Tag>
constexpr const char* fileTag() {
    return Tag.text;
}

} // namespace ZUM

#define ZUM_FILE_TAG (::ZUM::fileTag<::ZUM::FileTagText(__FILE__)>())
#define ZUM_IO_ERROR(code) ::ZUM::IOException(ZUM_FILE_TAG, __LINE__, (code))
#define ZUM_THROW_IO(code) throw ZUM_IO_ERROR(code)
#define ZUM_THROW_FMT(code) throw ::ZUM::FmtException(ZUM_FILE_TAG, __LINE__, (code))
