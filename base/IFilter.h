#pragma once

#include "base/UnitReads.h"

namespace ZUM {

// An input flow that reads from another input flow (its source, not owned)
// and may transform the units on the way. This base passes every unit through
// unchanged; converters override the single-unit read of their output width.
//
// The many-unit reads go through this filter's own single-unit reads (they
// stop quietly at the end of input, `got` says how many units arrived), never
// straight to the source, which would bypass the conversion. A converter may
// override them with a bulk path that gives the same result.
//
// Reading without a source raises IOException 6; the end of input is the
// source's IOException 1, passed on unchanged.
class IFilter : public UnitReads<IFilter> {
public:
    IFilter() : IFilter(WidthAny) {}

    bool close() override; // detaches the source
    bool isOpen() const override { return source != nullptr; }
    bool reset() override; // rewinds the source too
    bool isReady() const override;

    // Reads from `source` from now on, at start; false for a null source.
    virtual bool attach(IFlow* source);
    // The widths this filter is prepared to read from its source.
    virtual int acceptedUnitWidths() const { return acceptedWidths; }
    // The widths both the source provides and this filter accepts; 0 detached.
    virtual int compatibleUnitWidths() const;
    // How many input units this filter has skipped or delivered a replacement
    // for since it was attached or reset (a character cut off by the end of
    // input counts once). A plain filter carries every unit over.
    virtual u64 losses() const { return 0; }

protected:
    // Delivers and accepts `widths`; detached, not open, not at start.
    explicit IFilter(int widths);

    // The many-unit read of this filter, for each width.
    template <typename U>
    void readMany(u32 count, U* buffer, u32& got);

    IFlow* source;
    std::int32_t acceptedWidths;

private:
    friend UnitReads;
    template <typename U>
    U readOne();
};

extern template class UnitReads<IFilter>;

} // namespace ZUM
