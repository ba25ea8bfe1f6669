#include "key_entry.h"

#include "date_text.h"
#include "numbers.h"

namespace norvane {

namespace {

bool is_digit(int key) {
  return key >= '0' && key <= '9';
}

// Pieces of the picker's text by 1-based character positions.
std::string_view chars(std::string_view v, std::size_t from, std::size_t to) {
  if (from > v.size()) return {};
  return v.substr(from - 1, to - from + 1);
}

std::u16string ascii_to_u16(std::string_view s) {
  return {s.begin(), s.end()};
}

}  // namespace

KeyStep key_step(const KeyContext& c) {
  if (c.box == DateBox::Year && c.demonstration) return KeyStep::EndDemonstration;
  if (c.key == kKeyBackspace) return KeyStep::Backspace;
  if (!c.entry_open) return KeyStep::Pass;
  if (is_digit(c.key)) {
    if (c.box == DateBox::Year && !c.era_mode) return KeyStep::Pass;
    if (c.box_length != 1) return KeyStep::StartField;
    // Delete or mouse editing shortened the box behind the handler's back.
    return c.field_length >= 2 ? KeyStep::Overlong : KeyStep::CompleteField;
  }
  if (c.key == kKeyEnter) return KeyStep::Enter;
  return c.box == DateBox::Day ? KeyStep::Discard : KeyStep::Pass;
}

BackspaceOutcome backspace(DateBox box, std::string_view field) {
  if (field.empty()) return {std::string(), box == DateBox::Day ? DateBox::Month : DateBox::Year};
  // One or two characters lose the last; a longer field, which entry never
  // builds, is kept as it is.
  return {std::string(field.size() <= 2 ? field.substr(0, field.size() - 1) : field), std::nullopt};
}

bool enter_commits(DateBox box, std::string_view field) {
  if (box == DateBox::Year) return field.size() == 1 && field != "0";
  return !field.empty() && field != "0";
}

bool month_in_range(std::string_view field) {
  const std::optional<std::int16_t> m = to_int16(val(field));
  return m && *m >= 1 && *m <= 12;
}

std::optional<int> month_length(int year, int month) {
  if (year >= 0 && year <= 29)
    year += 2000;
  else if (year >= 30 && year <= 99)
    year += 1900;
  return last_day_of_month(year, month);
}

std::string year_commit(std::string_view v, int year) {
  return str_signed(year) + std::string(chars(v, 5, 10));
}

std::string month_commit(std::string_view v, std::string_view month_field) {
  return std::string(chars(v, 1, 5)) + std::string(month_field) + std::string(chars(v, 8, 10));
}

std::string day_commit(std::string_view v, double day) {
  return std::string(chars(v, 1, 5)) + std::string(chars(v, 6, 8)) + str_signed(day);
}

std::string day_commit(std::string_view v, std::string_view field) {
  return std::string(chars(v, 1, 5)) + std::string(chars(v, 6, 8)) + std::string(field);
}

CommitVerdict check_commit(std::string_view text) {
  const std::optional<DateTextParts> parts = read_date_parts(text);
  if (!parts || parts->year < kPickerFirstYear || parts->year > kMaxDateYear) {
    return {CommitCheck::OutOfRange, {}, 0};
  }
  if (parts->month < 1 || parts->month > 12) return {CommitCheck::NoSuchMonth, {}, 0};
  const std::optional<Date> date = parse_date_text(text);
  if (!date) {
    return {CommitCheck::NoSuchDay, {}, last_day_of_month(parts->year, parts->month).value_or(0)};
  }
  return {CommitCheck::Accepted, *date, 0};
}

std::u16string day_message(int month_length) {
  return u"この月の最終日は\r" + ascii_to_u16(str_signed(month_length)) + u"日です。";
}

}  // namespace norvane
