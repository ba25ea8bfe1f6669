#include <QtTest>

#include <cmath>
#include <limits>

#include "numbers.h"

using namespace norvane;

class TestNumbers : public QObject {
  Q_OBJECT
 private slots:
  void val_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("trailing letter") << "6a" << 6.0;
    QTest::newRow("leading letter") << "a6" << 0.0;
    QTest::newRow("leading zero") << "01" << 1.0;
    QTest::newRow("zeros") << "00" << 0.0;
    QTest::newRow("minus") << "-3" << -3.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("decimal") << "1.5" << 1.5;
    QTest::newRow("no integer part") << "-.25" << -0.25;
    QTest::newRow("blanks inside") << " 1 2" << 12.0;
    QTest::newRow("tab and line feed") << "\t- 1\n.5x" << -1.5;
    QTest::newRow("exponent") << "1.5E3" << 1500.0;
    QTest::newRow("D exponent") << "2D-2" << 0.02;
    QTest::newRow("bare exponent") << "4E" << 4.0;
    QTest::newRow("second point") << "1.2.3" << 1.2;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("full-width digit") << "６" << 0.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("many digits") << QString(400, '9') << HUGE_VAL;
    QTest::newRow("huge exponent") << "-1e99999999999999999999" << -HUGE_VAL;
    QTest::newRow("tiny") << "0.0001e-99999999999" << 0.0;
    QTest::newRow("long zeros then one") << QString(5000, '0') + "1" << 1.0;
    QTest::newRow("long fraction scaled up") << "0." + QString(400, '0') + "1e402" << 10.0;
  }
  void val() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(norvane::val(text.toStdString()), value);
  }

  void toInt16_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");  // INT_MIN: overflow
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int> rows[] = {
        {0.5, 0},         {1.5, 2},           {2.5, 2},           {3.5, 4},
        {-0.5, 0},        {-1.5, -2},         {-2.5, -2},         {-0.51, -1},
        {32767.4, 32767}, {32767.5, INT_MIN}, {-32768.5, -32768}, {-32768.6, INT_MIN},
        {1e10, INT_MIN},  {inf, INT_MIN},     {-inf, INT_MIN},    {std::nan(""), INT_MIN},
    };
    for (const auto& [value, expected] : rows) {
      QTest::addRow("%g", value) << value << expected;
    }
  }
  void toInt16() {
    QFETCH(double, value);
    QFETCH(int, expected);
    const auto r = to_int16(value);
    QCOMPARE(r ? int(*r) : INT_MIN, expected);
  }

  void intFloor_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("floor");
    for (const auto& [value, floor] : {std::pair{-0.5, -1.0}, {-1.0, -1.0}, {2.9, 2.0}}) {
      QTest::addRow("%g", value) << value << floor;
    }
  }
  void intFloor() {
    QFETCH(double, value);
    QFETCH(double, floor);
    QCOMPARE(int_floor(value), floor);
  }

  void str_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("sign");
    QTest::newRow("30") << 30.0 << "30"
                        << " 30";
    QTest::newRow("0") << 0.0 << "0"
                       << " 0";
    QTest::newRow("minus zero") << -0.0 << "0"
                                << " 0";
    QTest::newRow("-1") << -1.0 << "-1"
                        << "-1";
    QTest::newRow("1988") << 1988.0 << "1988"
                          << " 1988";
    QTest::newRow("12345") << 12345.0 << "12345"
                           << " 12345";
    QTest::newRow("3e9") << 3e9 << "3000000000"
                         << " 3000000000";
    QTest::newRow("1.5") << 1.5 << "1.5"
                         << " 1.5";
    QTest::newRow("-0.25") << -0.25 << "-0.25"
                           << "-0.25";
    QTest::newRow("15 digits") << 0.1 + 0.2 << "0.3"
                               << " 0.3";
    QTest::newRow("third") << 1.0 / 3 << "0.333333333333333"
                           << " 0.333333333333333";
  }
  void str() {
    QFETCH(double, value);
    QFETCH(QString, plain);
    QFETCH(QString, sign);
    QCOMPARE(QString::fromStdString(str_plain(value)), plain);
    QCOMPARE(QString::fromStdString(str_signed(value)), sign);
  }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
