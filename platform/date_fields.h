#pragma once
// The year, month and day fields of a date picker, edited one at a time from
// the keyboard: stepped, or typed digit by digit. The value always names a
// date between 1601/01/01 and 9999/12/31.
#include <string>

#include "date.h"

namespace norvane {

enum class DateField { Year, Month, Day };

class DateFields {
 public:
  explicit DateFields(Date value);

  static Date first();
  static Date last();

  Date value() const { return value_; }
  // Clamped to first()..last(); digits being typed are dropped.
  void set_value(Date d);

  DateField field() const { return field_; }
  // Digits being typed are committed first, as when any other key moves on.
  void select(DateField f);
  void next();
  void previous();

  // Month and day run round within their field; the year stops at the ends.
  void step(int by);

  // A field takes its digits once it is full, or once no further digit could
  // make it a month or a day; out of range, they are clamped to it.
  void type(int digit);
  void erase();
  bool typing() const { return !typed_.empty(); }
  void cancel_typing() { typed_.clear(); }
  void commit();

  // "yyyy/mm/dd", with the digits being typed in place of their field.
  std::string text() const;
  // Where a field lies in text(): first character and length.
  static int offset(DateField f);
  static int width(DateField f);

 private:
  // The current field's range, its number, and the value with that number
  // put in (clamped to the range).
  int lowest() const;
  int highest() const;
  int current() const;
  void put(int n);

  Date value_;
  DateField field_ = DateField::Year;
  std::string typed_;
};

}  // namespace norvane
