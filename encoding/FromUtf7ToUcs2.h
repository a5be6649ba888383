#pragma once

#include "encoding/Converter.h"

namespace ZUM {

// UTF-7 to UCS-2. Outside a base64 run every byte but "+" is taken as itself;
// "+-" is "+", and "+" before anything else opens a run. A run is read in
// groups of up to four characters, each group giving whole 16-bit units (big
// endian) and carrying an odd byte to the next group. "-" closes a run and is
// dropped; any other character outside the alphabet closes it and is
// delivered after the run's last unit.
class FromUtf7ToUcs2 : public Converter<FromUtf7ToUcs2, u8, u16, 1> {
public:
    bool reset() override;

private:
    friend Frame;

    u16 produce();
    // Reads characters of the run onto `chars`, which holds `count`, until
    // there are four or the run ends; answers the new count.
    int collect(u8* chars, int count);
    // The unit a group completes, if any; a second one is queued.
    bool decode(const u8* chars, int count, u16& unit);

    bool inBase64 = false;
    bool hasCarry = false;
    u8 carry = 0;
};

} // namespace ZUM
