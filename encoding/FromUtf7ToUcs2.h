#pragma once

#include "encoding/Converter.h"

namespace ZUM {

// UTF-7 to UCS-2. Outside a base64 run every byte but "+" is taken as itself;
// "+-" is "+", and "+" before anything else opens a run. A run is read in
// groups of up to four characters, each group giving whole 16-bit units (big
// endian) and carrying an odd byte to the next group. "-" closes a run and is
// dropped; any other character outside the alphabet closes it and is
// delivered after the run's last unit. Losses: a byte outside the direct sets
// (delivered as itself), and a run that ends inside a unit or with bits set
// beyond its last one.
class FromUtf7ToUcs2 : public Converter<FromUtf7ToUcs2, u8, u16, 1> {
public:
    bool reset() override;

private:
    friend Frame;
    static constexpr bool ActsAtEnd = true;

    u16 produce();
    // Reads characters of the run onto `chars`, which holds `count`, until
    // there are four or the run ends; answers the new count.
    int collect(u8* chars, int count);
    // `byte` taken as itself outside a run.
    u8 direct(u8 byte);
    // The unit a group completes, if any; a second one is queued.
    bool decode(const u8* chars, int count, u16& unit);

    bool inBase64 = false;
    bool hasCarry = false;
    u8 carry = 0;
};

} // namespace ZUM
