#include "era.h"

#include "numbers.h"

namespace norvane {

std::int16_t western_year(EraMode mode, std::string_view year_text) {
  const double n = val(year_text);
  switch (mode) {
    case EraMode::Heisei:
      return to_int16(n + 1988).value_or(0);
    case EraMode::Showa: {
      const std::int16_t year = to_int16(n + 1925).value_or(0);
      return year > 1989 ? 0 : year;
    }
    case EraMode::Western:
      return to_int16(n).value_or(0);
    case EraMode::None:
      break;
  }
  return 0;
}

BoundaryBreach check_whole_date(EraMode mode, double year, double month, double day) {
  if (mode == EraMode::Heisei && year == 1 && month == 1 && day < 8) {
    return BoundaryBreach::HeiseiStart;
  }
  if (mode == EraMode::Showa && year == 64 && month == 1 && day > 7) {
    return BoundaryBreach::ShowaEnd;
  }
  return BoundaryBreach::None;
}

BoundaryBreach check_year_month(EraMode mode, double year, double month) {
  if (mode == EraMode::Showa && year == 64 && month > 1) return BoundaryBreach::ShowaLastMonth;
  return BoundaryBreach::None;
}

std::u16string_view boundary_message(BoundaryBreach breach) {
  switch (breach) {
    case BoundaryBreach::HeiseiStart:
      return u"この年月の開始日は\r８日です。";
    case BoundaryBreach::ShowaEnd:
      return u"この年月の最終日は\r７日です。";
    case BoundaryBreach::ShowaLastMonth:
      return u"この年の最終月は\r１月です。";
    case BoundaryBreach::None:
      break;
  }
  return {};
}

}  // namespace norvane
