// 相性: the three rhythms' agreement, their mean and the caution days two
// people share on the chart's 31 days, worked out by hand.
#include <QtTest>

#include "compatibility.h"

using namespace norvane;

namespace {

Date date_of(QDate d) {
  return *date_serial(d.year(), d.month(), d.day());
}

}  // namespace

class TestCompatibility : public QObject {
  Q_OBJECT
 private slots:
  void reading_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QString>("text");
    const QDate birth(1988, 5, 12);
    // The chart starts 2026/12/06, 14087 days after the first birth day.
    QTest::newRow("same day: in phase, every caution day shared")
        << birth << birth
        << "身体（23日）　100%\n感情（28日）　100%\n知性（33日）　100%\n平均　100%\n"
           "共通の注意日　12/06 身体、12/10 知性、12/17 感情、12/18 身体、12/26 知性、12/29 身体、"
           "12/31 感情\n";
    QTest::newRow("14 days: emotional opposite, its caution days still shared")
        << birth << birth.addDays(14)
        << "身体（23日）　11%\n感情（28日）　0%\n知性（33日）　6%\n平均　6%\n"
           "共通の注意日　12/17 感情、12/31 感情\n";
    QTest::newRow("7 days: emotional a quarter period")
        << birth << birth.addDays(7)
        << "身体（23日）　33%\n感情（28日）　50%\n知性（33日）　62%\n平均　48%\n"
           "共通の注意日　なし\n";
    QTest::newRow("704 days apart")
        << birth << QDate(1990, 4, 16)
        << "身体（23日）　11%\n感情（28日）　81%\n知性（33日）　25%\n平均　39%\n"
           "共通の注意日　なし\n";
    QTest::newRow("second born first")
        << QDate(1990, 4, 16) << birth
        << "身体（23日）　11%\n感情（28日）　81%\n知性（33日）　25%\n平均　39%\n"
           "共通の注意日　なし\n";
  }
  void reading() {
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(QString, text);
    const Date start = date_of(QDate(2026, 12, 6));
    QCOMPARE(QString::fromStdU16String(compatibility_text(date_of(first), date_of(second), start)),
             text);
  }
};

QTEST_GUILESS_MAIN(TestCompatibility)
#include "tst_compatibility.moc"
