#include "big_uint.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Shifts across limb boundaries, checked against 64-bit arithmetic.
struct ShiftCase {
    uint64_t value;
    unsigned bits;
};

class BigUIntShifts : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(BigUIntShifts, RightShiftAndLowBitsAgreeWithMachineIntegers) {
    const uint64_t value = GetParam().value;
    const unsigned bits = GetParam().bits;
    BigUInt big(value);
    EXPECT_EQ(big.AnyBitBelow(bits),
              bits >= 64 ? value != 0 : (value & ((uint64_t{1} << bits) - 1)) != 0);
    EXPECT_EQ(big.TestBit(bits), bits < 64 && ((value >> bits) & 1u) != 0);
    big.ShiftRight(bits);
    EXPECT_EQ(Compare(big, BigUInt(bits >= 64 ? 0 : value >> bits)), 0);
}

TEST_P(BigUIntShifts, LeftThenRightShiftRestoresTheValue) {
    BigUInt big(GetParam().value);
    big.ShiftLeft(GetParam().bits);
    EXPECT_EQ(big.IsZero(), GetParam().value == 0);
    big.ShiftRight(GetParam().bits);
    EXPECT_EQ(Compare(big, BigUInt(GetParam().value)), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BigUIntShifts,
    ::testing::Values(ShiftCase{0, 0}, ShiftCase{0, 40}, ShiftCase{1, 0}, ShiftCase{1, 1},
                      ShiftCase{0xFFFFFFFFu, 31}, ShiftCase{0xFFFFFFFFu, 32},
                      ShiftCase{0x100000000u, 32}, ShiftCase{0x100000000u, 31},
                      ShiftCase{0x8000000000000001u, 63}, ShiftCase{0x8000000000000000u, 63},
                      ShiftCase{0xDEADBEEFCAFEF00Du, 17}, ShiftCase{0xDEADBEEFCAFEF00Du, 64},
                      ShiftCase{0xDEADBEEFCAFEF00Du, 100}));

TEST(BigUInt, DecimalDigitsOfPowersAndProducts) {
    BigUInt value(1);
    value.ShiftLeft(64);
    EXPECT_EQ(value.ToDecimal(), "18446744073709551616");
    EXPECT_EQ(value.BitLength(), 65u);
    value.MulPow5(27);  // 2^64 x 5^27 = 2^37 x 10^27
    EXPECT_EQ(value.ToDecimal(), "137438953472000000000000000000000000000");
    EXPECT_EQ(BigUInt(1000000000u).ToDecimal(), "1000000000");
    EXPECT_EQ(BigUInt(1000000001u).ToDecimal(), "1000000001");
    EXPECT_EQ(BigUInt().ToDecimal(), "0");

    const BigUInt product = BigUInt(0xFFFFFFFFFFFFFFFFu) * BigUInt(0xFFFFFFFFFFFFFFFFu);
    EXPECT_EQ(product.ToDecimal(), "340282366920938463426481119284349108225");
}

TEST(BigUInt, DivisionBySmallNumbersGivesQuotientAndRemainder) {
    BigUInt value(1);
    value.ShiftLeft(100);
    EXPECT_EQ(value.DivSmall(1000000007u), 976371285u);
    EXPECT_EQ(value.ToDecimal(), "1267650591354675262013");
    EXPECT_EQ(value.DivSmall(1u), 0u);
    EXPECT_EQ(value.ToDecimal(), "1267650591354675262013");
}

TEST(BigUInt, CompareOrdersByValue) {
    BigUInt big(1);
    big.ShiftLeft(96);
    BigUInt bigPlusOne = big;
    bigPlusOne.MulAdd(1, 1);
    EXPECT_LT(Compare(big, bigPlusOne), 0);
    EXPECT_GT(Compare(bigPlusOne, big), 0);
    EXPECT_EQ(Compare(big, big), 0);
    EXPECT_GT(Compare(big, BigUInt(0xFFFFFFFFFFFFFFFFu)), 0);
    EXPECT_LT(Compare(BigUInt(), BigUInt(1)), 0);
}

}  // namespace
