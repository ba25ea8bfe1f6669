// Resident memory of the shown window after 100 and after 10,000
// demonstration ticks, each with its repaint.
#include <unistd.h>
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "application.h"
#include "date_text.h"
#include "fake_services.h"
#include "main_window.h"

namespace {

long resident_kib() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  norvane::prepare_application();
  norvane::FakeServices services{*norvane::date_serial(2026, 12, 6)};
  services.set_current_dir(NORVANE_ASSETS_DIR);
  bioForm1 form(services);
  form.Form_Load();
  form.Timer1->stop();
  form.show();
  long after_100 = 0;
  for (int tick = 1; tick <= 10000; ++tick) {
    form.Timer1_Timer();
    QCoreApplication::processEvents();
    if (tick == 100) after_100 = resident_kib();
  }
  const long after_10000 = resident_kib();
  std::printf("RSS after 100 ticks: %ld KiB, after 10000: %ld KiB (%+ld KiB)\n", after_100,
              after_10000, after_10000 - after_100);
  return 0;
}
