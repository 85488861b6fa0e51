#include "model/number.h"

#include <algorithm>
#include <cctype>

namespace gs {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// More integer digits than this cannot fit any range the editor uses.
constexpr long kMaxIntegerDigits = 19;

}  // namespace

NumberResult toIntegerAnySpelling(std::string_view s, std::int64_t min, std::int64_t max) {
    std::size_t i = 0, n = s.size();
    while (i < n && isBlank(s[i])) ++i;
    while (n > i && isBlank(s[n - 1])) --n;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    // Significant digits (leading zeros dropped) and the count of them that
    // stand before the decimal point.
    std::string digits;
    long pointAt = 0;
    bool anyDigit = false;
    for (; i < n && isDigit(s[i]); ++i) {
        anyDigit = true;
        if (digits.empty() && s[i] == '0') continue;
        digits += s[i];
        ++pointAt;
    }
    if (i < n && s[i] == '.') {
        for (++i; i < n && isDigit(s[i]); ++i) {
            anyDigit = true;
            if (digits.empty() && s[i] == '0') {
                --pointAt;
                continue;
            }
            digits += s[i];
        }
    }
    if (!anyDigit) return {0, NumberError::NotANumber};
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
        if (i >= n || !isDigit(s[i])) return {0, NumberError::NotANumber};
        long exponent = 0;
        for (; i < n && isDigit(s[i]); ++i)
            if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
        pointAt += expNegative ? -exponent : exponent;
    }
    if (i != n) return {0, NumberError::NotANumber};
    if (digits.empty()) return {0, NumberError::None};  // zero in any spelling
    if (pointAt > kMaxIntegerDigits) return {0, NumberError::OutOfRange};

    // Integer part, then round on the fraction: above a half up, below down,
    // exactly a half to the even neighbour.
    std::uint64_t whole = 0;
    for (long k = 0; k < pointAt; ++k)
        whole = whole * 10 + (k < static_cast<long>(digits.size()) ? digits[k] - '0' : 0);
    int roundUp = 0;  // -1 below half, 0 exactly half, 1 above half
    if (pointAt < 0) {
        roundUp = -1;
    } else if (pointAt < static_cast<long>(digits.size())) {
        const char first = digits[pointAt];
        if (first != '5') {
            roundUp = first > '5' ? 1 : -1;
        } else {
            roundUp = 0;
            for (std::size_t k = pointAt + 1; k < digits.size(); ++k)
                if (digits[k] != '0') roundUp = 1;
        }
    } else {
        roundUp = -2;  // no fraction
    }
    if (roundUp == 1 || (roundUp == 0 && whole % 2 == 1)) ++whole;

    if (whole > static_cast<std::uint64_t>(INT64_MAX)) return {0, NumberError::OutOfRange};
    const std::int64_t value = negative ? -static_cast<std::int64_t>(whole) : static_cast<std::int64_t>(whole);
    if (value < min || value > max) return {0, NumberError::OutOfRange};
    return {value, NumberError::None};
}

ConversionFailure::ConversionFailure(std::string text, NumberError error)
    : std::runtime_error(error == NumberError::OutOfRange ? "number out of range" : "not a number"),
      text_(std::move(text)),
      error_(error) {}

std::int16_t CInt(std::string_view text) {
    const NumberResult r = toInt16(text);
    if (!r.ok()) throw ConversionFailure(std::string(text), r.error);
    return static_cast<std::int16_t>(r.value);
}

std::string plainNumber(std::int64_t n) { return std::to_string(n); }

std::string signedNumber(std::int64_t n) { return n >= 0 ? " " + std::to_string(n) : std::to_string(n); }

}  // namespace gs
