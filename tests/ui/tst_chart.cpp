// The chart as drawn on the main window's box, and its date strip.
#include <QLabel>
#include <QtTest>

#include "biorhythm.h"
#include "biorythm.h"
#include "drawing_box.h"
#include "form_fixture.h"

using namespace norvane;
using Stroke = DrawingBox::Stroke;

namespace {

// The 31 points of each curve, in drawing order: intellectual, emotional,
// physical.
std::vector<std::vector<QPointF>> curves(const DrawingBox& box) {
  std::vector<std::vector<QPointF>> result;
  for (const Stroke& s : box.strokes()) {
    if (s.kind == Stroke::Kind::Point && s.to.x() == 0)
      result.push_back({s.to});
    else if (s.kind == Stroke::Kind::Line && !result.empty() && s.from == result.back().back())
      result.back().push_back(s.to);
  }
  return result;
}

struct Chart : FormFixture {
  explicit Chart(double elapsed, Flag demo = kFalse, Date start = ymd(2026, 12, 6)) {
    form->sinPicture1->Scale({0, 128}, {360, 0});
    form->demo_flg = demo;
    Biorythm::draw_biorhythm(*form, elapsed, start);
  }
  const std::vector<Stroke>& strokes() const { return form->sinPicture1->strokes(); }
};

}  // namespace

class TestChart : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void grid_axis_and_curves_in_order() {
    Chart c(6808);
    const auto& s = c.strokes();
    QCOMPARE(s.size(), std::size_t(30 + 1 + 3 * 31));
    for (int i = 0; i < 30; ++i) {
      QCOMPARE(s[i].kind, Stroke::Kind::Line);
      QCOMPARE(s[i].style, DrawingBox::Style::Dot);
      QCOMPARE(s[i].color, QColor(Qt::black));
      QCOMPARE(s[i].from, QPointF(12 * (i + 1), 0));
      QCOMPARE(s[i].to, QPointF(12 * (i + 1), 128));
    }
    QCOMPARE(s[30].style, DrawingBox::Style::Solid);
    QCOMPARE(s[30].from, QPointF(0, 64));
    QCOMPARE(s[30].to, QPointF(360, 64));
    const QColor pens[] = {QColor(0, 0, 255), QColor(0, 255, 0), QColor(255, 128, 128)};
    for (int r = 0; r < 3; ++r) {
      const Stroke& first = s[31 + 31 * r];
      QCOMPARE(first.kind, Stroke::Kind::Point);
      QCOMPARE(first.color, pens[r]);
      for (int i = 1; i <= 30; ++i) {
        const Stroke& seg = s[31 + 31 * r + i];
        QCOMPARE(seg.kind, Stroke::Kind::Line);
        QCOMPARE(seg.style, DrawingBox::Style::Solid);
        QCOMPARE(seg.color, pens[r]);
        QCOMPARE(seg.to.x(), 12.0 * i);
      }
    }
  }

  void edge_counts_data() {
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<QList<double>>("firstPhases");  // intellectual, emotional, physical
    QTest::newRow("birth day") << 0.0 << QList<double>{0, 0, 0};
    QTest::newRow("full cycle") << 21252.0 << QList<double>{0, 0, 0};
    QTest::newRow("day before birth") << -1.0 << QList<double>{32, 27, 22};
    QTest::newRow("far back") << -40000.0
                              << QList<double>{rhythm_phase(-40000, 33), rhythm_phase(-40000, 28),
                                               rhythm_phase(-40000, 23)};
  }

  void edge_counts() {
    QFETCH(double, elapsed);
    QFETCH(QList<double>, firstPhases);
    Chart c(elapsed);
    const auto pts = curves(*c.form->sinPicture1);
    QCOMPARE(pts.size(), std::size_t(3));
    const int periods[] = {33, 28, 23};
    for (int r = 0; r < 3; ++r) {
      QCOMPARE(pts[r].size(), std::size_t(31));
      const double expected = 64 + 50 * std::sin(firstPhases[r] * 2 * 3.141592 / periods[r]);
      QCOMPARE(float(pts[r][0].y()), float(expected));
      // Points one period apart lie at exactly the same height.
      for (int i = periods[r]; i <= 30; ++i) QCOMPARE(pts[r][i].y(), pts[r][i - periods[r]].y());
    }
  }

  void full_cycle_redraws_birth_day_chart() {
    Chart a(0), b(21252);
    QCOMPARE(a.strokes().size(), b.strokes().size());
    for (std::size_t i = 0; i < a.strokes().size(); ++i) {
      QCOMPARE(a.strokes()[i].from, b.strokes()[i].from);
      QCOMPARE(a.strokes()[i].to, b.strokes()[i].to);
    }
    // Physical top of the first cycle: day 6, about 113.9.
    const auto pts = curves(*a.form->sinPicture1);
    QCOMPARE(pts[2][6].x(), 72.0);
    QVERIFY(qAbs(pts[2][6].y() - 113.9) < 0.05);
  }

  void prompt_only_during_demonstration_data() {
    QTest::addColumn<int>("demo");
    QTest::newRow("demonstration") << int(kTrue);
    QTest::newRow("no demonstration") << int(kFalse);
  }

  void prompt_only_during_demonstration() {
    QFETCH(int, demo);
    Chart c(0, Flag(demo));
    const auto& s = c.strokes();
    const bool shown = demo == kTrue;
    QCOMPARE(s.size(), std::size_t(30 + 1 + 93 + (shown ? 2 : 0)));
    bool dot_at_140 = false;
    for (const Stroke& st : s) dot_at_140 |= st.kind == Stroke::Kind::Point && st.to.x() == 140;
    QCOMPARE(dot_at_140, shown);
    if (!shown) return;
    const Stroke& dot = s[s.size() - 2];
    QVERIFY(qAbs(dot.to.y() - 36.97) < 0.01);
    QCOMPARE(dot.color, QColor(255, 128, 128));
    const Stroke& text = s.back();
    QCOMPARE(text.kind, Stroke::Kind::Text);
    QCOMPARE(text.text, QString("「何かキーを押してください」"));
    QCOMPARE(text.color, QColor(200, 255, 200));
    QCOMPARE(text.to, dot.to);
  }

  void date_strip_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("days");
    QTest::addColumn<int>("firstNextMonth");  // -1: none
    QTest::newRow("1 March")
        << QDate(2026, 3, 1)
        << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30" << -1;
    QTest::newRow("2 February, common year")
        << QDate(2026, 2, 2)
        << "2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 1 2 3" << 27;
    QTest::newRow("31 January, common year")
        << QDate(2026, 1, 31)
        << "31 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 1" << 1;
    QTest::newRow("1 January")
        << QDate(2026, 1, 1)
        << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30" << -1;
  }

  void date_strip() {
    QFETCH(QDate, start);
    QFETCH(QString, days);
    QFETCH(int, firstNextMonth);
    Chart c(100, kFalse, ymd(start.year(), start.month(), start.day()));
    const QStringList expected = days.split(' ');
    for (int i = 0; i < 30; ++i) {
      QLabel* label = c.form->findChild<QLabel*>(QString("L_date(%1)").arg(i));
      QCOMPARE(label->text(), expected[i]);
      const bool next = firstNextMonth >= 0 && i >= firstNextMonth;
      QCOMPARE(label->palette().color(QPalette::WindowText),
               next ? QColor(255, 255, 128) : QColor(255, 128, 128));
    }
  }

  // What was drawn shows again after any repaint, and hiding the box from
  // code then showing it leaves it blank.
  void drawing_survives_repaint_not_hiding() {
    Chart c(0);
    bioForm1& w = *c.form;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto axis_colour = [&] {
      const QImage img = w.sinPicture1->grab().toImage();
      const QPoint p = (w.sinPicture1->to_widget({200, 64}) * img.devicePixelRatio()).toPoint();
      return QColor(img.pixel(p));
    };
    QCOMPARE(axis_colour(), QColor(Qt::black));
    w.sinPicture1->update();
    QCoreApplication::processEvents();
    QCOMPARE(axis_colour(), QColor(Qt::black));
    w.sinPicture1->setVisible(false);
    w.sinPicture1->setVisible(true);
    QVERIFY(w.sinPicture1->strokes().empty());
    QCOMPARE(axis_colour(), QColor(64, 64, 64));
  }
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
