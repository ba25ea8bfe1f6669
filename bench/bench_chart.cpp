// What one demonstration tick costs: the evaluation, the chart's strokes
// and labels, and painting the chart box.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include "application.h"
#include "biorythm.h"
#include "date_picker.h"
#include "date_text.h"
#include "drawing_box.h"
#include "fake_services.h"
#include "main_window.h"

namespace {

norvane::Date day(int y, int m, int d) {
  return *norvane::date_serial(y, m, d);
}

struct Form {
  norvane::FakeServices services{day(2026, 12, 6)};
  bioForm1 form{services};
  Form() {
    form.Form_Load();
    form.Timer1->stop();
  }
};

void BM_Tick(benchmark::State& state) {
  Form f;
  for (auto _ : state) f.form.Timer1_Timer();
}
BENCHMARK(BM_Tick);

void BM_DrawChart(benchmark::State& state) {
  Form f;
  double days = 6808;
  for (auto _ : state) Biorythm::draw_biorhythm(f.form, days++, day(2026, 12, 6));
}
BENCHMARK(BM_DrawChart);

void BM_PaintChart(benchmark::State& state) {
  Form f;
  f.form.Timer1_Timer();
  for (auto _ : state) benchmark::DoNotOptimize(f.form.sinPicture1->grab());
}
BENCHMARK(BM_PaintChart);

void BM_ParseDateText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(norvane::parse_date_text(" 2008/ 4/ 16"));
}
BENCHMARK(BM_ParseDateText);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Without its picture the window says so on every load; not of interest here.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  norvane::prepare_application();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
