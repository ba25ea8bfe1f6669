#pragma once
// Calendar dates as whole days counted from 30 December 1899 (day 0), the
// day numbering the program's date texts and day differences are built on.
#include <chrono>
#include <compare>
#include <cstdint>
#include <optional>

namespace norvane {

struct Date {
  std::int32_t serial = 0;  // days since 1899-12-30
  // NOLINTNEXTLINE(modernize-use-nullptr): the check misreads a defaulted <=>
  friend constexpr auto operator<=>(Date, Date) = default;
};

inline constexpr std::chrono::sys_days kDateEpoch{std::chrono::year{1899} / 12 / 30};

// Years a Date may be built for from parts or text.
inline constexpr int kMinDateYear = 100;
inline constexpr int kMaxDateYear = 9999;
// The first year a date picker holds.
inline constexpr int kPickerFirstYear = 1601;

constexpr std::chrono::sys_days to_sys_days(Date d) {
  return kDateEpoch + std::chrono::days{d.serial};
}
constexpr Date from_sys_days(std::chrono::sys_days d) {
  return Date{static_cast<std::int32_t>((d - kDateEpoch).count())};
}
constexpr std::chrono::year_month_day to_ymd(Date d) {
  return std::chrono::year_month_day{to_sys_days(d)};
}

constexpr Date add_days(Date d, std::int32_t n) {
  return Date{d.serial + n};
}
// b - a in whole days; negative when b is earlier.
constexpr std::int32_t days_between(Date a, Date b) {
  return b.serial - a.serial;
}

int year_of(Date d);
int month_of(Date d);
int day_of_month(Date d);
// 1 = Sunday ... 7 = Saturday.
int weekday_of(Date d);

// Date from parts with carrying: month 13 is January of the next year,
// month 0 December of the year before, day 0 the last day of the month
// before, day 32 a day of the next month. nullopt when the result lies
// outside the years kMinDateYear..kMaxDateYear.
std::optional<Date> date_serial(int year, int month, int day);

// Last day of month `month` of `year`, found as the day before the first of
// the next month (so month 13 is January of the next year). nullopt when out
// of range.
std::optional<int> last_day_of_month(int year, int month);

}  // namespace norvane
