#pragma once

#include <array>
#include <string_view>

#include "base/Units.h"

namespace ZUM {

// Classes of a byte in UTF-7, as flags. The encoder writes Utf7EncodedDirect
// characters as themselves; Utf7AnyDirect are all a writer may leave unencoded.
enum Utf7CharClass : u8 {
    Utf7Direct = 0x01,        // A-Z a-z 0-9 ' ( ) , - . / : ?
    Utf7Optional = 0x02,      // ! " # $ % & * ; < = > @ [ ] ^ _ ` { | }
    Base64Char = 0x04,        // A-Z a-z 0-9 + /
    Utf7EncodedDirect = 0x08, // Utf7Direct, TAB, LF, CR, space
    Utf7AnyDirect = 0x10,     // Utf7Direct, Utf7Optional, TAB, LF, CR, space
};

inline constexpr std::string_view base64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The base64Values entry of a byte outside base64Alphabet.
inline constexpr u8 NotBase64 = 0xFF;

namespace detail {

constexpr std::array<u8, 256> makeUtf7CharClasses() {
    std::array<u8, 256> classes{};
    const auto mark = [&classes](std::string_view bytes, u8 flags) {
        for (const char c : bytes) classes[static_cast<u8>(c)] |= flags;
    };
    const std::string_view alphanumerics = base64Alphabet.substr(0, 62);
    const std::string_view whitespace = "\t\n\r ";
    mark(alphanumerics, Utf7Direct | Base64Char | Utf7EncodedDirect | Utf7AnyDirect);
    mark("'(),-./:?", Utf7Direct | Utf7EncodedDirect | Utf7AnyDirect);
    mark("!\"#$%&*;<=>@[]^_`{|}", Utf7Optional | Utf7AnyDirect);
    mark("+/", Base64Char);
    mark(whitespace, Utf7EncodedDirect | Utf7AnyDirect);
    return classes;
}

constexpr std::array<u8, 256> makeBase64Values() {
    std::array<u8, 256> values{};
    values.fill(NotBase64);
    for (unsigned i = 0; i < base64Alphabet.size(); ++i) {
        values[static_cast<u8>(base64Alphabet[i])] = static_cast<u8>(i);
    }
    return values;
}

} // namespace detail

// The Utf7CharClass flags of every byte.
inline constexpr std::array<u8, 256> utf7CharClasses = detail::makeUtf7CharClasses();

// The inverse of base64Alphabet: each byte's 6-bit value, or NotBase64.
inline constexpr std::array<u8, 256> base64Values = detail::makeBase64Values();

} // namespace ZUM
