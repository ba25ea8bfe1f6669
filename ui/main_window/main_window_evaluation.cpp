// Weekday, age and days lived for a birth date.
#include <QLabel>

#include "birth.h"
#include "date_picker.h"
#include "main_window.h"
#include "numbers.h"
#include "services.h"

using namespace norvane;

std::optional<double> bioForm1::present_birth(double yyyy, double mm, std::int16_t dd) {
  Label曜日->setText(prcweek(QString::fromStdString(weekday_date_text(yyyy, mm, dd))));
  Label年齢->setText(QString::fromStdU16String(age_caption(yyyy, services_.today())));
  // Read after the captions: callers may just have moved the start date.
  return days_from_birth(birth_date_text(yyyy, mm, dd), DTPicker2->Value());
}

QString bioForm1::prcweek(const QString& dd) const {
  return QString::fromStdU16String(weekday_caption(dd.toStdString()));
}

std::optional<double> bioForm1::present_picker_birth() {
  // Year, month and day stand at fixed places in the picker's "yyyy/mm/dd"
  // text; a picker holds four-digit years only, so each part fits.
  const std::string v = DTPicker1->ValueText();
  return present_birth(*to_int16(val(v.substr(0, 4))), *to_int16(val(v.substr(5, 2))),
                       *to_int16(val(v.substr(8, 2))));
}
