// The one text-to-number conversion of the editor, used by the loaders, the
// configuration reader and the handlers alike.
//
// A number is: optional blanks, an optional sign, decimal digits with an
// optional fraction (".5", "10.", "10.4"), an optional exponent ("1e2"),
// optional blanks. It is rounded to the nearest integer, halves to the even
// neighbour, and must then lie in the target range.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace gs {

enum class NumberError { None, NotANumber, OutOfRange };

struct NumberResult {
    std::int64_t value = 0;
    NumberError error = NumberError::None;
    bool ok() const { return error == NumberError::None; }
};

// The usual spelling, a sign or none and one to nine digits, read straight
// away (the data tables hold hundreds of thousands of such cells); false for
// any other spelling.
[[gnu::always_inline]] inline bool readPlainInteger(std::string_view text, std::int64_t& value) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) ++p;
    if (p == end || end - p > 9) return false;
    std::int64_t v = 0;
    for (; p != end; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9) return false;
        v = v * 10 + digit;
    }
    value = negative ? -v : v;
    return true;
}

// Any spelling of a number; toInteger tries the usual one first.
NumberResult toIntegerAnySpelling(std::string_view text, std::int64_t min, std::int64_t max);

inline NumberResult toInteger(std::string_view text, std::int64_t min, std::int64_t max) {
    std::int64_t value;
    if (!readPlainInteger(text, value)) return toIntegerAnySpelling(text, min, max);
    if (value < min || value > max) return {0, NumberError::OutOfRange};
    return {value, NumberError::None};
}
inline NumberResult toInt16(std::string_view text) { return toInteger(text, INT16_MIN, INT16_MAX); }
inline NumberResult toInt32(std::string_view text) { return toInteger(text, INT32_MIN, INT32_MAX); }

// A failed conversion inside a handler: the handler's own failure path
// catches it (for the commander-block buttons, through ReportError).
class ConversionFailure : public std::runtime_error {
public:
    ConversionFailure(std::string text, NumberError error);
    const std::string& text() const { return text_; }
    NumberError error() const { return error_; }

private:
    std::string text_;
    NumberError error_;
};

// The 16-bit conversion that throws ConversionFailure when it fails.
std::int16_t CInt(std::string_view text);

// Decimal digits with a "-" for negatives and nothing for positives ("12", "-3").
std::string plainNumber(std::int64_t n);
// The sign's place kept by one blank for zero and positive numbers (" 12", "-3").
std::string signedNumber(std::int64_t n);

}  // namespace gs
