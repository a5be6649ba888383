#include "base/Formatter.h"

#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "base/Exception.h"

namespace ZUM {

namespace {

// What one "%" directive asked for.
struct Directive {
    bool minus = false, plus = false, space = false, zero = false, hash = false;
    bool hasWidth = false, hasPrecision = false, isLong = false;
    int width = 0;
    int precision = 0;
};

// One pass over the pattern, appending to `out`.
template <typename T>
class FormatRun {
public:
    FormatRun(const TString<T>& pattern, LinkList<FmtArg<T>>& arguments, TString<T>& out)
        : cursor(pattern.data()), limit(pattern.data() + pattern.length()), arguments(arguments),
          out(out) {}

    void run() {
        while (cursor < limit) {
            T unit = *cursor++;
            if (unit != '%') {
                out.push(unit);
            } else if (skip('%')) {
                out.push('%');
            } else if (!directive()) {
                return; // the pattern ended inside a directive: it is dropped
            }
        }
    }

private:
    const T* cursor;
    const T* limit;
    LinkList<FmtArg<T>>& arguments;
    TString<T>& out;
    int counter = 1;

    bool skip(char c) {
        if (cursor < limit && *cursor == static_cast<T>(c)) {
            ++cursor;
            return true;
        }
        return false;
    }

    int digits() {
        int value = 0;
        while (cursor < limit && *cursor >= '0' && *cursor <= '9')
            value = value * 10 + static_cast<int>(*cursor++ - '0');
        return value;
    }

    FmtArg<T>& argument(int position) {
        FmtArg<T>* arg = position > 0 ? arguments.item(position) : nullptr;
        if (!arg) ZUM_THROW_FMT(FmtException::MissingArgument);
        return *arg;
    }

    // A "*" width or precision: an int argument at p; p and the counter advance.
    int starArgument(int& p) {
        FmtArg<T>& arg = argument(p);
        if (arg.kind != FmtArg<T>::Int) ZUM_THROW_FMT(FmtException::KindMismatch);
        ++p;
        ++counter;
        return arg.value.intValue;
    }

    bool directive() {
        int p = counter++;
        if (skip('{')) {
            p = digits();
            skip('}');
        }
        Directive d;
        d.minus = skip('-');
        d.plus = skip('+');
        d.space = skip(' ');
        d.zero = skip('0');
        d.hash = skip('#');
        if (skip('*')) {
            d.hasWidth = true;
            d.width = starArgument(p);
        } else if (cursor < limit && *cursor >= '0' && *cursor <= '9') {
            d.hasWidth = true;
            d.width = digits();
        }
        if (skip('.')) {
            d.hasPrecision = true;
            d.precision = skip('*') ? starArgument(p) : digits();
        }
        d.isLong = skip('l');
        if (cursor >= limit) return false;
        T letter = *cursor++;
        if (static_cast<std::make_unsigned_t<T>>(letter) > 126)
            ZUM_THROW_FMT(FmtException::UnknownConversion);
        convert(static_cast<char>(letter), d, argument(p));
        return true;
    }

    static void require(bool fits) {
        if (!fits) ZUM_THROW_FMT(FmtException::KindMismatch);
    }

    void convert(char letter, const Directive& d, FmtArg<T>& arg) {
        using A = FmtArg<T>;
        const auto& v = arg.value;
        switch (letter) {
        case 'd':
        case 'i': {
            require(arg.kind == (d.isLong ? A::Long : A::Int));
            long value = d.isLong ? v.longValue : v.intValue;
            unsigned long magnitude = value < 0 ? 0ul - static_cast<unsigned long>(value)
                                                : static_cast<unsigned long>(value);
            const char* sign = value < 0 ? "-" : d.plus ? "+" : d.space ? " " : "";
            return integer(d, magnitude, 10, false, sign, "", true);
        }
        case 'u':
            require(arg.kind == (d.isLong ? A::UnsignedLong : A::Unsigned));
            return integer(d, d.isLong ? v.unsignedLongValue : v.unsignedValue, 10, false, "", "",
                           true);
        case 'o': {
            require(arg.kind == A::Unsigned);
            return integer(d, v.unsignedValue, 8, false, "", "", true);
        }
        case 'x':
        case 'X': {
            require(arg.kind == A::Unsigned);
            const char* prefix = d.hash && v.unsignedValue ? (letter == 'x' ? "0x" : "0X") : "";
            return integer(d, v.unsignedValue, 16, letter == 'X', "", prefix, true);
        }
        case 'p': {
            require(arg.kind == A::Pointer || arg.kind == A::Terminated || arg.kind == A::String ||
                    arg.kind == A::IntPointer);
            auto address = reinterpret_cast<std::uintptr_t>(v.pointer);
            return integer(d, address, 16, false, "", "0x", false);
        }
        case 'c': return character(d, arg);
        case 's': return string(d, arg);
        case 'e':
        case 'E':
        case 'f':
        case 'g':
        case 'G':
            require(arg.kind == A::Double || arg.kind == A::Float);
            return floating(d, letter, arg.kind == A::Double ? v.doubleValue : v.floatValue);
        case 'n':
            require(arg.kind == A::IntPointer);
            if (v.intPointer) *v.intPointer = static_cast<int>(out.length());
            return;
        default: ZUM_THROW_FMT(FmtException::UnknownConversion);
        }
    }

    // Integers: precision is the minimum digit count ("#" octal's leading zero
    // counts toward it); "0" without precision and without "-" fills with zeros
    // between sign or prefix and digits.
    void integer(const Directive& d, unsigned long magnitude, unsigned base, bool upper,
                 const char* sign, const char* prefix, bool zeroPrecisionIsEmpty) {
        std::string text;
        if (!(magnitude == 0 && d.hasPrecision && d.precision == 0 && zeroPrecisionIsEmpty)) {
            const char* digitSet = upper ? "0123456789ABCDEF" : "0123456789abcdef";
            do {
                text.insert(text.begin(), digitSet[magnitude % base]);
                magnitude /= base;
            } while (magnitude);
            if (base == 8 && d.hash && text != "0") text.insert(text.begin(), '0');
        }
        if (d.hasPrecision && d.precision > static_cast<int>(text.size()))
            text.insert(0, static_cast<std::size_t>(d.precision) - text.size(), '0');
        std::string head = std::string(sign) + prefix;
        int used = static_cast<int>(head.size() + text.size());
        if (d.zero && !d.hasPrecision && !d.minus && d.width > used)
            text.insert(0, static_cast<std::size_t>(d.width - used), '0');
        head += text;
        pad(d, reinterpret_cast<const unsigned char*>(head.data()), head.size());
    }

    void character(const Directive& d, const FmtArg<T>& arg) {
        using A = FmtArg<T>;
        const int v = arg.value.intValue;
        T unit;
        switch (arg.kind) {
        case A::SignedChar: unit = static_cast<T>(static_cast<signed char>(v)); break;
        case A::UnsignedChar: unit = static_cast<T>(static_cast<unsigned char>(v)); break;
        case A::Short: unit = static_cast<T>(static_cast<short>(v)); break;
        case A::UnsignedShort: unit = static_cast<T>(static_cast<unsigned short>(v)); break;
        case A::Int: unit = static_cast<T>(v); break;
        case A::Unsigned: unit = static_cast<T>(arg.value.unsignedValue); break;
        default: ZUM_THROW_FMT(FmtException::KindMismatch);
        }
        std::vector<T> text;
        if (d.zero && !d.minus && d.width > 1)
            text.assign(static_cast<std::size_t>(d.width - 1), '0');
        text.push_back(unit);
        pad(d, text.data(), text.size());
    }

    void string(const Directive& d, const FmtArg<T>& arg) {
        using A = FmtArg<T>;
        const T* units = nullptr;
        std::size_t count = 0;
        if (arg.kind == A::Terminated) {
            units = arg.value.terminated;
            count = TString<T>::terminatedLength(units);
        } else if (arg.kind == A::String) {
            if (arg.value.string) {
                units = arg.value.string->data();
                count = arg.value.string->length();
            }
        } else {
            ZUM_THROW_FMT(FmtException::KindMismatch);
        }
        if (d.hasPrecision && d.precision >= 0 && count > static_cast<std::size_t>(d.precision))
            count = static_cast<std::size_t>(d.precision);
        if (d.zero && !d.minus && d.width > static_cast<int>(count)) {
            std::vector<T> text(static_cast<std::size_t>(d.width) - count, '0');
            text.insert(text.end(), units, units + count);
            return pad(d, text.data(), text.size());
        }
        pad(d, units, count);
    }

    // Floating conversions go through the C runtime with a rebuilt directive; the
    // buffer is sized from the result, so no width or precision can overflow it.
    void floating(const Directive& d, char letter, double value) {
        std::string spec = "%";
        if (d.minus) spec += '-';
        if (d.plus) spec += '+';
        if (d.space) spec += ' ';
        if (d.zero) spec += '0';
        if (d.hash) spec += '#';
        if (d.hasWidth && d.width >= 0) spec += std::to_string(d.width);
        if (d.hasPrecision && d.precision >= 0) spec += "." + std::to_string(d.precision);
        spec += letter;
        std::vector<char> buffer(256);
        int n = std::snprintf(buffer.data(), buffer.size(), spec.c_str(), value);
        if (n < 0) return;
        if (static_cast<std::size_t>(n) >= buffer.size()) {
            buffer.resize(static_cast<std::size_t>(n) + 1);
            std::snprintf(buffer.data(), buffer.size(), spec.c_str(), value);
        }
        pad(d, reinterpret_cast<const unsigned char*>(buffer.data()), static_cast<std::size_t>(n));
    }

    // Spaces before the text up to the width, or after it with "-".
    template <typename U>
    void pad(const Directive& d, const U* text, std::size_t count) {
        std::size_t fill = d.width > static_cast<int>(count) ? d.width - count : 0;
        if (!d.minus)
            for (; fill; --fill) out.push(' ');
        for (std::size_t i = 0; i < count; ++i) out.push(static_cast<T>(text[i]));
        for (; fill; --fill) out.push(' ');
    }
};

} // namespace

template <typename T>
void Formatter<T>::addArgument(std::int32_t kind, typename FmtArg<T>::Value value) {
    auto argument = std::make_unique<FmtArg<T>>(kind, value);
    if (arguments.append(argument.get())) argument.release();
}

template <typename T>
void Formatter<T>::discardArguments() {
    arguments.deleteAll();
}

template <typename T>
TString<T>* Formatter<T>::format(bool reset) {
    struct ResetGuard {
        Formatter* self;
        ~ResetGuard() {
            if (self) {
                self->pattern.clear();
                self->discardArguments();
            }
        }
    } guard{reset ? this : nullptr};
    auto result = std::make_unique<TString<T>>();
    FormatRun<T>(pattern, arguments, *result).run();
    return result.release();
}

template class Formatter<char>;
template class Formatter<u16>;
template class Formatter<u32>;

} // namespace ZUM
