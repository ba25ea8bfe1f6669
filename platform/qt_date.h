#pragma once
// Between the program's Date and Qt's QDate.
#include <QDate>
#include <chrono>

#include "date.h"

namespace norvane {

inline QDate to_qdate(Date d) {
  const std::chrono::year_month_day ymd = to_ymd(d);
  return QDate(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
               static_cast<int>(static_cast<unsigned>(ymd.day())));
}

inline Date from_qdate(QDate d) {
  return from_sys_days(std::chrono::year{d.year()} / d.month() / d.day());
}

}  // namespace norvane
