#pragma once
// Caution days (注意日): the days on which a rhythm's curve meets zero,
// and the coming ones for a birth date, one rhythm or more at a time.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "date.h"

namespace norvane {

// A rhythm of `period` days is at a caution day `days` after the birth day
// when its curve meets zero on that day: at the day itself, or between it
// and the next. So p divides 2d or 2d + 1: two days in every period, at
// its start and half-way.
constexpr bool caution_day(std::int64_t days, int period) {
  const std::int64_t twice = ((2 * days) % period + period) % period;
  return twice == 0 || twice == period - 1;
}

struct CautionDay {
  Date date;
  std::array<bool, 3> rhythms{};  // physical, emotional, intellectual: the legend's order
  int count = 0;                  // how many of the three
};

// The days from `first` on, `days` of them, on which at least one rhythm of
// the person born on `birth` is at a caution day.
std::vector<CautionDay> caution_days(Date birth, Date first, int days);

// The first day on or after `from` on which all three are at a caution
// day; the periods being coprime, one comes within FULL_CYCLE_DAYS.
Date next_triple_caution(Date birth, Date from);

// The rhythms of a caution day in the legend's words, "身体・感情".
std::u16string caution_words(const CautionDay& day);
// "二重" for two rhythms, "三重" for three, else empty.
std::u16string caution_overlap(const CautionDay& day);
// "2026/12/06（日）".
std::u16string date_with_weekday(Date d);

// The first caution day on or after `from`: a physical one comes within 12
// days.
CautionDay next_caution_day(Date birth, Date from);
// "12/06（日） 身体・感情（二重）": a caution day as one line.
std::u16string caution_line(const CautionDay& day);
// "今日 12/10（木） 身体・感情（二重）", "明日 …", or none when the next
// caution day is further off.
std::optional<std::u16string> reminder_line(Date birth, Date today);

// The list as tab-separated rows under a header row, each ending with a
// line feed.
std::u16string caution_table_text(const std::vector<CautionDay>& days);

}  // namespace norvane
