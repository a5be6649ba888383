#include "encoding/EncodingRegistry.h"

#include <memory>

#include "base/Conveyer.h"
#include "base/Exception.h"
#include "base/FixedMemIFlow.h"
#include "base/Library.h"
#include "base/StringIFlow.h"
#include "base/StringOFlow.h"
#include "encoding/ConverterTableRow.h"

namespace ZUM {

namespace {

CenDictionary* names = nullptr;
IFilterDictionary* routes = nullptr;

bool encodingsModule(bool start) {
    if (start) {
        names = new CenDictionary;
        routes = new IFilterDictionary;
    } else {
        delete routes;
        routes = nullptr;
        delete names;
        names = nullptr;
    }
    return true;
}

const ModuleRegistration registration(EncodingsSlot, encodingsModule);

// Pumps `source` through the chain from `fromId` to `toId` into `result`.
template <typename S, typename R>
bool convert(int fromId, int toId, const TStringPtr<S>* source, TString<R>& result) {
    result.clear();
    std::unique_ptr<CompositIFilter> chain(createFilterChain(fromId, toId));
    if (!chain) return false;
    StringIFlow<S> input(source);
    StringOFlow<R> output(&result);
    chain->attach(&input);
    try {
        Conveyer{chain.get(), &output}.pump();
    } catch (const IOException&) {
        return false;
    }
    return true;
}

} // namespace

const CenDictionary* cenDictionary() {
    return names;
}

const IFilterDictionary* iFilterDictionary() {
    return routes;
}

int encodingIdOf(const char* name) {
    return names ? names->idOf(name) : UnknownEncoding;
}

CompositIFilter* createFilterChain(int fromId, int toId) {
    if (fromId == toId) {
        auto chain = std::make_unique<CompositIFilter>();
        chain->add(new IFilter);
        return chain.release();
    }
    const IFilterDictionaryEntry* route = routes ? routes->route(fromId, toId) : nullptr;
    if (!route) return nullptr;
    auto chain = std::make_unique<CompositIFilter>();
    for (const std::int32_t* step = route->steps; *step >= 0; ++step) {
        chain->add(converterTable[*step].create());
    }
    return chain.release();
}

bool convertToUtf16String(int fromId, int toId, const TStringPtr<char>* source,
                          TString<u16>& result) {
    return convert(fromId, toId, source, result);
}

bool convertFromUtf16String(int fromId, int toId, const TStringPtr<u16>* source,
                            TString<char>& result) {
    return convert(fromId, toId, source, result);
}

bool decodeToUtf16(int fromId, const u8* bytes, u32 size, TString<u16>& result, u64& losses) {
    result.clear();
    std::unique_ptr<CompositIFilter> chain(createFilterChain(fromId, Utf16N));
    if (!chain) return false;
    // Room for the most units the bytes can give, so the text is allocated
    // once: 8-bit forms give at most a unit a byte, 16-bit forms a unit per two
    // bytes, 32-bit forms up to two units per four bytes.
    result.reserve((unitBytesOf(fromId) > 1 ? size / 2 : size) + 16);
    FixedMemIFlow input(bytes, size);
    StringOFlow<u16> output(&result);
    chain->attach(&input);
    Conveyer{chain.get(), &output}.pump();
    losses = chain->losses() + (size % unitBytesOf(fromId) != 0);
    return true;
}

} // namespace ZUM
