#include "compatibility.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "biorhythm.h"
#include "chart_reading.h"
#include "date_text.h"

namespace norvane {

namespace {

std::u16string widen(const std::string& ascii) {
  return {ascii.begin(), ascii.end()};
}

std::u16string percent_text(int percent) {
  return widen(std::to_string(percent)) + u"%";
}

}  // namespace

Compatibility compatibility(Date first_birth, Date second_birth) {
  const std::int64_t d = std::abs(std::int64_t{days_between(first_birth, second_birth)});
  // The words and order of the chart's read-out.
  const ChartDayReading words = chart_day_reading(0, first_birth, 0);
  Compatibility result{};
  int sum = 0;
  for (std::size_t i = 0; i < result.rhythms.size(); ++i) {
    const int period = words.rhythms[i].period;
    // The remainder keeps the angle exact however far apart the dates lie.
    const double angle = 2 * std::numbers::pi * static_cast<double>(d % period) / period;
    const int percent = static_cast<int>(std::lround(50 * (1 + std::cos(angle))));
    result.rhythms[i] = {words.rhythms[i].word, period, percent};
    sum += percent;
  }
  result.mean = static_cast<int>(std::lround(sum / 3.0));
  return result;
}

std::vector<SharedCaution> shared_caution_days(Date first_birth, Date second_birth, Date start) {
  const double first = days_between(first_birth, start);
  const double second = days_between(second_birth, start);
  std::vector<SharedCaution> days;
  for (int day = 0; day <= kChartDays; ++day) {
    const ChartDayReading a = chart_day_reading(first, start, day);
    const ChartDayReading b = chart_day_reading(second, start, day);
    for (std::size_t i = 0; i < a.rhythms.size(); ++i) {
      if (a.rhythms[i].caution && b.rhythms[i].caution) days.push_back({a.date, a.rhythms[i].word});
    }
  }
  return days;
}

std::u16string compatibility_text(Date first_birth, Date second_birth, Date start) {
  const Compatibility c = compatibility(first_birth, second_birth);
  std::u16string text;
  for (const RhythmCompatibility& r : c.rhythms) {
    text += std::u16string(r.word) + u"（" + widen(std::to_string(r.period)) + u"日）　" +
            percent_text(r.percent) + u"\n";
  }
  text += u"平均　" + percent_text(c.mean) + u"\n";
  text += u"共通の注意日　";
  const std::vector<SharedCaution> days = shared_caution_days(first_birth, second_birth, start);
  if (days.empty()) text += u"なし";
  for (std::size_t i = 0; i < days.size(); ++i) {
    if (i > 0) text += u"、";
    // "yyyy/MM/dd" without its year, whatever the year's width.
    const std::string date = to_date_text(days[i].date);
    text += widen(date.substr(date.size() - 5)) + u" " + std::u16string(days[i].word);
  }
  text += u"\n";
  return text;
}

}  // namespace norvane
