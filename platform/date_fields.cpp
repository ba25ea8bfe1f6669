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

int DateFields::lowest() const {
  return field_ == DateField::Year ? kPickerFirstYear : 1;
}

int DateFields::highest() const {
  switch (field_) {
    case DateField::Year:
      return kMaxDateYear;
    case DateField::Month:
      return 12;
    case DateField::Day:
      break;
  }
  return *last_day_of_month(year_of(value_), month_of(value_));
}

int DateFields::current() const {
  return field_ == DateField::Year    ? year_of(value_)
         : field_ == DateField::Month ? month_of(value_)
                                      : day_of_month(value_);
}

void DateFields::put(int n) {
  n = std::clamp(n, lowest(), highest());
  const int y = year_of(value_), m = month_of(value_), d = day_of_month(value_);
  value_ = field_ == DateField::Year    ? make(n, m, d)
           : field_ == DateField::Month ? make(y, n, d)
                                        : make(y, m, n);
}

void DateFields::step(int by) {
  commit();
  put(field_ == DateField::Year ? current() + by : wrap(current() + by, lowest(), highest()));
}

void DateFields::type(int digit) {
  typed_ += static_cast<char>('0' + digit);
  if (static_cast<int>(typed_.size()) == width(field_) || std::stoi(typed_) * 10 > highest()) {
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
  put(n);
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
