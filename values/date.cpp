#include "date.h"

namespace norvane {

namespace {

using std::chrono::sys_days;

constexpr long long kDaysPer400Years = 146097;
constexpr long long kFirstSerial =
    (sys_days{std::chrono::year{kMinDateYear} / 1 / 1} - kDateEpoch).count();
constexpr long long kLastSerial =
    (sys_days{std::chrono::year{kMaxDateYear} / 12 / 31} - kDateEpoch).count();

constexpr long long floor_div(long long a, long long b) {
  const long long q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Wide arithmetic so that any int parts carry without overflow; the year is
// folded into 2000..2399 (the calendar repeats every 400 years) so that
// std::chrono never sees a year outside its range.
std::optional<Date> serial_from_parts(long long year, long long month, long long day) {
  const long long months = year * 12 + (month - 1);
  const long long y = floor_div(months, 12);
  const auto m = static_cast<unsigned>(months - y * 12 + 1);
  const long long cycles = floor_div(y - 2000, 400);
  const auto folded = static_cast<int>(y - cycles * 400);
  const sys_days first{std::chrono::year{folded} / std::chrono::month{m} / 1};
  const long long serial = (first - kDateEpoch).count() + cycles * kDaysPer400Years + (day - 1);
  if (serial < kFirstSerial || serial > kLastSerial) return std::nullopt;
  return Date{static_cast<std::int32_t>(serial)};
}

}  // namespace

int year_of(Date d) {
  return static_cast<int>(to_ymd(d).year());
}
int month_of(Date d) {
  return static_cast<int>(static_cast<unsigned>(to_ymd(d).month()));
}
int day_of_month(Date d) {
  return static_cast<int>(static_cast<unsigned>(to_ymd(d).day()));
}

int weekday_of(Date d) {
  return static_cast<int>(std::chrono::weekday{to_sys_days(d)}.c_encoding()) + 1;
}

std::optional<Date> date_serial(int year, int month, int day) {
  return serial_from_parts(year, month, day);
}

std::optional<int> last_day_of_month(int year, int month) {
  const auto d = serial_from_parts(year, static_cast<long long>(month) + 1, 0);
  if (!d) return std::nullopt;
  return day_of_month(*d);
}

}  // namespace norvane
