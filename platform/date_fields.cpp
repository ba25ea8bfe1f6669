#include "date_fields.h"

#include <algorithm>

#include "date_text.h"

namespace norvane {

namespace {

constexpr Date kFirst = from_sys_days(std::chrono::year{kPickerFirstYear} / 1 / 1);
constexpr Date kLast = from_sys_days(std::chrono::year{kMaxDateYear} / 12 / 31);

// Every year, month and day passed here lies in the picker's range.
Date make(int y, int m, int d) {
  return *date_serial(y, m, std::min(d, *last_day_of_month(y, m)));
}

int wrap(int n, int lowest, int highest) {
  const int span = highest - lowest + 1;
  return ((n - lowest) % span + span) % span + lowest;
}

}  // namespace

DateFields::DateFields(Date value) : value_(std::clamp(value, kFirst, kLast)) {}

Date DateFields::first() {
  return kFirst;
}
Date DateFields::last() {
  return kLast;
}

void DateFields::set_value(Date d) {
  typed_.clear();
  value_ = std::clamp(d, kFirst, kLast);
}

void DateFields::select(DateField f) {
  commit();
  field_ = f;
}

void DateFields::next() {
  select(field_ == DateField::Year ? DateField::Month : DateField::Day);
}

void DateFields::previous() {
  select(field_ == DateField::Day ? DateField::Month : DateField::Year);
}

void DateFields::step(int by) {
  commit();
  const int y = year_of(value_), m = month_of(value_), d = day_of_month(value_);
  switch (field_) {
    case DateField::Year:
      value_ = make(std::clamp(y + by, kPickerFirstYear, kMaxDateYear), m, d);
      break;
    case DateField::Month:
      value_ = make(y, wrap(m + by, 1, 12), d);
      break;
    case DateField::Day:
      value_ = make(y, m, wrap(d + by, 1, *last_day_of_month(y, m)));
      break;
  }
}

void DateFields::type(int digit) {
  typed_ += static_cast<char>('0' + digit);
  const int n = std::stoi(typed_);
  const int highest = field_ == DateField::Month ? 12
                      : field_ == DateField::Day
                          ? *last_day_of_month(year_of(value_), month_of(value_))
                          : kMaxDateYear;
  if (static_cast<int>(typed_.size()) == width(field_) || n * 10 > highest) {
    commit();
    if (field_ != DateField::Day) next();
  }
}

void DateFields::erase() {
  if (!typed_.empty()) typed_.pop_back();
}

void DateFields::commit() {
  if (typed_.empty()) return;
  const int n = std::stoi(typed_);
  typed_.clear();
  const int y = year_of(value_), m = month_of(value_), d = day_of_month(value_);
  switch (field_) {
    case DateField::Year:
      value_ = make(std::clamp(n, kPickerFirstYear, kMaxDateYear), m, d);
      break;
    case DateField::Month:
      value_ = make(y, std::clamp(n, 1, 12), d);
      break;
    case DateField::Day:
      value_ = make(y, m, std::clamp(n, 1, *last_day_of_month(y, m)));
      break;
  }
}

std::string DateFields::text() const {
  std::string t = to_date_text(value_);
  if (!typed_.empty()) {
    const int w = width(field_);
    t.replace(offset(field_), w, std::string(w - typed_.size(), '0') + typed_);
  }
  return t;
}

int DateFields::offset(DateField f) {
  return f == DateField::Year ? 0 : f == DateField::Month ? 5 : 8;
}

int DateFields::width(DateField f) {
  return f == DateField::Year ? 4 : 2;
}

}  // namespace norvane
