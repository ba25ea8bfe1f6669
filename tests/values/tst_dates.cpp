#include <QtTest>

#include "date.h"
#include "date_text.h"

using namespace norvane;

namespace {
int serial_of(int y, int m, int d) {
  return date_serial(y, m, d).value_or(Date{-1}).serial;
}
}  // namespace

class TestDates : public QObject {
  Q_OBJECT
 private slots:
  void knownDays_data() {
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("serial");
    QTest::addColumn<int>("weekday");
    QTest::newRow("epoch") << 1899 << 12 << 30 << 0 << 7;
    QTest::newRow("1900-01-01") << 1900 << 1 << 1 << 2 << 2;
    QTest::newRow("1900-02-28") << 1900 << 2 << 28 << 60 << 4;
    QTest::newRow("1900-03-01 no leap day") << 1900 << 3 << 1 << 61 << 5;
    QTest::newRow("2000-01-01") << 2000 << 1 << 1 << 36526 << 7;
    QTest::newRow("2000-02-29") << 2000 << 2 << 29 << 36585 << 3;
    QTest::newRow("1964-10-01") << 1964 << 10 << 1 << 23651 << 5;
    QTest::newRow("2008-04-16") << 2008 << 4 << 16 << 39554 << 4;
    QTest::newRow("2026-12-06") << 2026 << 12 << 6 << 46362 << 1;
  }
  void knownDays() {
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(int, serial);
    QFETCH(int, weekday);
    const Date date{serial};
    QCOMPARE(serial_of(y, m, d), serial);
    QCOMPARE(weekday_of(date), weekday);
    QCOMPARE(year_of(date), y);
    QCOMPARE(month_of(date), m);
    QCOMPARE(day_of_month(date), d);
  }

  void daysBetween() {
    QCOMPARE(days_between(Date{serial_of(2008, 4, 16)}, Date{serial_of(2026, 12, 6)}), 6808);
    QCOMPARE(days_between(Date{serial_of(1899, 12, 31)}, Date{serial_of(2000, 12, 31)}), 36890);
    QCOMPARE(days_between(Date{serial_of(2100, 3, 1)}, Date{serial_of(1999, 3, 1)}), -36890);
  }

  void carrying_data() {
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("text");  // empty: out of range
    QTest::newRow("month 13") << 1999 << 13 << 5 << "2000/01/05";
    QTest::newRow("month 0") << 2000 << 0 << 5 << "1999/12/05";
    QTest::newRow("month -1") << 2000 << -1 << 5 << "1999/11/05";
    QTest::newRow("day 0") << 2000 << 3 << 0 << "2000/02/29";
    QTest::newRow("day 32") << 2001 << 1 << 32 << "2001/02/01";
    QTest::newRow("day -1") << 2001 << 3 << -1 << "2001/02/27";
    QTest::newRow("first day") << 100 << 1 << 1 << "0100/01/01";
    QTest::newRow("before first") << 100 << 1 << 0 << "";
    QTest::newRow("last day") << 9999 << 12 << 31 << "9999/12/31";
    QTest::newRow("after last") << 9999 << 13 << 1 << "";
    QTest::newRow("huge day back in range") << 1 << 1 << 1000000 << "2738/11/28";
    QTest::newRow("extreme parts") << INT_MIN << INT_MIN << INT_MIN << "";
  }
  void carrying() {
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(QString, text);
    const auto date = date_serial(y, m, d);
    QCOMPARE(date ? QString::fromStdString(to_date_text(*date)) : QString(), text);
  }

  void lastDay_data() {
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("last");
    QTest::newRow("Feb 1900") << 1900 << 2 << 28;
    QTest::newRow("Feb 2000") << 2000 << 2 << 29;
    QTest::newRow("Feb 1992") << 1992 << 2 << 29;
    QTest::newRow("Feb 1993") << 1993 << 2 << 28;
    QTest::newRow("Feb 1988") << 1988 << 2 << 29;
    QTest::newRow("Feb 1985") << 1985 << 2 << 28;
    QTest::newRow("April") << 2008 << 4 << 30;
    QTest::newRow("month 0 is December before") << 1990 << 0 << 31;
    QTest::newRow("month 13 is January after") << 1990 << 13 << 31;
  }
  void lastDay() {
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, last);
    QCOMPARE(last_day_of_month(y, m), std::optional<int>(last));
  }

  void textOut() {
    QCOMPARE(to_date_text(Date{serial_of(1964, 10, 1)}), std::string("1964/10/01"));
    QCOMPARE(to_date_text(Date{serial_of(999, 2, 3)}), std::string("0999/02/03"));
  }

  void textIn_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");  // empty: no date
    const QStringList ok{"2008/04/ 23", " 1990 1 15", "2008/ 4/ 16", " 1988/04/16",   "2008/5/16",
                         "2008/04/7",   "0100/1/1",   "9999/12/31",  "2008 / 4 /16 ", "2000/2/29"};
    const QStringList out{"2008/04/23", "1990/01/15", "2008/04/16", "1988/04/16", "2008/05/16",
                          "2008/04/07", "0100/01/01", "9999/12/31", "2008/04/16", "2000/02/29"};
    for (qsizetype i = 0; i < ok.size(); ++i) QTest::newRow(qPrintable(ok[i])) << ok[i] << out[i];
    for (const char* bad : {"",
                            " ",
                            "2008/04",
                            "2008/04/16/1",
                            "2008//04/16",
                            "2008/4/16x",
                            "x2008/4/16",
                            "2008-4-16",
                            "2008/+4/16",
                            "2023/02/29",
                            "2008/02/30",
                            "2008/13/01",
                            "2008/04/00",
                            "0099/12/31",
                            "10000/1/1",
                            "2008/257/1",
                            "2008/4/257",
                            "2008/4/1000000000000000000000000",
                            "２００８/4/16",
                            "2008\t4\t16"}) {
      QTest::newRow(bad) << QString::fromUtf8(bad) << QString();
    }
  }
  void textIn() {
    QFETCH(QString, text);
    QFETCH(QString, read);
    const auto date = parse_date_text(text.toStdString());
    QCOMPARE(date ? QString::fromStdString(to_date_text(*date)) : QString(), read);
  }

  // Every day of 1601..9999 reads back from its text and its parts, and the
  // weekday steps by one.
  void wholeRange() {
    const Date first = *date_serial(1601, 1, 1);
    const Date last = *date_serial(9999, 12, 31);
    QCOMPARE(weekday_of(first), 2);
    int weekday = 1;
    for (Date d = first; d <= last; d = add_days(d, 1)) {
      const auto back = parse_date_text(to_date_text(d));
      const auto parts = date_serial(year_of(d), month_of(d), day_of_month(d));
      const int expected = weekday % 7 + 1;
      if (back != d || parts != d || weekday_of(d) != expected) {
        QFAIL(qPrintable(QString::fromStdString(to_date_text(d))));
      }
      weekday = expected;
    }
    QVERIFY(!date_serial(10000, 1, 1));
  }
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
