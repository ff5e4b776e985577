#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/core/checked.hpp"

using namespace platform;

namespace {

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(Checked, SixteenAndThirtyTwoBitOverflowRaiseError6) {
    EXPECT_EQ(Add16(32766, 1), 32767);
    EXPECT_EQ(ErrorOf([] { Add16(32767, 1); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([] { Sub16(-32768, 1); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([] { Mul16(2, 16384); }), kErrOverflow);
    EXPECT_EQ(Sub32(-2147483647, 1), INT32_MIN);
    EXPECT_EQ(ErrorOf([] { Add32(INT32_MAX, 1); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([] { ToI16(40000); }), kErrOverflow);
}

TEST(Checked, FloatToIntegerRoundsHalvesToEven) {
    EXPECT_EQ(RoundToI32(123.5), 124);
    EXPECT_EQ(RoundToI32(124.5), 124);
    EXPECT_EQ(RoundToI32(-2.5), -2);
    EXPECT_EQ(RoundToI32(-3.5), -4);
    EXPECT_EQ(RoundToI32(2.4999), 2);
    EXPECT_EQ(RoundToI16(32767.4), 32767);
    EXPECT_EQ(ErrorOf([] { RoundToI16(32767.5); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([] { RoundToI32(3e9); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([] { RoundToI32(std::nan("")); }), kErrOverflow);
}

TEST(Checked, LabelTextReadsAsNumberOrRaisesTypeMismatch) {
    EXPECT_EQ(ReadNumber("100"), 100);
    EXPECT_EQ(ReadNumber("  -4 "), -4);
    EXPECT_EQ(ReadNumber("+2"), 2);
    EXPECT_EQ(ReadNumber("1.5"), 1.5);
    for (const char* bad : {"", " ", "dzipenes", "1 2", "-", "12a", "0x10"})
        EXPECT_EQ(ErrorOf([&] { ReadNumber(bad); }), kErrTypeMismatch) << "'" << bad << "'";
}

TEST(Checked, ErrorReportNamesNumberAndDescription) {
    RuntimeError e(6, ErrorDescription(6));
    EXPECT_EQ(FormatRuntimeError(e), "Run-time error '6': Overflow");
    EXPECT_EQ(ErrorDescription(9), "Subscript out of range");
    EXPECT_EQ(ErrorDescription(13), "Type mismatch");
}
