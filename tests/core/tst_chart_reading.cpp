// The read-out of one chart day: its date and the three values the curves
// pass through on it, in the legend's order.
#include <QtTest>
#include <cmath>

#include "biorhythm.h"
#include "chart_reading.h"

using namespace norvane;

class TestChartReading : public QObject {
  Q_OBJECT
 private slots:
  void reading_data() {
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("caption");
    const QDate dec6(2026, 12, 6);
    QTest::newRow("physical on the axis")
        << 6808.0 << dec6 << 0 << "2026/12/06（日）　身体 +0%（注意日）　感情 +78%　知性 +95%";
    QTest::newRow("physical half way, between two days")
        << 6808.0 << dec6 << 11 << "2026/12/17（木）　身体 +14%（注意日）　感情 -22%　知性 -76%";
    QTest::newRow("last day, next year")
        << 6808.0 << dec6 << 30 << "2027/01/05（火）　身体 +94%　感情 +97%　知性 +97%";
    QTest::newRow("emotional half way")
        << 0.0 << dec6 << 14 << "2026/12/20（日）　身体 -63%　感情 +0%（注意日）　知性 +46%";
    QTest::newRow("day before birth")
        << -1.0 << QDate(2024, 2, 28) << 0 << "2024/02/28（水）　身体 -27%　感情 -22%　知性 -19%";
  }
  void reading() {
    QFETCH(double, elapsed);
    QFETCH(QDate, start);
    QFETCH(int, day);
    QFETCH(QString, caption);
    const ChartDayReading r =
        chart_day_reading(elapsed, *date_serial(start.year(), start.month(), start.day()), day);
    QCOMPARE(QString::fromStdU16String(chart_day_caption(r)), caption);
    // The same curve the chart draws.
    const int periods[] = {23, 28, 33};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(r.rhythms[i].period, periods[i]);
      QCOMPARE(r.rhythms[i].percent, std::lround(rhythm_value(elapsed + day, periods[i]) * 2));
    }
  }
};

QTEST_GUILESS_MAIN(TestChartReading)
#include "tst_chart_reading.moc"
