#include <QtTest>

#include "biorhythm.h"

using namespace norvane;

namespace {
constexpr int kIntellectual = 33, kEmotional = 28, kPhysical = 23;
}  // namespace

class TestBiorhythm : public QObject {
  Q_OBJECT
 private slots:
  void values() {
    for (const Rhythm& r : kRhythms) QCOMPARE(rhythm_y(0, r.period), 64.0f);
    QCOMPARE(rhythm_value(0, kPhysical), 0.0);
    for (int t = 0; t < kPhysical; ++t) QVERIFY(rhythm_y(t, kPhysical) <= rhythm_y(6, kPhysical));
    QVERIFY(qAbs(rhythm_y(6, kPhysical) - 113.888f) < 0.01f);
    QVERIFY(qAbs(rhythm_y(30, kIntellectual) - 36.97f) < 0.01f);
  }

  void phases_data() {
    QTest::addColumn<double>("t");
    QTest::addColumn<int>("period");
    QTest::addColumn<double>("phase");
    QTest::newRow("-1 physical") << -1.0 << kPhysical << 22.0;
    QTest::newRow("-1 emotional") << -1.0 << kEmotional << 27.0;
    QTest::newRow("-1 intellectual") << -1.0 << kIntellectual << 32.0;
    QTest::newRow("-23 physical") << -23.0 << kPhysical << 0.0;
    QTest::newRow("-50 emotional") << -50.0 << kEmotional << 6.0;
    QTest::newRow("full cycle") << 21252.0 << kIntellectual << 0.0;
  }
  void phases() {
    QFETCH(double, t);
    QFETCH(int, period);
    QFETCH(double, phase);
    QCOMPARE(rhythm_phase(t, period), phase);
  }

  // The chart repeats exactly: a period later, and a whole cycle later.
  void repeats_data() {
    QTest::addColumn<double>("elapsed");
    for (double t : {0.0, 1.0, -1.0, 6808.0, 21251.0, -40000.0}) QTest::addRow("%g", t) << t;
  }
  void repeats() {
    QFETCH(double, elapsed);
    for (int i = 23; i <= kChartDays; ++i) {
      QCOMPARE(rhythm_y(elapsed + i, kPhysical), rhythm_y(elapsed + i - 23, kPhysical));
    }
    for (int i = 28; i <= kChartDays; ++i) {
      QCOMPARE(rhythm_y(elapsed + i, kEmotional), rhythm_y(elapsed + i - 28, kEmotional));
    }
    for (const Rhythm& r : kRhythms) {
      for (int i = 0; i <= kChartDays; ++i) {
        QCOMPARE(rhythm_y(elapsed + FULL_CYCLE_DAYS + i, r.period),
                 rhythm_y(elapsed + i, r.period));
      }
    }
  }

  void strip_data() {
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("labels");  // "+" marks the next month
    QString march, feb2, jan31 = "31", jan1;
    for (int i = 1; i <= 30; ++i) march += QString::number(i) + ' ';
    for (int i = 2; i <= 28; ++i) feb2 += QString::number(i) + ' ';
    feb2 += "1+ 2+ 3+ ";
    for (int i = 1; i <= 29; ++i) jan31 += QString(" %1+").arg(i == 29 ? 1 : i);
    QTest::newRow("1 March") << 2009 << 3 << 1 << march.trimmed();
    QTest::newRow("2 February") << 2009 << 2 << 2 << feb2.trimmed();
    QTest::newRow("31 January") << 2009 << 1 << 31 << jan31;
    QTest::newRow("1 January") << 2024 << 1 << 1 << march.trimmed();
  }
  void strip() {
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(QString, labels);
    QStringList out;
    for (const DateLabel& l : date_strip(*date_serial(y, m, d))) {
      out << QString::number(l.day) + (l.next_month ? "+" : "");
    }
    QCOMPARE(out.join(' '), labels);
  }
};

QTEST_GUILESS_MAIN(TestBiorhythm)
#include "tst_biorhythm.moc"
