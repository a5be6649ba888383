#pragma once

#include "encoding/Converter.h"

namespace ZUM {

// UCS-2 to UTF-7. The directly encoded characters (letters, digits, the
// punctuation ' ( ) , - . / : ? and TAB, LF, CR, space) are written as
// themselves, "+" as "+-", everything else in base64 runs opened by "+". A run
// closes before a direct character, with "-" only where that character could
// be read as part of the run, and at the end of input. Units are written as
// big-endian byte pairs in groups of three bytes; an odd byte is carried to
// the next unit.
class FromUcs2ToUtf7 : public Converter<FromUcs2ToUtf7, u16, u8, 4> {
public:
    bool reset() override;

private:
    friend Frame;
    static constexpr bool ActsAtEnd = true;

    // The bytes of one read, the first delivered and the rest queued.
    class Output {
    public:
        void put(u8 byte) { bytes[count++] = byte; }
        void putGroup(std::initializer_list<u8> group);
        u8 deliver(FromUcs2ToUtf7& converter);

    private:
        u8 bytes[12];
        int count = 0;
    };

    u8 produce();
    u8 endOfInput(Output& out);
    u8 direct(Output& out, u16 unit);
    u8 encoded(Output& out, u16 unit);
    // Closes the run before the direct character `unit`, then writes it.
    void closeBefore(Output& out, u16 unit);
    void flushCarry(Output& out);
    static bool isDirect(u16 unit);

    bool inBase64 = false;
    bool hasCarry = false;
    u8 carry = 0;
};

} // namespace ZUM
