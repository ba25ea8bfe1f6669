#pragma once
// Number and text conversions with the rounding and sign rules the
// program's captions and checks depend on.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// Numeric value of the leading number of a text: blanks, tabs and line
// feeds are skipped wherever they stand; an optional sign, digits, an
// optional decimal part and exponent are read; reading stops at the first
// other character. 0 for an empty text or a text without a leading number.
// "6a" -> 6, "01" -> 1, " 1 2" -> 12, "a6" -> 0, "-3" -> -3, "1.5" -> 1.5.
double val(std::string_view text);

// Conversion to a 16-bit integer, rounding halves to even (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2). nullopt on overflow outside -32768..32767 or for a
// value that is not a number.
std::optional<std::int16_t> to_int16(double value);

// Rounds down, towards minus infinity.
double int_floor(double value);

// Number to text with a place reserved for the sign: one blank before a
// number that is not negative, "-" before a negative one: 30 -> " 30",
// -1 -> "-1", 0 -> " 0", 1.5 -> " 1.5".
std::string str_signed(double value);

// Number to text, digits alone: 62 -> "62", -1 -> "-1".
std::string str_plain(double value);

}  // namespace norvane
