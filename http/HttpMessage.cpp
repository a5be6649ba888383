#include "http/HttpMessage.h"

#include "base/Iterator.h"
#include "base/MemOFlow.h"

namespace ZUM {

namespace {

std::uint64_t decimalValue(const Utf8String* text) {
    if (!text) return 0;
    std::uint64_t value = 0;
    for (u32 i = 0; i < text->length(); ++i) {
        const char c = (*text)[i];
        if (c < '0' || c > '9') return 0;
        const unsigned digit = static_cast<unsigned>(c - '0');
        value = value > (UINT64_MAX - digit) / 10 ? UINT64_MAX : value * 10 + digit;
    }
    return value;
}

bool takesContinuation(const HttpHeaderLine& line) {
    return line.kind != HttpHeaderLine::Continuation && line.kind != HttpHeaderLine::RequestLine &&
           line.kind != HttpHeaderLine::StatusLine;
}

} // namespace

HttpMessage::HttpMessage() : bodyBytes(MemBlock::create(16), MemBlock::destroy) {}

HttpMessage::~HttpMessage() {
    while (HttpHeaderLine* line = headLines.removeFirst()) delete line;
}

std::uint64_t HttpMessage::contentLength(bool& present) const {
    const HttpHeaderLine* line = firstOfKind(HttpHeaderLine::ContentLength);
    present = line != nullptr;
    return line ? decimalValue(line->second.get()) : 0;
}

void HttpMessage::addHeader(const TStringPtr<char>& text) {
    addLine(HttpHeaderLine::header(text));
}

void HttpMessage::addLine(std::unique_ptr<HttpHeaderLine> line) {
    if (line->kind == HttpHeaderLine::Continuation && line->second) {
        HttpHeaderLine* target = nullptr;
        std::unique_ptr<Iterator<HttpHeaderLine>> all(headLines.iterator());
        for (HttpHeaderLine* each = all->next(); each; each = all->next()) {
            if (takesContinuation(*each)) target = each;
        }
        if (target && target->second) target->second->append(*line->second);
    }
    if (headLines.append(line.get())) line.release();
}

const HttpHeaderLine* HttpMessage::firstOfKind(std::int32_t kind) const {
    std::unique_ptr<Iterator<HttpHeaderLine>> all(headLines.iterator());
    for (HttpHeaderLine* each = all->next(); each; each = all->next()) {
        if (each->kind == kind) return each;
    }
    return nullptr;
}

void HttpMessage::appendBody(const u8* bytes, u32 count) {
    MemOFlow onto(bodyBytes.get(), true);
    u32 written;
    onto.write8Many(count, bytes, written);
}

} // namespace ZUM
