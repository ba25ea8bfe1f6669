#pragma once
// Drawing of the 31-day chart and its date strip on the main window.
#include "date.h"

class bioForm1;

namespace Biorythm {

// Redraws the whole chart on form.sinPicture1 for a chart that starts at
// start_date, elapsed_days after the birth day, and fills the date strip.
void draw_biorhythm(bioForm1& form, double elapsed_days, norvane::Date start_date);

// The 30 day-of-month labels under the chart.
void set_date_labels(bioForm1& form, norvane::Date start_date);

}  // namespace Biorythm
