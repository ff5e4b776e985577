// Checked 16/32-bit integer arithmetic and the game's number conversions.
// Every result outside its type raises run-time error 6; labels read as numbers raise 13.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/runtime_error.hpp"

namespace platform {

using i16 = int16_t;
using i32 = int32_t;
using f32 = float;

// Narrowing with the overflow check.
i16 ToI16(int64_t v);
i32 ToI32(int64_t v);

// Float to integer: nearest, halves to even; overflow when it does not fit.
i16 RoundToI16(double v);
i32 RoundToI32(double v);

inline i16 Add16(i16 a, i16 b) {
    return ToI16(int64_t(a) + b);
}
inline i16 Sub16(i16 a, i16 b) {
    return ToI16(int64_t(a) - b);
}
inline i16 Mul16(i16 a, i16 b) {
    return ToI16(int64_t(a) * b);
}
inline i32 Add32(i32 a, i32 b) {
    return ToI32(int64_t(a) + b);
}
inline i32 Sub32(i32 a, i32 b) {
    return ToI32(int64_t(a) - b);
}

// A label's text read as a number: optional spaces, optional sign, digits (and an optional
// fractional part). Anything else is a type mismatch (error 13).
double ReadNumber(std::string_view text);

// Decimal text of an integer as a label shows it ("-5", "150").
std::string NumberText(int64_t v);

}  // namespace platform
