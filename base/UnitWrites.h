#pragma once

#include "base/OFlow.h"

namespace ZUM {

// The six writes of an output flow written once: each width is an instance of
// the templates Derived supplies (and befriends this layer for),
//
//   template <typename U> void writeOne(U unit);
//   template <typename U> void writeMany(u32 count, const U* units, u32& written);
//
// writeMany finds `written` at 0, so a write that fails before any unit goes
// out leaves it so. A Derived that supplies only one of the two keeps Base's
// writes for the other. The writes are defined out of the class, so a Derived
// whose templates live in its .cpp instantiates this layer there and declares
// the instance extern.
template <class Derived, class Base = OFlow>
class UnitWrites : public Base {
public:
    void write8(u8 unit) override;
    void write16(u16 unit) override;
    void write32(u32 unit) override;
    void write8Many(u32 count, const u8* units, u32& written) override;
    void write16Many(u32 count, const u16* units, u32& written) override;
    void write32Many(u32 count, const u32* units, u32& written) override;

protected:
    using Base::Base;

private:
    template <typename U>
    void one(U unit);
    template <typename U>
    void many(u32 count, const U* units, u32& written);
};

template <class Derived, class Base>
template <typename U>
void UnitWrites<Derived, Base>::one(U unit) {
    if constexpr (requires(Derived& d) { d.template writeOne<U>(unit); }) {
        static_cast<Derived&>(*this).template writeOne<U>(unit);
    } else if constexpr (sizeof(U) == 1) {
        Base::write8(unit);
    } else if constexpr (sizeof(U) == 2) {
        Base::write16(unit);
    } else {
        Base::write32(unit);
    }
}

template <class Derived, class Base>
template <typename U>
void UnitWrites<Derived, Base>::many(u32 count, const U* units, u32& written) {
    if constexpr (requires(Derived& d) { d.template writeMany<U>(count, units, written); }) {
        written = 0;
        static_cast<Derived&>(*this).template writeMany<U>(count, units, written);
    } else if constexpr (sizeof(U) == 1) {
        Base::write8Many(count, units, written);
    } else if constexpr (sizeof(U) == 2) {
        Base::write16Many(count, units, written);
    } else {
        Base::write32Many(count, units, written);
    }
}

template <class Derived, class Base>
void UnitWrites<Derived, Base>::write8(u8 unit) {
    one(unit);
}

template <class Derived, class Base>
void UnitWrites<Derived, Base>::write16(u16 unit) {
    one(unit);
}

template <class Derived, class Base>
void UnitWrites<Derived, Base>::write32(u32 unit) {
    one(unit);
}

template <class Derived, class Base>
void UnitWrites<Derived, Base>::write8Many(u32 count, const u8* units, u32& written) {
    many(count, units, written);
}

template <class Derived, class Base>
void UnitWrites<Derived, Base>::write16Many(u32 count, const u16* units, u32& written) {
    many(count, units, written);
}

template <class Derived, class Base>
void UnitWrites<Derived, Base>::write32Many(u32 count, const u32* units, u32& written) {
    many(count, units, written);
}

} // namespace ZUM
