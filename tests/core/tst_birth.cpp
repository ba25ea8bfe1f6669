#include <QtTest>

#include "birth.h"

using namespace norvane;

Q_DECLARE_METATYPE(Date)

namespace {
Date day(int y, int m, int d) {
  return *date_serial(y, m, d);
}
QString q(const std::u16string& s) {
  return QString::fromStdU16String(s);
}
}  // namespace

class TestBirth : public QObject {
  Q_OBJECT
 private slots:
  void dateTexts() {
    QCOMPARE(weekday_date_text(2008, 4, 16), std::string(" 2008/ 4/ 16"));
    QCOMPARE(birth_date_text(2008, 4, 16), std::string("2008/4/16"));
  }

  void weekdayCaption_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Thursday") << "1964/10/01" << QString::fromUtf16(u"（木）");
    QTest::newRow("signed text") << " 2008/ 4/ 16" << QString::fromUtf16(u"（水）");
    QTest::newRow("Sunday") << "2026/12/06" << QString::fromUtf16(u"（日）");
    QTest::newRow("Saturday") << "1899/12/30" << QString::fromUtf16(u"（土）");
    QTest::newRow("no date") << "2023/02/29" << QString();
    QTest::newRow("empty") << "" << QString();
  }
  void weekdayCaption() {
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QCOMPARE(q(weekday_caption(text.toStdString())), caption);
  }

  void ageCaption_data() {
    QTest::addColumn<double>("birthYear");
    QTest::addColumn<QString>("age");
    QTest::newRow("last year") << 2025.0 << " 1";
    QTest::newRow("1964") << 1964.0 << " 62";
    QTest::newRow("this year") << 2026.0 << " 0";
    QTest::newRow("next year") << 2027.0 << "-1";
  }
  void ageCaption() {
    QFETCH(double, birthYear);
    QFETCH(QString, age);
    // Year alone counts: the last day of the year gives the same age.
    for (const Date today : {day(2026, 1, 1), day(2026, 12, 31)}) {
      QCOMPARE(q(age_caption(birthYear, today)),
               QString::fromUtf16(u"年齢は") + age + QString::fromUtf16(u"才です。"));
    }
  }

  void daysFromBirth_data() {
    QTest::addColumn<QString>("birth");
    QTest::addColumn<Date>("start");
    QTest::addColumn<double>("days");  // NaN: no date
    QTest::newRow("birth day") << "2008/4/16" << day(2008, 4, 16) << 0.0;
    QTest::newRow("next day") << "2008/4/16" << day(2008, 4, 17) << 1.0;
    QTest::newRow("day before") << "2008/4/16" << day(2008, 4, 15) << -1.0;
    QTest::newRow("full cycle") << "1964/10/1" << add_days(day(1964, 10, 1), 21252) << 21252.0;
    QTest::newRow("years on") << "2008/04/16" << day(2026, 12, 6) << 6808.0;
    QTest::newRow("no date") << "2008/4" << day(2008, 4, 16) << qQNaN();
  }
  void daysFromBirth() {
    QFETCH(QString, birth);
    QFETCH(Date, start);
    QFETCH(double, days);
    QCOMPARE(days_from_birth(birth.toStdString(), start).value_or(qQNaN()), days);
  }
};

QTEST_GUILESS_MAIN(TestBirth)
#include "tst_birth.moc"
