#pragma once
// The program's date texts: "yyyy/mm/dd" out, a tolerant reading in.
#include <optional>
#include <string>
#include <string_view>

#include "date.h"

namespace norvane {

// Four-digit year, "/", two-digit month, "/", two-digit day: "1964/10/01".
// Past 9999 the year takes five digits ("10000/08/07"), up to 32767.
std::string to_date_text(Date d);

// Reads year, month and day in that order, separated by "/" or blanks, with
// or without leading zeros, with blanks before any of the numbers
// (" 1988/04/16", "2008/04/ 23", " 1990 1 15", "2008/5/16"). Trailing blanks
// are allowed. nullopt ("no date") for any other text or for a date that does
// not exist (2023/02/29, month 13, day 0) or lies outside the Date years.
std::optional<Date> parse_date_text(std::string_view text);

// The three numbers of a date text as parse_date_text reads them, before
// any test that they name a date; nullopt when the text is no date text.
struct DateTextParts {
  int year, month, day;
};
std::optional<DateTextParts> read_date_parts(std::string_view text);

}  // namespace norvane
