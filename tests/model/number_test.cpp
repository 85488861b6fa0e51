// The one text-to-number conversion and the number-to-text forms.
#include "model/number.h"

#include <gtest/gtest.h>

namespace gs {
namespace {

TEST(Number, ReadsDecimalsRoundingHalvesToEven) {
    const std::pair<const char*, std::int64_t> cases[] = {{"7", 7},          {" 7 ", 7},         {"\t-12\t", -12},      {"+3", 3},          {"007", 7},
                 {"0", 0},          {"-0", 0},          {"0.0", 0},            {".5", 0},          {"1.5", 2},
                 {"2.5", 2},        {"-2.5", -2},       {"2.51", 3},           {"2.4999", 2},      {"10.", 10},
                 {"1e2", 100},      {"1.5E1", 15},      {"25e-1", 2},          {"35e-1", 4},       {"32767", 32767},
                 {"-32768", -32768}, {"-32768.5", -32768}, {"32766.5", 32766}, {"0.0000001", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(std::pair(toInt16(text).ok(), toInt16(text).value), std::pair(true, value)) << '"' << text << '"';
}

TEST(Number, FailsOnNonNumbersAndOnOverflowAfterRounding) {
    for (const char* text : {"", " ", "  ", "*", "-", "+", ".", "abc", "7a", "1 2", "--1", "1e", "e5", "0x10", "1,5"})
        EXPECT_EQ(toInt16(text).error, NumberError::NotANumber) << '"' << text << '"';
    for (const char* text : {"32768", "-32769", "32767.5", "-32768.51", "1e5", "99999999999999999999999"})
        EXPECT_EQ(toInt16(text).error, NumberError::OutOfRange) << '"' << text << '"';
    EXPECT_EQ(toInt32("2147483647").value, 2147483647);
    EXPECT_EQ(toInt32("2147483648").error, NumberError::OutOfRange);

    EXPECT_EQ(CInt(" 12 "), 12);
    try {
        CInt("x1");
        ADD_FAILURE() << "CInt accepted x1";
    } catch (const ConversionFailure& failure) {
        EXPECT_EQ(failure.text(), "x1");
        EXPECT_EQ(failure.error(), NumberError::NotANumber);
    }
}

TEST(Number, WritesPlainAndSignPlaceForms) {
    EXPECT_EQ(plainNumber(0) + "|" + plainNumber(12) + "|" + plainNumber(-3), "0|12|-3");
    EXPECT_EQ(signedNumber(0) + "|" + signedNumber(12) + "|" + signedNumber(-3), " 0| 12|-3");
}

}  // namespace
}  // namespace gs
