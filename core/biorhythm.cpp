#include "biorhythm.h"

#include <cmath>

namespace norvane {

double rhythm_phase(double t, int period) {
  return t - std::floor(t / period) * period;
}

double rhythm_value(double t, int period) {
  // Kept in this order: the drawn heights are compared to the last bit.
  const double angle = rhythm_phase(t, period) * 2 * kCircleConstant / period;
  return kChartAmplitude * std::sin(angle);
}

float rhythm_y(double t, int period) {
  return static_cast<float>(kChartAxisY + rhythm_value(t, period));
}

std::array<DateLabel, kChartDays> date_strip(Date start) {
  std::array<DateLabel, kChartDays> labels{};
  labels[0] = {day_of_month(start), false};
  bool next_month = false;
  for (int i = 1; i < kChartDays; ++i) {
    const int day = day_of_month(add_days(start, i));
    if (day == 1) next_month = true;
    labels[i] = {day, next_month};
  }
  return labels;
}

}  // namespace norvane
