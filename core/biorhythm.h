#pragma once
// The three rhythms and the geometry of the 31-day chart.
#include <array>
#include <cstdint>

#include "colour.h"
#include "date.h"

namespace norvane {

// 23 x 28 x 33: after this many days all three rhythms start together again.
inline constexpr int FULL_CYCLE_DAYS = 21252;

struct Rhythm {
  int period;  // days
  Rgb pen;
};

// In drawing order: intellectual, emotional, physical.
inline constexpr std::array<Rhythm, 3> kRhythms{{
    {33, rgb(0, 0, 255)},
    {28, rgb(0, 255, 0)},
    {23, rgb(255, 128, 128)},
}};

inline constexpr double kChartDayWidth = 12;  // x units per day
inline constexpr double kChartAxisY = 64;
inline constexpr double kChartAmplitude = 50;
inline constexpr double kChartTop = 128;
inline constexpr double kChartRight = 360;
inline constexpr int kChartDays = 30;                // segments; 31 points
inline constexpr double kCircleConstant = 3.141592;  // deliberately not full pi

inline constexpr Rgb kGridColour = rgb(0, 0, 0);
inline constexpr Rgb kStartMonthColour = rgb(255, 128, 128);
inline constexpr Rgb kNextMonthColour = rgb(255, 255, 128);
inline constexpr Rgb kPromptColour = rgb(200, 255, 200);

// Days into the current period, 0 <= phase < period also for negative t.
double rhythm_phase(double t, int period);
// 50 sin(2 pi phase / period), with the chart's circle constant.
double rhythm_value(double t, int period);
// Height of the point on the chart: 64 + value, in single precision.
float rhythm_y(double t, int period);

constexpr double chart_x(int day) {
  return kChartDayWidth * day;
}

struct DateLabel {
  int day;          // day of the month
  bool next_month;  // on or after the first day numbered 1 (never label 0)
};

// The 30 labels under the chart for a chart starting at `start`.
std::array<DateLabel, kChartDays> date_strip(Date start);

}  // namespace norvane
