#pragma once

#include <array>

#include "base/AVLDict.h"
#include "base/TString.h"

namespace ZUM {

// One of a document's name tables: each distinct string is stored once, so
// names taken from the same table compare by pointer. The table owns its
// strings; nothing leaves it before the table dies.
class AtomTable : public AVLDict<Utf16String, Utf16String> {
public:
    AtomTable() = default;
    ~AtomTable() override;

    const Utf16String* keyOf(Utf16String* element) const override { return element; }
    // Ordinal order of 16-bit units; a string sorts before a longer one it prefixes.
    int compare(const Utf16String* a, const Utf16String* b) const override;

    // The stored copy of a text, added when absent.
    Utf16String* intern(const u16* units, u32 count);
    Utf16String* intern(const TStringPtr<u16>& text) {
        return intern(text.data(), text.viewLength());
    }
    Utf16String* intern(const u16* terminated) {
        return intern(terminated, Utf16String::terminatedLength(terminated));
    }

    // An atom taken out is no longer found by intern.
    bool remove(Utf16String* element) override {
        recent.fill(nullptr);
        return AVLDict::remove(element);
    }
    void clear() override {
        recent.fill(nullptr);
        AVLDict::clear();
    }

private:
    Utf16String* search(const u16* units, u32 count);

    // The atoms last interned, by a hash of their units: a document uses few
    // names over and over, and most lookups end here without a tree walk.
    std::array<Utf16String*, 256> recent{};
};

} // namespace ZUM
