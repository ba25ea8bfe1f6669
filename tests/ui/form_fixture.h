#pragma once
// A main window on fake services, today fixed at 2026/12/06.
#include <QApplication>
#include <memory>

#include "application.h"
#include "date.h"
#include "fake_services.h"
#include "main_window.h"

inline norvane::Date ymd(int y, int m, int d) {
  return *norvane::date_serial(y, m, d);
}

struct FormFixture {
  norvane::FakeServices services{ymd(2026, 12, 6)};
  std::unique_ptr<bioForm1> form = std::make_unique<bioForm1>(services);

  FormFixture() {
    // The demonstration is driven tick by tick from the tests.
    form->Timer1->stop();
  }
};

inline void prepare_test_application() {
  static bool done = false;
  if (!done) {
    norvane::prepare_application();
    done = true;
  }
}
