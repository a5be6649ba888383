#pragma once

#include "base/IFlow.h"

namespace ZUM {

// The six reads of an input flow written once: each width is an instance of
// the templates Derived supplies (and befriends this layer for),
//
//   template <typename U> U readOne();
//   template <typename U> void readMany(u32 count, U* buffer, u32& got);
//
// readMany finds `got` at 0, so a read that fails before any unit arrives
// leaves it so. A Derived that supplies only one of the two keeps Base's reads
// for the other.
// The reads are defined out of the class, so a Derived whose templates live in
// its .cpp instantiates this layer there and declares the instance extern.
template <class Derived, class Base = IFlow>
class UnitReads : public Base {
public:
    u8 read8() override;
    u16 read16() override;
    u32 read32() override;
    void read8Many(u32 count, u8* buffer, u32& got) override;
    void read16Many(u32 count, u16* buffer, u32& got) override;
    void read32Many(u32 count, u32* buffer, u32& got) override;

protected:
    using Base::Base;

    // Base's own single read of the width of U.
    template <typename U>
    U inheritedRead();

private:
    template <typename U>
    U one();
    template <typename U>
    void many(u32 count, U* buffer, u32& got);
};

template <class Derived, class Base>
template <typename U>
U UnitReads<Derived, Base>::inheritedRead() {
    if constexpr (sizeof(U) == 1) {
        return Base::read8();
    } else if constexpr (sizeof(U) == 2) {
        return Base::read16();
    } else {
        return Base::read32();
    }
}

template <class Derived, class Base>
template <typename U>
U UnitReads<Derived, Base>::one() {
    if constexpr (requires(Derived& d) { d.template readOne<U>(); }) {
        return static_cast<Derived&>(*this).template readOne<U>();
    } else {
        return inheritedRead<U>();
    }
}

template <class Derived, class Base>
template <typename U>
void UnitReads<Derived, Base>::many(u32 count, U* buffer, u32& got) {
    if constexpr (requires(Derived& d) { d.template readMany<U>(count, buffer, got); }) {
        got = 0;
        static_cast<Derived&>(*this).template readMany<U>(count, buffer, got);
    } else if constexpr (sizeof(U) == 1) {
        Base::read8Many(count, buffer, got);
    } else if constexpr (sizeof(U) == 2) {
        Base::read16Many(count, buffer, got);
    } else {
        Base::read32Many(count, buffer, got);
    }
}

template <class Derived, class Base>
u8 UnitReads<Derived, Base>::read8() {
    return one<u8>();
}

template <class Derived, class Base>
u16 UnitReads<Derived, Base>::read16() {
    return one<u16>();
}

template <class Derived, class Base>
u32 UnitReads<Derived, Base>::read32() {
    return one<u32>();
}

template <class Derived, class Base>
void UnitReads<Derived, Base>::read8Many(u32 count, u8* buffer, u32& got) {
    many(count, buffer, got);
}

template <class Derived, class Base>
void UnitReads<Derived, Base>::read16Many(u32 count, u16* buffer, u32& got) {
    many(count, buffer, got);
}

template <class Derived, class Base>
void UnitReads<Derived, Base>::read32Many(u32 count, u32* buffer, u32& got) {
    many(count, buffer, got);
}

} // namespace ZUM
