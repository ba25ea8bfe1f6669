// The scroll bar pages the chart one day per step, counted from today.
#include <QScrollBar>

#include "biorythm.h"
#include "date_picker.h"
#include "main_window.h"
#include "services.h"

using namespace norvane;

void bioForm1::HScroll1_Change() {
  // The bar still moves meanwhile; the first step after the demonstration
  // takes whatever value it then holds.
  if (demo_flg == kTrue) return;

  // Always from today, so a start date picked by hand is dropped.
  const Date start = add_days(services_.today(), HScroll1->value());
  DTPicker2->setValue(start);
  // No test of the count: a birth date after the start still draws.
  const double days = present_picker_birth().value_or(0);
  Biorythm::draw_biorhythm(*this, days, start);
}
