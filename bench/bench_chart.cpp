// What one demonstration tick costs: the evaluation, the chart's strokes
// and labels, and painting the chart box; and what a tick, a scroll step
// and an Execute click cost with the repaint they cause, against the floor
// of painting an empty box of the chart's size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "application.h"
#include "biorythm.h"
#include "calendar_file.h"
#include "caution.h"
#include "caution_window.h"
#include "chart_print.h"
#include "date_picker.h"
#include "date_text.h"
#include "drawing_box.h"
#include "fake_services.h"
#include "floor_reporter.h"
#include "main_window.h"
#include "people_store.h"
#include "people_window.h"
#include "saved_file.h"

namespace {

norvane::Date day(int y, int m, int d) {
  return *norvane::date_serial(y, m, d);
}

struct Form {
  norvane::FakeServices services{day(2026, 12, 6)};
  bioForm1 form{services};
  Form() {
    services.set_current_dir(NORVANE_ASSETS_DIR);
    form.Form_Load();
    form.Timer1->stop();
  }
};

// Paints whatever is waiting to be painted, as the event loop would next.
void repaint_pending() {
  QCoreApplication::processEvents();
}

// The window on screen with its first frame painted.
struct ShownForm : Form {
  ShownForm() {
    form.show();
    for (int i = 0; i < 10; ++i) repaint_pending();
  }
};

void BM_EmptyBoxFloor(benchmark::State& state) {
  ShownForm f;  // the same screen and style as the window's own box
  norvane::DrawingBox box;
  box.setGeometry(QRect(QPoint(0, 0), f.form.sinPicture1->size()));
  box.setPalette(f.form.sinPicture1->palette());
  box.show();
  for (int i = 0; i < 10; ++i) repaint_pending();
  for (auto _ : state) {
    box.update();
    repaint_pending();
  }
}
BENCHMARK(BM_EmptyBoxFloor)->Unit(benchmark::kMicrosecond);

void BM_TickWithRepaint(benchmark::State& state) {
  ShownForm f;
  for (auto _ : state) {
    f.form.Timer1_Timer();
    repaint_pending();
  }
}
BENCHMARK(BM_TickWithRepaint)->Unit(benchmark::kMicrosecond);

void BM_ScrollStepWithRepaint(benchmark::State& state) {
  ShownForm f;
  QScrollBar& bar = *f.form.HScroll1;
  for (auto _ : state) {
    bar.setValue(bar.value() == bar.maximum() ? 0 : bar.value() + 1);
    repaint_pending();
  }
}
BENCHMARK(BM_ScrollStepWithRepaint)->Unit(benchmark::kMicrosecond);

// Showa 45/6/7 and 45/6/8 in turn, each typed before its click.
void BM_ExecuteWithRepaint(benchmark::State& state) {
  ShownForm f;
  f.form.Text年->setText("45");
  f.form.Text月->setText("6");
  bool other = false;
  for (auto _ : state) {
    state.PauseTiming();
    f.form.Text日->setText((other = !other) ? "7" : "8");
    repaint_pending();
    state.ResumeTiming();
    f.form.Command実行->click();
    repaint_pending();
  }
}
BENCHMARK(BM_ExecuteWithRepaint)->Unit(benchmark::kMicrosecond);

void BM_Tick(benchmark::State& state) {
  Form f;
  for (auto _ : state) f.form.Timer1_Timer();
}
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond);

void BM_DrawChart(benchmark::State& state) {
  Form f;
  double days = 6808;
  for (auto _ : state) Biorythm::draw_biorhythm(f.form, days++, day(2026, 12, 6));
}
BENCHMARK(BM_DrawChart)->Unit(benchmark::kMicrosecond);

void BM_PaintChart(benchmark::State& state) {
  Form f;
  f.form.Timer1_Timer();
  for (auto _ : state) benchmark::DoNotOptimize(f.form.sinPicture1->grab());
}
BENCHMARK(BM_PaintChart)->Unit(benchmark::kMicrosecond);

// 注意日一覧: a year of caution days and the next triple, here the farthest
// one can lie, a whole cycle less a day after the list's first day.
void BM_CautionList(benchmark::State& state) {
  const norvane::Date birth = day(1988, 5, 12);
  const norvane::Date first = norvane::add_days(birth, 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(norvane::caution_days(birth, first, 365));
    benchmark::DoNotOptimize(norvane::next_triple_caution(birth, first));
  }
}
BENCHMARK(BM_CautionList)->Unit(benchmark::kMicrosecond);

// カレンダーに書き出す: the year's calendar file made and written whole.
// Target: 5 ms.
void BM_CalendarExport(benchmark::State& state) {
  QTemporaryDir dir;
  const norvane::Date birth = day(1988, 5, 12);
  const auto days = norvane::caution_days(birth, day(2026, 12, 6), 365);
  const QString path = dir.filePath("注意日-19880512.ics");
  for (auto _ : state) {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    const std::string text = norvane::caution_calendar(birth, days, now);
    if (!norvane::save_whole(path, QByteArray::fromStdString(text)).isEmpty()) {
      state.SkipWithError("not written");
    }
  }
}
BENCHMARK(BM_CalendarExport)->Unit(benchmark::kMicrosecond);

// 印刷 to a PDF file: the page laid out, the chart drawn again at 1200 dpi,
// the fonts embedded and the file written whole. Target: 200 ms.
void BM_PrintPdf(benchmark::State& state) {
  QTemporaryDir dir;
  Form f;
  f.form.Text年->setText("45");
  f.form.Text月->setText("6");
  f.form.Text日->setText("7");
  f.form.Command実行->click();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFileName(dir.filePath("chart.pdf"));
  if (f.form.sinPicture1->strokes().empty()) state.SkipWithError("no chart");
  for (auto _ : state) {
    if (!print_chart(printer, f.form).isEmpty()) state.SkipWithError("not written");
  }
}
BENCHMARK(BM_PrintPdf)->Unit(benchmark::kMillisecond);

// 注意日一覧's 印刷 to a PDF file, through its handler: the printer set up,
// the twelve months laid out, the fonts embedded and the file written
// whole. Target: 200 ms.
void BM_PrintYearPdf(benchmark::State& state) {
  QTemporaryDir dir;
  norvane::FakeServices services;
  services.print_pdf_path = dir.filePath("year.pdf");
  CautionListWindow window(nullptr, services, day(1988, 5, 12), day(2026, 12, 6), "母");
  for (auto _ : state) {
    window.印刷_Click();
    if (!services.messages.empty()) state.SkipWithError("not written");
  }
}
BENCHMARK(BM_PrintYearPdf)->Unit(benchmark::kMillisecond);

// 登録者一覧 with 1000 people, the most the file holds: the file read and
// the window built, shown and painted once. Target: 30 ms.
void BM_PeopleListOpen(benchmark::State& state) {
  QTemporaryDir dir;
  norvane::PeopleStore store(dir.path());
  QJsonArray people;
  for (int i = 0; i < norvane::PeopleStore::kMaxPeople; ++i) {
    people.append(QJsonObject{{"id", QString::number(i)},
                              {"name", QString("登録者%1").arg(i, 4, 10, QChar('0'))},
                              {"birth", "1988-05-12"},
                              {"entry", i % 2 ? "S" : "W"}});
  }
  QFile file(store.path());
  if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("no temporary file");
  file.write(QJsonDocument(QJsonObject{{"format", 1}, {"people", people}}).toJson());
  file.close();
  ShownForm f;
  for (auto _ : state) {
    PeopleListWindow window(&f.form, f.services, store, store.read().people);
    window.show();
    repaint_pending();
  }
}
BENCHMARK(BM_PeopleListOpen)->Unit(benchmark::kMillisecond);

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
  FloorReporter reporter("BM_EmptyBoxFloor");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
