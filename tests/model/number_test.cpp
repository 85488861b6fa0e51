// The one text-to-number conversion (the number-to-text forms show in the
// layouts and transcripts).
#include "model/number.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/session.h"

namespace gs {
namespace {

TEST(Number, ReadsDecimalsRoundingHalvesToEvenAndFailsOnNonNumbersAndOverflow) {
    std::istringstream in(test::dataFile("numbers.txt"));
    for (std::string line; std::getline(in, line);) {
        if (line[0] == '#') continue;
        const std::size_t end = line.rfind('"');
        const NumberResult n = toInt16(test::unescaped(line.substr(1, end - 1)));
        EXPECT_EQ(n.ok() ? std::to_string(n.value)
                         : n.error == NumberError::NotANumber ? "not a number" : "out of range", line.substr(end + 2)) << line;
    }
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

}  // namespace
}  // namespace gs
