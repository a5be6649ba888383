#pragma once

#include "encoding/Converter.h"
#include "encoding/Iso2022JpState.h"
#include "encoding/JisCode.h"

namespace ZUM {

// ISO-2022-JP to Shift_JIS (ToEucJp false) or EUC-JP. The escape sequences
// ESC ( B, ESC ( J, ESC $ @ and ESC $ B choose the set; other sequences are
// read and ignored. Bytes of the two one-byte sets pass unchanged, byte pairs
// of the two JIS X 0208 sets are converted. Ignored sequences, high bytes and
// pairs of bytes outside 21 to 7E are losses.
template <bool ToEucJp>
class Iso2022JpDecoder : public Converter<Iso2022JpDecoder<ToEucJp>, u8, u8, 1> {
public:
    bool reset() override {
        state = Iso2022JpState::Ascii;
        return Iso2022JpDecoder::Frame::reset();
    }

private:
    friend typename Iso2022JpDecoder::Frame;

    u8 produce() {
        u8 byte = this->take();
        while (byte == Iso2022JpState::Escape) {
            readDesignation();
            byte = this->take();
        }
        if (!Iso2022JpState::isDoubleByte(state)) {
            if (byte >= 0x80) this->lose();
            return byte;
        }
        const u8 second = this->trail();
        if (!isJisByte(byte) || !isJisByte(second)) this->lose();
        const u16 jis = JisCode::pair(byte, second);
        const u16 code = ToEucJp ? static_cast<u16>(jis + 0x8080) : JisCode::jisToSjis(jis);
        this->give(static_cast<u8>(code));
        return static_cast<u8>(code >> 8);
    }

    void readDesignation() {
        const u8 intermediate = this->trail();
        if (intermediate != '(' && intermediate != '$') return this->lose();
        const int chosen = Iso2022JpState::designated(intermediate, this->trail());
        if (chosen)
            state = chosen;
        else
            this->lose();
    }

    static bool isJisByte(u8 byte) { return byte >= 0x21 && byte <= 0x7E; }

    int state = Iso2022JpState::Ascii;
};

using FromIso2022JpToSjis = Iso2022JpDecoder<false>;
using FromIso2022JpToEucJp = Iso2022JpDecoder<true>;

} // namespace ZUM
