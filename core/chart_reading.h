#pragma once
// What the chart shows on one of its days, as the read-out under the pointer
// and the chart's description give it.
#include <array>
#include <string>
#include <string_view>

#include "date.h"

namespace norvane {

struct RhythmReading {
  std::u16string_view word;  // the legend's word for the rhythm
  int period;
  int percent;   // the value as a whole percentage of the amplitude
  bool caution;  // its curve meets zero on the day (caution.h)
};

struct ChartDayReading {
  Date date;
  std::array<RhythmReading, 3> rhythms;  // physical, emotional, intellectual: the legend's order
};

// Chart day `day` (0 ... kChartDays) of the chart that starts at `start`,
// elapsed_days after the birth day; the values are those the curves pass
// through on that day.
ChartDayReading chart_day_reading(double elapsed_days, Date start, int day);

// The chart day whose points stand nearest to x, in chart units; x beyond
// either end gives the end's day.
int nearest_chart_day(double x);

// "+87%", "-12%", "0%".
std::u16string signed_percent(int percent);

// "2026/12/07（月）　身体 +87%　感情 -12%　知性 +45%", with "（注意日）"
// after the percentage of a rhythm at a caution day.
std::u16string chart_day_caption(const ChartDayReading& reading);

// The chart's 31 days as tab-separated rows for a spreadsheet: a header row,
// then per day its date, its weekday and the three values in whole percent,
// in the legend's order; every row ends with a line feed.
std::u16string chart_table_text(double elapsed_days, Date start);

}  // namespace norvane
