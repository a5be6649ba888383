#pragma once

#include "base/TString.h"

namespace ZUM {

// A location string split into its kind and parts.
class Location : public Object {
public:
    enum Kind : std::int32_t { Plain = 0, Debug = 1, Http = 3, File = 10, JavaScript = 15 };

    // Resets the record and fills it from `text`.
    void split(const TStringPtr<char>& text);

    std::int32_t kind = Plain;
    Utf8String whole; // a copy of the input
    std::int32_t port = 0;
    Utf8String host;
    // The path: for "http://" from its first "/"; for "file:" and "debug:" the
    // rest with "|" turned into ":", "/" into the path separator and the
    // leading slashes reduced to one (on Windows, to none); for a plain
    // location the whole text.
    Utf8String data;
};

} // namespace ZUM
