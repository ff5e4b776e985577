#include "platform/core/checked.hpp"

#include <cctype>
#include <cmath>
#include <limits>

namespace platform {

i16 ToI16(int64_t v) {
    if (v < std::numeric_limits<i16>::min() || v > std::numeric_limits<i16>::max())
        Raise(kErrOverflow);
    return i16(v);
}

i32 ToI32(int64_t v) {
    if (v < std::numeric_limits<i32>::min() || v > std::numeric_limits<i32>::max())
        Raise(kErrOverflow);
    return i32(v);
}

namespace {

// Nearest integer, halves to even (the default floating-point rounding mode).
double RoundHalfEven(double v) {
    if (!std::isfinite(v))
        Raise(kErrOverflow);
    return std::nearbyint(v);
}

}  // namespace

i16 RoundToI16(double v) {
    double r = RoundHalfEven(v);
    if (r < -32768.0 || r > 32767.0)
        Raise(kErrOverflow);
    return i16(r);
}

i32 RoundToI32(double v) {
    double r = RoundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0)
        Raise(kErrOverflow);
    return i32(r);
}

double ReadNumber(std::string_view text) {
    size_t i = 0, n = text.size();
    auto skipSpaces = [&] {
        while (i < n && text[i] == ' ') ++i;
    };
    skipSpaces();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    double value = 0;
    size_t digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i++] - '0');
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            value += (text[i++] - '0') * scale;
            scale /= 10;
            ++digits;
        }
    }
    skipSpaces();
    if (digits == 0 || i != n)
        Raise(kErrTypeMismatch);
    return negative ? -value : value;
}

std::string NumberText(int64_t v) {
    return std::to_string(v);
}

}  // namespace platform
