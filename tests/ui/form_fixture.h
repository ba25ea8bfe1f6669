#pragma once
// A main window on fake services, today fixed at 2026/12/06.
#include <QApplication>
#include <QTest>
#include <memory>
#include <vector>

#include "application.h"
#include "biorhythm.h"
#include "date.h"
#include "drawing_box.h"
#include "fake_services.h"
#include "main_window.h"

inline norvane::Date ymd(int y, int m, int d) {
  return *norvane::date_serial(y, m, d);
}

// The day count a chart was drawn for, told by where its three curves
// start; only counts of the same full cycle are told apart, which is all
// these tests need.
inline bool drawn_for(const norvane::DrawingBox& box, double days) {
  using Stroke = norvane::DrawingBox::Stroke;
  std::vector<double> starts;
  for (const Stroke& s : box.strokes())
    if (s.kind == Stroke::Kind::Point && s.to.x() == 0) starts.push_back(s.to.y());
  if (starts.size() != 3) return false;
  for (int r = 0; r < 3; ++r)
    if (float(starts[r]) != norvane::rhythm_y(days, norvane::kRhythms[r].period)) return false;
  return true;
}

struct FormFixture {
  norvane::FakeServices services{ymd(2026, 12, 6)};
  std::unique_ptr<bioForm1> form = std::make_unique<bioForm1>(services);

  FormFixture() {
    // The demonstration is driven tick by tick from the tests.
    form->Timer1->stop();
  }

  // Starts the window as the program does, on the shipped data files,
  // with the demonstration left to the test.
  void load() {
    services.set_current_dir(qEnvironmentVariable("NORVANE_SOURCE_DIR") + "/assets");
    form->Form_Load();
    form->Timer1->stop();
  }

  // The demonstration's chart for 6808 days from today; unless `demo`, the
  // key that ends it, a blank box, and Showa 63/05/12 typed.
  void tick_then_type_birth(bool demo) {
    form->Timer1_Timer();
    if (demo) return;
    for (const char c : QByteArray("6630512")) QTest::keyClick(QApplication::focusWidget(), c);
  }

  // Shows the window and makes it the active one, as a user finds it;
  // false if it never became active.
  bool show_active() {
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowActive(form.get());
  }
};

inline void prepare_test_application() {
  static bool done = false;
  if (!done) {
    norvane::prepare_application();
    done = true;
  }
}
