// Caution days: where each rhythm meets zero, at its start and half-way,
// the days with two or three at once, and the next day with all three.
#include <QtTest>

#include "caution.h"

using namespace norvane;

namespace {

Date date_of(QDate d) {
  return *date_serial(d.year(), d.month(), d.day());
}

}  // namespace

class TestCaution : public QObject {
  Q_OBJECT
 private slots:
  void days_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("row");   // the list's row for that day, or empty
    QTest::addColumn<QDate>("triple");  // the next triple caution day from it
    const QDate birth(1988, 5, 12);
    const QDate triple(2008, 2, 7);
    QTest::newRow("birth day: all three")
        << birth << "1988/05/12（木）\t身体・感情・知性\t三重" << birth;
    QTest::newRow("23: d = 11, meets zero before 12")
        << birth.addDays(11) << "1988/05/23（月）\t身体\t" << triple;
    QTest::newRow("23: d = 12") << birth.addDays(12) << "" << triple;
    QTest::newRow("23: d = 22") << birth.addDays(22) << "" << triple;
    QTest::newRow("23: d = -12, before birth")
        << birth.addDays(-12) << "1988/04/30（土）\t身体\t" << birth;
    QTest::newRow("28: d = 13") << birth.addDays(13) << "" << triple;
    QTest::newRow("28: d = 14") << birth.addDays(14) << "1988/05/26（木）\t感情\t" << triple;
    QTest::newRow("28: d = 15") << birth.addDays(15) << "" << triple;
    QTest::newRow("33: d = 15") << birth.addDays(15) << "" << triple;
    QTest::newRow("33: d = 16, meets zero before 17")
        << birth.addDays(16) << "1988/05/28（土）\t知性\t" << triple;
    QTest::newRow("33: d = 17") << birth.addDays(17) << "" << triple;
    QTest::newRow("double") << QDate(2027, 1, 28) << "2027/01/28（木）\t感情・知性\t二重"
                            << QDate(2037, 3, 12);
    QTest::newRow("a chart's first day")
        << QDate(2026, 12, 6) << "2026/12/06（日）\t身体\t" << QDate(2037, 3, 12);
  }
  void days() {
    QFETCH(QDate, day);
    QFETCH(QString, row);
    QFETCH(QDate, triple);
    const Date birth = date_of(QDate(1988, 5, 12));
    const QString text =
        QString::fromStdU16String(caution_table_text(caution_days(birth, date_of(day), 1)));
    QCOMPARE(text, "日付\tリズム\t重なり\n" + (row.isEmpty() ? "" : row + "\n"));
    QCOMPARE(next_triple_caution(birth, date_of(day)), date_of(triple));
  }
};

QTEST_GUILESS_MAIN(TestCaution)
#include "tst_caution.moc"
