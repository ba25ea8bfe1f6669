#pragma once
// Weekday of birth, age and days lived for a birth date given as numbers.
#include <optional>
#include <string>
#include <string_view>

#include "date.h"

namespace norvane {

// The birth date joined with sign-reserving numbers: 2008, 4, 16 ->
// " 2008/ 4/ 16".
std::string weekday_date_text(double year, double month, double day);

// The birth date joined with plain numbers: 2008, 4, 16 -> "2008/4/16".
std::string birth_date_text(double year, double month, double day);

// Weekday of a date text as one kanji in full-width brackets, "（日）" for
// a Sunday ... "（土）" for a Saturday; empty when the text names no date.
std::u16string weekday_caption(std::string_view date_text);

// Age as the plain difference of calendar years, month and day not
// consulted: "年齢は 62才です。", "年齢は-1才です。".
std::u16string age_caption(double birth_year, Date today);

// Days from the birth date text to `start`; the birth day counts 0.
// nullopt when the text names no date.
std::optional<double> days_from_birth(std::string_view birth_text, Date start);

}  // namespace norvane
