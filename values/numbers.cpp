#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace norvane {

namespace {

bool is_skipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Far past any double's exponent, yet safe to add digit counts to.
constexpr long long kExponentLimit = 999999999;

}  // namespace

double val(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (!is_skipped(c)) s.push_back(c);
  }

  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  // Mantissa digits with the decimal point kept; from_chars reads it as is.
  std::string number;
  // Decimal magnitude of the leading non-zero digit, to tell overflow from
  // underflow when from_chars gives up.
  long long magnitude = 0;
  bool seen_nonzero = false;
  for (; i < s.size() && is_digit(s[i]); ++i) {
    number.push_back(s[i]);
    if (seen_nonzero || s[i] != '0') {
      seen_nonzero = true;
      ++magnitude;
    }
  }
  if (i < s.size() && s[i] == '.') {
    number.push_back('.');
    long long place = 0;
    for (++i; i < s.size() && is_digit(s[i]); ++i) {
      number.push_back(s[i]);
      --place;
      if (!seen_nonzero && s[i] != '0') {
        seen_nonzero = true;
        magnitude = place + 1;
      }
    }
  }
  if (!seen_nonzero) return 0.0;

  long long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    bool exp_negative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp_negative = s[j++] == '-';
    if (j < s.size() && is_digit(s[j])) {
      for (; j < s.size() && is_digit(s[j]); ++j) {
        exponent = std::min(exponent * 10 + (s[j] - '0'), kExponentLimit);
      }
      if (exp_negative) exponent = -exponent;
    }
  }
  number += 'e' + std::to_string(exponent);

  double result = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), result);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    result = magnitude + exponent > 0 ? HUGE_VAL : 0.0;
  }
  return negative ? -result : result;
}

std::optional<std::int16_t> to_int16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double r = std::round(value);
  // Ties go to the even neighbour; below 65536 the fraction is exact.
  if (std::fabs(value) < 65536 && std::fabs(value - std::trunc(value)) == 0.5) {
    r = 2 * std::round(value / 2);
  }
  if (r < -32768 || r > 32767) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

double int_floor(double value) {
  return std::floor(value);
}

std::string str_plain(double value) {
  if (value == 0) value = 0;  // no "-0"
  char buf[512];
  const bool whole = std::isfinite(value) && value == std::trunc(value);
  const auto result =
      whole ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 0)
            : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  return std::string(buf, result.ptr);
}

std::string str_signed(double value) {
  std::string s = str_plain(value);
  return value < 0 ? s : ' ' + s;
}

}  // namespace norvane
