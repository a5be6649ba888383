#pragma once

#include <algorithm>
#include <optional>
#include <type_traits>

#include "base/Exception.h"
#include "base/PushbackIFilter.h"
#include "base/UnitReads.h"

namespace ZUM {

// The unit type a push-back stack keeps for output units U: strings and
// typed filters of bytes use char.
template <typename U>
using PendingUnit = std::conditional_t<sizeof(U) == 1, char, U>;

// The frame of every converter filter: it reads units In from its source and
// delivers units Out. Derived (the converter itself) supplies
//
//   Out produce();
//       the next output unit. It reads input with take(), queues the further
//       units of the same character with give() (last first), and lets the
//       source's end of input pass, or turns it into closing output;
// and may hide keepsPending() to drop a pending unit instead of serving it,
// and supply
//
//   u32 convertRun(const In*& from, const In* limit, Out* to, u32 room);
//       the fast path of the many-unit read: converts the characters that lie
//       wholly in [from, limit) and need no pending units, at most `room`
//       output units, advancing `from`; answers the units written. It may stop
//       early anywhere: produce() carries on from there;
//
//   static constexpr bool ActsAtEnd = true;
//       when produce() does more at the end of input than let it pass (closes
//       a run or a shift state, counts a loss).
//
// Wherever a converter skips input or delivers a replacement for it (0xFFFF,
// 0, a byte it cannot read passed on as it is) it calls lose(); it takes the
// further units of a character begun with trail(), so that the end of input
// inside the character counts as a loss too. losses() answers the count, since
// the last attach or reset; a chain sums its members'.
//
// Ratio is the most units one produce() call delivers and gives per input
// unit it takes, counting output of state carried from earlier calls; 0 when
// there is no such bound, which turns reading ahead off.
//
// Base is the push-back filter of the output width, or IFilter for the few
// converters that keep no pending units (both width masks are then 7 and only
// unitWidths tells the output width). Pending units are served before the
// source is read again; reads of another width are those of Base.
//
// The many-unit read of width Out gives the same units as repeated single
// reads, stopping quietly at the end of input, but pulls the input in blocks:
// never more units than the single reads would have taken, which the ratio
// bounds, so the source sees the same consumption. A failure of the source
// during a block is raised when the converter reaches it, after the units read
// before it.
template <class Derived, typename In, typename Out, u32 Ratio,
          class Base = PushbackIFilter<PendingUnit<Out>>>
class Converter : public UnitReads<Converter<Derived, In, Out, Ratio, Base>, Base> {
public:
    int unitWidths() const override { return widthOf<Out>(); }
    u64 losses() const override { return lost; }

    bool reset() override {
        dropAhead();
        lost = 0;
        return Base::reset();
    }
    bool attach(IFlow* newSource) override {
        dropAhead();
        lost = 0;
        return Base::attach(newSource);
    }

protected:
    using Frame = Converter;

    Converter() = default;

    // The next input unit: read ahead first, else one from the source.
    In take() {
        if (cursor != limit) {
            this->atStart = false;
            return *cursor++;
        }
        if (deferred) {
            const IOException failure = *deferred;
            deferred.reset();
            throw failure;
        }
        const In unit = this->source->template readAs<In>();
        this->atStart = false;
        return unit;
    }

    // The next unit of a character already begun: the end of input here cuts
    // the character off, a loss.
    In trail() {
        if (cursor != limit) {
            this->atStart = false;
            return *cursor++;
        }
        try {
            return take();
        } catch (const IOException& e) {
            if (e.code == IOException::EndOfInput) ++lost;
            throw;
        }
    }

    // Counts `count` characters of the input not carried over faithfully.
    void lose(u64 count = 1) { lost += count; }

    // Queues `unit` behind the one produce() returns; units given later come
    // out first.
    void give(Out unit) {
        static_assert(HasPending);
        this->pushPending(static_cast<PendingUnit<Out>>(unit));
    }

    bool keepsPending(Out) const { return true; }

    bool popPendingUnit(Out& unit) {
        if constexpr (HasPending) {
            PendingUnit<Out> pending;
            if (!this->popPending(pending)) return false;
            unit = static_cast<Out>(pending);
            return true;
        } else {
            return false;
        }
    }

private:
    friend UnitReads<Converter, Base>;
    // The reads of the output width; those of the other widths are Base's.
    template <typename U>
        requires(sizeof(U) == sizeof(Out))
    U readOne() {
        return next();
    }
    template <typename U>
        requires(sizeof(U) == sizeof(Out))
    void readMany(u32 count, U* buffer, u32& got) {
        nextMany(count, buffer, got);
    }

    static constexpr bool HasPending = std::is_base_of_v<PushbackIFilter<PendingUnit<Out>>, Base>;
    // Asked where Derived is complete, in the member functions.
    static constexpr bool hasRun() {
        return requires(Derived & d, const In*& from, Out* to) {
            d.convertRun(from, from, to, 0u);
        };
    }
    static constexpr bool actsAtEnd() {
        return requires { Derived::ActsAtEnd; };
    }
    static constexpr u32 AheadUnits = 1024;
    // Below this a block is not worth the extra call.
    static constexpr u32 MinAhead = 16;

    Derived& self() { return static_cast<Derived&>(*this); }

    Out next() {
        if (!this->source) ZUM_THROW_IO(IOException::NoSource);
        Out unit;
        while (popPendingUnit(unit)) {
            if (self().keepsPending(unit)) return unit;
        }
        return self().produce();
    }

    void nextMany(u32 count, Out* buffer, u32& got) {
        if (!this->source) ZUM_THROW_IO(IOException::NoSource);
        try {
            while (got < count) {
                Out unit;
                if (popPendingUnit(unit)) {
                    if (self().keepsPending(unit)) buffer[got++] = unit;
                    continue;
                }
                // A block read that meets the end quietly leaves produce()
                // nothing but the end, unless it acts there.
                if (readAhead(count - got) && !actsAtEnd()) break;
                if constexpr (hasRun()) {
                    if (cursor != limit) {
                        got += self().convertRun(cursor, limit, buffer + got, count - got);
                        if (got == count) break;
                        // An emptied block is refilled before a single read.
                        if (cursor == limit) continue;
                    }
                }
                unit = self().produce();
                buffer[got++] = unit;
            }
        } catch (const IOException& e) {
            if (e.code != IOException::EndOfInput) throw;
        }
    }

    // Fills the read-ahead block when it is empty, with no more units than
    // `wanted` outputs need at least. Not at start, where a converter may
    // deliver a mark that takes no input. True when the source had none left.
    bool readAhead(u32 wanted) {
        if constexpr (Ratio > 0) {
            if (cursor != limit || deferred || this->atStart) return false;
            const u32 units = std::min(wanted / Ratio, AheadUnits);
            if (units < MinAhead) return false;
            u32 n = 0;
            try {
                this->source->template readManyAs<In>(units, ahead, n);
            } catch (const IOException& e) {
                deferred = e;
            }
            cursor = ahead;
            limit = ahead + n;
            return n == 0 && !deferred;
        }
        return false;
    }

    void dropAhead() {
        cursor = limit = ahead;
        deferred.reset();
    }

    u64 lost = 0;
    In ahead[Ratio > 0 ? AheadUnits : 1];
    const In* cursor = ahead;
    const In* limit = ahead;
    std::optional<IOException> deferred;
};

} // namespace ZUM
