#pragma once
// Era years and the one era boundary the program knows: Showa 64 ended on
// 7 January 1989 and Heisei 1 began on 8 January 1989.
#include <cstdint>
#include <string_view>

namespace norvane {

enum class EraMode { None, Heisei, Showa, Western };

// Western year of an era year typed as text, or 0 when there is no valid
// year: Heisei n -> n + 1988; Showa n -> n + 1925, 0 past 1989; Western n
// -> n; no mode -> 0. The text counts by its leading number ("6a" is 6, ""
// is 0). A sum outside the 16-bit range also gives 0.
std::int16_t western_year(EraMode mode, std::string_view year_text);

enum class BoundaryBreach { None, HeiseiStart, ShowaEnd, ShowaLastMonth };

// Whole-date rules: Heisei 1 January before the 8th, Showa 64 January after
// the 7th. Year, month and day are the numeric values of their texts.
BoundaryBreach check_whole_date(EraMode mode, double year, double month, double day);

// Year-and-month rule: no month after January in Showa 64.
BoundaryBreach check_year_month(EraMode mode, double year, double month);

// The message for a breach, its two lines joined by a single carriage
// return; empty for None.
std::u16string_view boundary_message(BoundaryBreach breach);

}  // namespace norvane
