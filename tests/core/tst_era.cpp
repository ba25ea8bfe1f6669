#include <QtTest>

#include "era.h"

using namespace norvane;

Q_DECLARE_METATYPE(EraMode)

class TestEra : public QObject {
  Q_OBJECT
 private slots:
  void westernYear_data() {
    QTest::addColumn<EraMode>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("year");
    const struct {
      EraMode mode;
      const char* text;
      int year;
    } rows[] = {
        {EraMode::Heisei, "1", 1989},  {EraMode::Heisei, "31", 2019}, {EraMode::Heisei, "99", 2087},
        {EraMode::Heisei, "0", 1988},  {EraMode::Heisei, "00", 1988}, {EraMode::Heisei, "", 1988},
        {EraMode::Heisei, "99999", 0}, {EraMode::Showa, "1", 1926},   {EraMode::Showa, "63", 1988},
        {EraMode::Showa, "64", 1989},  {EraMode::Showa, "65", 0},     {EraMode::Showa, "99", 0},
        {EraMode::Showa, "0", 1925},   {EraMode::Showa, "00", 1925},  {EraMode::Showa, "", 1925},
        {EraMode::Showa, "6a", 1931},  {EraMode::Showa, "x", 1925},   {EraMode::Showa, "-99999", 0},
        {EraMode::Western, "45", 45},  {EraMode::Western, "", 0},     {EraMode::Western, "0", 0},
        {EraMode::Western, "1e9", 0},  {EraMode::None, "1", 0},       {EraMode::None, "1989", 0},
        {EraMode::None, "", 0},
    };
    for (const auto& r : rows) {
      QTest::addRow("%d '%s'", int(r.mode), r.text) << r.mode << r.text << r.year;
    }
  }
  void westernYear() {
    QFETCH(EraMode, mode);
    QFETCH(QString, text);
    QFETCH(int, year);
    QCOMPARE(int(western_year(mode, text.toStdString())), year);
  }

  void boundaries_data() {
    QTest::addColumn<EraMode>("mode");
    QTest::addColumn<double>("year");
    QTest::addColumn<double>("month");
    QTest::addColumn<double>("day");  // negative: the year-month rule
    QTest::addColumn<QString>("message");
    const QString a = QString::fromUtf16(u"この年月の開始日は\r８日です。");
    const QString b = QString::fromUtf16(u"この年月の最終日は\r７日です。");
    const QString c = QString::fromUtf16(u"この年の最終月は\r１月です。");
    QTest::newRow("H1/1/7") << EraMode::Heisei << 1.0 << 1.0 << 7.0 << a;
    QTest::newRow("H1/1/0") << EraMode::Heisei << 1.0 << 1.0 << 0.0 << a;
    QTest::newRow("H1/1/8") << EraMode::Heisei << 1.0 << 1.0 << 8.0 << QString();
    QTest::newRow("H1/2/1") << EraMode::Heisei << 1.0 << 2.0 << 1.0 << QString();
    QTest::newRow("H2/1/1") << EraMode::Heisei << 2.0 << 1.0 << 1.0 << QString();
    QTest::newRow("S64/1/7") << EraMode::Showa << 64.0 << 1.0 << 7.0 << QString();
    QTest::newRow("S64/1/8") << EraMode::Showa << 64.0 << 1.0 << 8.0 << b;
    QTest::newRow("S63/12/31") << EraMode::Showa << 63.0 << 12.0 << 31.0 << QString();
    QTest::newRow("W1/1/1") << EraMode::Western << 1.0 << 1.0 << 1.0 << QString();
    QTest::newRow("W64/1/8") << EraMode::Western << 64.0 << 1.0 << 8.0 << QString();
    QTest::newRow("S64/1") << EraMode::Showa << 64.0 << 1.0 << -1.0 << QString();
    QTest::newRow("S64/2") << EraMode::Showa << 64.0 << 2.0 << -1.0 << c;
    QTest::newRow("S64/12") << EraMode::Showa << 64.0 << 12.0 << -1.0 << c;
    QTest::newRow("H64/2") << EraMode::Heisei << 64.0 << 2.0 << -1.0 << QString();
    QTest::newRow("W64/2") << EraMode::Western << 64.0 << 2.0 << -1.0 << QString();
  }
  void boundaries() {
    QFETCH(EraMode, mode);
    QFETCH(double, year);
    QFETCH(double, month);
    QFETCH(double, day);
    QFETCH(QString, message);
    const BoundaryBreach breach =
        day < 0 ? check_year_month(mode, year, month) : check_whole_date(mode, year, month, day);
    const std::u16string_view text = boundary_message(breach);
    QCOMPARE(QString::fromUtf16(text.data(), text.size()), message);
  }
};

QTEST_GUILESS_MAIN(TestEra)
#include "tst_era.moc"
