#pragma once

#include <string>

namespace ZUM {
class Element;
}

// The labels in a book's head that name its character encoding, which a
// player or validator may read instead of the file's own declaration: the
// content of <meta name="ncc:charset"> and the charset parameter of
// <meta http-equiv="Content-Type">.
class CharsetLabels {
public:
    // Makes the labels among head's direct children say "utf-8", leaving
    // every other attribute and every other character of theirs as it was.
    static void sayUtf8(ZUM::Element& head);

    // `content` with the value of its charset parameter replaced by "utf-8";
    // unchanged when it has none. The parameter name is matched without
    // regard to case, the value may be quoted.
    static std::string withUtf8Charset(const std::string& content);
};
