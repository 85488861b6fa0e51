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

NumberResult toInteger(std::string_view text, std::int64_t min, std::int64_t max);
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
