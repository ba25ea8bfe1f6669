#include "chart_reading.h"

#include <algorithm>
#include <cmath>

#include "biorhythm.h"
#include "birth.h"
#include "caution.h"
#include "date_text.h"

namespace norvane {

namespace {

// The legend's words, in kRhythms' order; the legend reads it backwards.
constexpr std::array<std::u16string_view, kRhythms.size()> kWords{u"知性", u"感情", u"身体"};

std::u16string widen(const std::string& ascii) {
  return {ascii.begin(), ascii.end()};
}

}  // namespace

ChartDayReading chart_day_reading(double elapsed_days, Date start, int day) {
  ChartDayReading reading{add_days(start, day), {}};
  for (std::size_t i = 0; i < kRhythms.size(); ++i) {
    const std::size_t r = kRhythms.size() - 1 - i;
    const int period = kRhythms[r].period;
    const double fraction = rhythm_value(elapsed_days + day, period) / kChartAmplitude;
    reading.rhythms[i] = {kWords[r], period, static_cast<int>(std::lround(fraction * 100)),
                          caution_day(std::llround(elapsed_days) + day, period)};
  }
  return reading;
}

int nearest_chart_day(double x) {
  return std::clamp(static_cast<int>(std::lround(x / kChartDayWidth)), 0, kChartDays);
}

std::u16string signed_percent(int percent) {
  return (percent > 0 ? u"+" : u"") + widen(std::to_string(percent)) + u"%";
}

std::u16string chart_day_caption(const ChartDayReading& reading) {
  const std::string date = to_date_text(reading.date);
  std::u16string text = widen(date) + weekday_caption(date);
  for (const RhythmReading& r : reading.rhythms) {
    text += u"　";
    text += r.word;
    text += (r.percent < 0 ? u" " : u" +") + widen(std::to_string(r.percent)) + u"%";
    if (r.caution) text += u"（注意日）";
  }
  return text;
}

std::u16string chart_table_text(double elapsed_days, Date start) {
  std::u16string text = u"日付\t曜日";
  for (const RhythmReading& r : chart_day_reading(elapsed_days, start, 0).rhythms) {
    text += u"\t";
    text += r.word;
    text += u"(%)";
  }
  text += u"\n";
  for (int day = 0; day <= kChartDays; ++day) {
    const ChartDayReading reading = chart_day_reading(elapsed_days, start, day);
    const std::string date = to_date_text(reading.date);
    // The caption's kanji without its brackets.
    text += widen(date) + u"\t" + weekday_caption(date).substr(1, 1);
    for (const RhythmReading& r : reading.rhythms) text += u"\t" + widen(std::to_string(r.percent));
    text += u"\n";
  }
  return text;
}

}  // namespace norvane
