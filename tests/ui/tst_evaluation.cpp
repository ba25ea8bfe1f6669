// Weekday, age and days lived as the main window shows them.
#include <QLabel>
#include <QtTest>

#include "date_picker.h"
#include "form_fixture.h"

using namespace norvane;

class TestEvaluation : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void present_birth_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("age");
    QTest::addColumn<double>("days");
    const QDate today(2026, 12, 6);
    QTest::newRow("birth on the start date")
        << QDate(2008, 4, 16) << QDate(2008, 4, 16) << today << "（水）"
        << "年齢は 18才です。" << 0.0;
    QTest::newRow("start one day after")
        << QDate(2008, 4, 16) << QDate(2008, 4, 17) << today << "（水）"
        << "年齢は 18才です。" << 1.0;
    QTest::newRow("start one day before")
        << QDate(2008, 4, 16) << QDate(2008, 4, 15) << today << "（水）"
        << "年齢は 18才です。" << -1.0;
    QTest::newRow("full cycle") << QDate(1964, 10, 1) << QDate(1964, 10, 1).addDays(21252) << today
                                << "（木）"
                                << "年齢は 62才です。" << 21252.0;
    QTest::newRow("one day old on 1 January")
        << QDate(2025, 12, 31) << QDate(2026, 1, 1) << QDate(2026, 1, 1) << "（水）"
        << "年齢は 1才です。" << 1.0;
    QTest::newRow("61 completed years count 62")
        << QDate(1964, 12, 31) << QDate(2026, 1, 1) << QDate(2026, 1, 1) << "（木）"
        << "年齢は 62才です。" << double(QDate(1964, 12, 31).daysTo(QDate(2026, 1, 1)));
    QTest::newRow("born this year") << QDate(2026, 3, 1) << today << today << "（日）"
                                    << "年齢は 0才です。" << 280.0;
    QTest::newRow("born next year") << QDate(2027, 1, 3) << today << today << "（日）"
                                    << "年齢は-1才です。" << -28.0;
    QTest::newRow("sign-reserving digits of a Saturday")
        << QDate(1899, 12, 30) << QDate(1900, 1, 1) << today << "（土）"
        << "年齢は 127才です。" << 2.0;
  }

  void present_birth() {
    QFETCH(QDate, birth);
    QFETCH(QDate, start);
    QFETCH(QDate, today);
    QFETCH(QString, weekday);
    QFETCH(QString, age);
    QFETCH(double, days);
    FormFixture f;
    f.services.set_today(ymd(today.year(), today.month(), today.day()));
    f.form->DTPicker2->setValue(ymd(start.year(), start.month(), start.day()));
    const auto result =
        f.form->present_birth(birth.year(), birth.month(), std::int16_t(birth.day()));
    QVERIFY(result);
    QCOMPARE(*result, days);
    QCOMPARE(f.form->Label曜日->text(), weekday);
    QCOMPARE(f.form->Label年齢->text(), age);
  }

  // Parts that name no date write an empty weekday and give no count
  // instead of failing.
  void no_date_is_reported() {
    FormFixture f;
    const auto result = f.form->present_birth(2023, 2, 29);
    QVERIFY(!result);
    QCOMPARE(f.form->Label曜日->text(), QString());
    QCOMPARE(f.form->Label年齢->text(), QString("年齢は 3才です。"));
  }

  void prcweek_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("weekday");
    QTest::newRow("blanks before every number") << " 2008/ 4/ 16"
                                                << "（水）";
    QTest::newRow("zero-padded") << "2008/04/16"
                                 << "（水）";
    QTest::newRow("Sunday") << "2026/12/6"
                            << "（日）";
    QTest::newRow("Monday") << " 2026/ 12/ 7"
                            << "（月）";
    QTest::newRow("Tuesday") << "2026/12/08"
                             << "（火）";
    QTest::newRow("Friday") << "2026/12/11"
                            << "（金）";
    QTest::newRow("Saturday") << "2026/12/12"
                              << "（土）";
    QTest::newRow("no date") << " 2023/ 2/ 29"
                             << "";
    QTest::newRow("not a date at all") << "abc"
                                       << "";
  }

  void prcweek() {
    QFETCH(QString, text);
    QFETCH(QString, weekday);
    FormFixture f;
    QCOMPARE(f.form->prcweek(text), weekday);
  }
};

QTEST_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
