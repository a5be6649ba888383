#pragma once

#include "encoding/Converter.h"
#include "encoding/Iso2022JpState.h"
#include "encoding/JisCode.h"
#include "encoding/SjisByteClass.h"
#include "encoding/tables/JisTables.h"

namespace ZUM {

// The three encodings ISO-2022-JP is written from.
enum class Iso2022JpSource { EucJp, Sjis, Ucs2 };

// Writes ISO-2022-JP from EUC-JP, Shift_JIS or UCS-2, designating a set with
// its escape sequence only when the set changes. What the output cannot hold
// (half-width katakana, JIS X 0212, unmapped characters) is skipped; a byte
// that starts no character of the source gives 0; both are losses. The first
// end of input outside ASCII is turned into ESC ( B, so the output always ends
// in ASCII.
template <Iso2022JpSource From>
class Iso2022JpEncoder
    : public Converter<Iso2022JpEncoder<From>,
                       std::conditional_t<From == Iso2022JpSource::Ucs2, u16, u8>, u8,
                       From == Iso2022JpSource::Ucs2 ? 5 : 4> {
public:
    bool reset() override {
        state = Iso2022JpState::Ascii;
        return Iso2022JpEncoder::Frame::reset();
    }

private:
    friend typename Iso2022JpEncoder::Frame;
    static constexpr bool ActsAtEnd = true;

    // One character of the source: a byte of a one-byte set (`state` says
    // which), a JIS X 0208 row/cell pair, a bare 0, or nothing.
    struct Character {
        enum Kind { Skip, Zero, Single, Double } kind;
        int state = Iso2022JpState::Ascii;
        u16 code = 0;
    };

    u8 produce() {
        for (;;) {
            Character character;
            try {
                character = read();
            } catch (const IOException& e) {
                if (e.code != IOException::EndOfInput || state == Iso2022JpState::Ascii) throw;
                return designate(Iso2022JpState::Ascii);
            }
            switch (character.kind) {
            case Character::Skip: this->lose(); continue;
            case Character::Zero: this->lose(); return 0;
            case Character::Single: return emit(character.state, {static_cast<u8>(character.code)});
            case Character::Double:
                return emit(Iso2022JpState::JisX0208, {static_cast<u8>(character.code >> 8),
                                                       static_cast<u8>(character.code)});
            }
        }
    }

    // The bytes of a character in set `wanted`, designating it first when needed.
    u8 emit(int wanted, std::initializer_list<u8> bytes) {
        for (auto byte = bytes.end(); byte != bytes.begin();) this->give(*--byte);
        if (state == wanted) {
            u8 first;
            this->popPendingUnit(first);
            return first;
        }
        return designate(wanted);
    }

    // ESC and the rest of the sequence choosing `wanted`, queued before what
    // is already pending.
    u8 designate(int wanted) {
        state = wanted;
        const bool doubleByte = Iso2022JpState::isDoubleByte(wanted);
        this->give(wanted == Iso2022JpState::JisRoman ? 'J' : 'B');
        this->give(doubleByte ? '$' : '(');
        return Iso2022JpState::Escape;
    }

    Character read() {
        if constexpr (From == Iso2022JpSource::EucJp) {
            return readEucJp();
        } else if constexpr (From == Iso2022JpSource::Sjis) {
            return readSjis();
        } else {
            return readUcs2();
        }
    }

    Character readEucJp() {
        const u8 byte = this->take();
        if (byte < 0x80) return {Character::Single, Iso2022JpState::Ascii, byte};
        if (byte >= 0xA1 && byte <= 0xFE) {
            const u16 euc = JisCode::pair(byte, this->trail());
            return {Character::Double, 0, static_cast<u16>(euc - 0x8080)};
        }
        if (byte == 0x8E || byte == 0x8F) {
            this->trail();
            if (byte == 0x8F) this->trail();
            return {Character::Skip};
        }
        return {Character::Zero};
    }

    Character readSjis() {
        const u8 byte = this->take();
        if (byte < 0x80) return {Character::Single, Iso2022JpState::Ascii, byte};
        const u8 kind = sjisByteClasses[byte];
        if (kind & SjisLead) {
            const u8 second = this->trail();
            if (!(sjisByteClasses[second] & SjisTrail)) return {Character::Zero};
            return {Character::Double, 0, JisCode::sjisToJis(JisCode::pair(byte, second))};
        }
        return {kind & HalfWidthKana ? Character::Skip : Character::Zero};
    }

    Character readUcs2() {
        const u16 unit = this->take();
        if (unit <= 0x7F) return {Character::Single, Iso2022JpState::Ascii, unit};
        const u16 code = ucs2ToIso2022JpTable.lookup(unit);
        if (code == CodeTable::Unmapped || (code >= 0x80 && code <= 0xFF)) return {Character::Skip};
        if (code > 0xFF) return {Character::Double, 0, code};
        return {Character::Single, Iso2022JpState::JisRoman, code};
    }

    int state = Iso2022JpState::Ascii;
};

using FromEucJpToIso2022Jp = Iso2022JpEncoder<Iso2022JpSource::EucJp>;
using FromSjisToIso2022Jp = Iso2022JpEncoder<Iso2022JpSource::Sjis>;
using FromUcs2ToIso2022Jp = Iso2022JpEncoder<Iso2022JpSource::Ucs2>;

} // namespace ZUM
