#include "birth.h"

#include <array>

#include "date_text.h"
#include "numbers.h"

namespace norvane {

namespace {

// The number texts are ASCII, so widening char by char is enough.
std::u16string widen(const std::string& ascii) {
  return {ascii.begin(), ascii.end()};
}

}  // namespace

std::string weekday_date_text(double year, double month, double day) {
  return str_signed(year) + '/' + str_signed(month) + '/' + str_signed(day);
}

std::string birth_date_text(double year, double month, double day) {
  return str_plain(year) + '/' + str_plain(month) + '/' + str_plain(day);
}

std::u16string weekday_caption(std::string_view date_text) {
  static constexpr std::array<std::u16string_view, 7> kNames{
      u"（日）", u"（月）", u"（火）", u"（水）", u"（木）", u"（金）", u"（土）"};
  const auto date = parse_date_text(date_text);
  if (!date) return {};
  return std::u16string(kNames[weekday_of(*date) - 1]);
}

std::u16string age_caption(double birth_year, Date today) {
  return u"年齢は" + widen(str_signed(year_of(today) - birth_year)) + u"才です。";
}

std::optional<double> days_from_birth(std::string_view birth_text, Date start) {
  const auto birth = parse_date_text(birth_text);
  if (!birth) return std::nullopt;
  return static_cast<double>(days_between(*birth, start));
}

}  // namespace norvane
