// The number conversion under the fuzzer, against a simple independent
// check: the C library's strtod and rounding to nearest (halves to even).
//
// Properties, whatever the text:
// - an accepted text gives a value inside the target's range;
// - the 16- and 32-bit conversions agree wherever the value fits both;
// - a plain decimal of at most 15 significant digits (where a double holds
//   every digit that can decide the rounding) is accepted exactly when its
//   rounded value lies in the range, and then with that value;
// - blanks around a number change nothing.
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "check.h"
#include "model/number.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The rounded value of [blanks][sign]digits[.digits][(e|E)[sign]digits][blanks]
// when it has at most 15 significant digits; nullopt for any other text.
std::optional<double> reference(std::string_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
    const std::string text(s.substr(a, b - a));
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::string mantissa;
    for (; i < text.size() && isDigit(text[i]); ++i) mantissa += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i) mantissa += text[i];
    if (mantissa.empty()) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        if (i == start || i - start > 6) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    const std::size_t first = mantissa.find_first_not_of('0');
    if (first != std::string::npos && mantissa.find_last_not_of('0') - first >= 15) return std::nullopt;
    return std::nearbyint(std::strtod(text.c_str(), nullptr));
}

void check(std::string_view text, std::int64_t min, std::int64_t max) {
    const gs::NumberResult r = gs::toInteger(text, min, max);
    if (r.ok()) GS_CHECK(r.value >= min && r.value <= max);
    if (const std::optional<double> expected = reference(text)) {
        const bool inRange = *expected >= static_cast<double>(min) && *expected <= static_cast<double>(max);
        GS_CHECK(r.ok() == inRange);
        if (inRange)
            GS_CHECK(r.value == static_cast<std::int64_t>(*expected));
        else
            GS_CHECK(r.error == gs::NumberError::OutOfRange);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::fesetround(FE_TONEAREST);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(text, INT16_MIN, INT16_MAX);
    check(text, INT32_MIN, INT32_MAX);

    const gs::NumberResult small = gs::toInt16(text), large = gs::toInt32(text);
    if (large.ok() && large.value >= INT16_MIN && large.value <= INT16_MAX)
        GS_CHECK(small.ok() && small.value == large.value);
    if (small.ok()) GS_CHECK(large.ok() && large.value == small.value);
    if (large.error == gs::NumberError::NotANumber) GS_CHECK(small.error == gs::NumberError::NotANumber);

    const gs::NumberResult padded = gs::toInt32(" \t" + std::string(text) + "\t ");
    GS_CHECK(padded.error == large.error && padded.value == large.value);
    return 0;
}
