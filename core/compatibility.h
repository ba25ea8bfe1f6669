#pragma once
// 相性: how a second person's rhythms meet the first's.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "date.h"

namespace norvane {

struct RhythmCompatibility {
  std::u16string_view word;  // the legend's word for the rhythm
  int period;
  int percent;  // 50 (1 + cos(2 pi d / period)), rounded to a whole percent
};

struct Compatibility {
  std::array<RhythmCompatibility, 3> rhythms{};  // physical, emotional, intellectual
  int mean = 0;                                  // the three whole percentages averaged, rounded
};

// For two birth dates d days apart: 100 % where the curves run together,
// 0 % where they run opposite. The order of the two does not matter.
Compatibility compatibility(Date first_birth, Date second_birth);

struct SharedCaution {
  Date date;
  std::u16string_view word;
};

// The days of the chart starting at `start` on which both people are at a
// caution day in the same rhythm, by date and then in the legend's order.
std::vector<SharedCaution> shared_caution_days(Date first_birth, Date second_birth, Date start);

// The reading as the 相性 window shows and copies it, one line each: the
// three rhythms, the mean and the shared caution days ("12/10 身体", or
// "なし"). Lines end with a line feed.
std::u16string compatibility_text(Date first_birth, Date second_birth, Date start);

}  // namespace norvane
