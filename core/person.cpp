#include "person.h"

#include <cstdio>

namespace norvane {

namespace {

constexpr int kHeiseiOffset = 1988;
constexpr int kShowaOffset = 1925;

int era_year(Date birth, EntryKind kind) {
  return year_of(birth) - (kind == EntryKind::Heisei ? kHeiseiOffset : kShowaOffset);
}

std::string two_digits(int n) {
  char text[8]{};
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

}  // namespace

char entry_letter(EntryKind kind) {
  switch (kind) {
    case EntryKind::Heisei:
      return 'H';
    case EntryKind::Showa:
      return 'S';
    case EntryKind::Western:
      break;
  }
  return 'W';
}

std::optional<EntryKind> entry_of_letter(std::string_view letter) {
  if (letter == "H") return EntryKind::Heisei;
  if (letter == "S") return EntryKind::Showa;
  if (letter == "W") return EntryKind::Western;
  return std::nullopt;
}

NameCheck check_name(std::u16string_view name) {
  if (name.empty()) return NameCheck::Empty;
  int characters = 0;
  for (const char16_t c : name) {
    if (c < 0x20 || (c >= 0x7f && c < 0xa0) || c == 0x2028 || c == 0x2029) {
      return NameCheck::ControlCharacter;
    }
    // The second half of a surrogate pair is not a character of its own.
    if (c < 0xdc00 || c > 0xdfff) ++characters;
  }
  return characters > kMaxNameLength ? NameCheck::TooLong : NameCheck::Ok;
}

bool entry_fits(Date birth, EntryKind kind) {
  const int year = year_of(birth);
  switch (kind) {
    case EntryKind::Heisei:
      return birth >= *date_serial(1989, 1, 8) && era_year(birth, kind) <= 99;
    case EntryKind::Showa:
      return era_year(birth, kind) >= 1 && birth <= *date_serial(1989, 1, 7);
    case EntryKind::Western:
      break;
  }
  return year >= kPickerFirstYear && year <= kMaxDateYear;
}

EraFields era_fields(Date birth, EntryKind kind) {
  return {two_digits(era_year(birth, kind)), two_digits(month_of(birth)),
          two_digits(day_of_month(birth))};
}

std::u16string entered_text(Date birth, EntryKind kind) {
  const auto ascii = [](const std::string& s) { return std::u16string(s.begin(), s.end()); };
  if (kind == EntryKind::Western) {
    return ascii(std::to_string(year_of(birth))) + u"/" + ascii(two_digits(month_of(birth))) +
           u"/" + ascii(two_digits(day_of_month(birth)));
  }
  const EraFields f = era_fields(birth, kind);
  return (kind == EntryKind::Heisei ? u"平成" : u"昭和") + ascii(f.year) + u"年" + ascii(f.month) +
         u"月" + ascii(f.day) + u"日";
}

}  // namespace norvane
