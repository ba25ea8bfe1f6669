#include "date_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace norvane {

std::string to_date_text(Date d) {
  const auto ymd = to_ymd(d);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d/%02u/%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buf;
}

namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool skip_blanks() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    return pos_ > start;
  }

  // A run of blanks, one "/" with blanks either side, or both.
  bool separator() {
    const bool blanks = skip_blanks();
    if (pos_ < text_.size() && text_[pos_] == '/') {
      ++pos_;
      skip_blanks();
      return true;
    }
    return blanks;
  }

  // Saturates well above any valid part so long digit runs cannot overflow.
  std::optional<int> number() {
    const std::size_t start = pos_;
    int value = 0;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      value = std::min(value * 10 + (text_[pos_] - '0'), 100000);
      ++pos_;
    }
    if (pos_ == start) return std::nullopt;
    return value;
  }

  bool at_end() const { return pos_ == text_.size(); }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<DateTextParts> read_date_parts(std::string_view text) {
  Reader in(text);
  std::array<int, 3> parts{};
  in.skip_blanks();
  for (std::size_t k = 0; k < parts.size(); ++k) {
    if (k > 0 && !in.separator()) return std::nullopt;
    const auto n = in.number();
    if (!n) return std::nullopt;
    parts[k] = *n;
  }
  in.skip_blanks();
  if (!in.at_end()) return std::nullopt;
  return DateTextParts{parts[0], parts[1], parts[2]};
}

std::optional<Date> parse_date_text(std::string_view text) {
  const std::optional<DateTextParts> parts = read_date_parts(text);
  if (!parts) return std::nullopt;
  const auto [y, m, d] = *parts;
  // std::chrono keeps month and day in a byte, so range-check before building.
  if (y < kMinDateYear || y > kMaxDateYear || m < 1 || m > 12 || d < 1 || d > 31) {
    return std::nullopt;
  }
  const std::chrono::year_month_day ymd{std::chrono::year{y},
                                        std::chrono::month{static_cast<unsigned>(m)},
                                        std::chrono::day{static_cast<unsigned>(d)}};
  if (!ymd.ok()) return std::nullopt;
  return from_sys_days(std::chrono::sys_days{ymd});
}

}  // namespace norvane
