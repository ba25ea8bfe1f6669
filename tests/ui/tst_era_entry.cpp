// Era years and the boundary check as the main window runs them.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "form_fixture.h"

using namespace norvane;

namespace {

enum Mode { None, Heisei, Showa, Western };

void select(bioForm1& w, int mode) {
  for (QRadioButton* b : {w.Option1, w.Option2, w.Option3}) b->setAutoExclusive(false);
  w.Option1->setChecked(mode == Heisei);
  w.Option2->setChecked(mode == Showa);
  w.Option3->setChecked(mode == Western);
  for (QRadioButton* b : {w.Option1, w.Option2, w.Option3}) b->setAutoExclusive(true);
}

const QString kA = QString("この年月の開始日は") + QChar('\r') + "８日です。";
const QString kB = QString("この年月の最終日は") + QChar('\r') + "７日です。";
const QString kC = QString("この年の最終月は") + QChar('\r') + "１月です。";

}  // namespace

class TestEraEntry : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void year_cnv_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("year");
    QTest::newRow("H 1") << int(Heisei) << "1" << 1989;
    QTest::newRow("H 31") << int(Heisei) << "31" << 2019;
    QTest::newRow("H 99") << int(Heisei) << "99" << 2087;
    QTest::newRow("S 1") << int(Showa) << "1" << 1926;
    QTest::newRow("S 63") << int(Showa) << "63" << 1988;
    QTest::newRow("S 64") << int(Showa) << "64" << 1989;
    QTest::newRow("S 65") << int(Showa) << "65" << 0;
    QTest::newRow("S 99") << int(Showa) << "99" << 0;
    QTest::newRow("S 6a") << int(Showa) << "6a" << 1931;
    QTest::newRow("S no leading number") << int(Showa) << "a6" << 1925;
    QTest::newRow("W 45") << int(Western) << "45" << 45;
    QTest::newRow("H too long to fit") << int(Heisei) << "99999" << 0;
    const std::pair<int, int> zero_years[] = {
        {Heisei, 1988}, {Showa, 1925}, {Western, 0}, {None, 0}};
    for (auto [mode, year] : zero_years) {
      for (const char* text : {"0", "00", ""})
        QTest::addRow("mode %d '%s'", mode, text) << mode << QString(text) << year;
    }
    for (const char* text : {"1", "63", "99"})
      QTest::addRow("no mode '%s'", text) << int(None) << QString(text) << 0;
  }

  void year_cnv() {
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(int, year);
    FormFixture f;
    select(*f.form, mode);
    f.form->Label年号->setText("Ｈ");  // never consulted
    const QString before = text;       // NOLINT(performance-unnecessary-copy-initialization)
    QCOMPARE(int(f.form->year_cnv(text)), year);
    QCOMPARE(text, before);
    QVERIFY(f.services.messages.empty());
  }

  void S_H_Check_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("year");   // Text年
    QTest::addColumn<QString>("month");  // Text月
    QTest::addColumn<QString>("inMm");
    QTest::addColumn<QString>("inDd");
    QTest::addColumn<int>("flg");
    QTest::addColumn<QString>("message");  // empty: passes
    QTest::newRow("H1 Jan 7") << int(Heisei) << "1"
                              << "1"
                              << ""
                              << "7" << 1 << kA;
    QTest::newRow("H1 Jan 8") << int(Heisei) << "1"
                              << "1"
                              << ""
                              << "8" << 1 << "";
    QTest::newRow("H1 Feb 1") << int(Heisei) << "1"
                              << "2"
                              << ""
                              << "1" << 1 << "";
    QTest::newRow("H2 Jan 1") << int(Heisei) << "2"
                              << "1"
                              << ""
                              << "1" << 1 << "";
    QTest::newRow("H1 Jan empty day") << int(Heisei) << "1"
                                      << "1"
                                      << ""
                                      << "" << 1 << kA;
    QTest::newRow("H01 01 05") << int(Heisei) << "01"
                               << "01"
                               << ""
                               << "5" << 1 << kA;
    QTest::newRow("S64 Jan 7") << int(Showa) << "64"
                               << "1"
                               << ""
                               << "7" << 1 << "";
    QTest::newRow("S64 Jan 8") << int(Showa) << "64"
                               << "1"
                               << ""
                               << "8" << 1 << kB;
    QTest::newRow("S64 Jan 08") << int(Showa) << "64"
                                << "01"
                                << ""
                                << "08" << 1 << kB;
    QTest::newRow("S63 Dec 31") << int(Showa) << "63"
                                << "12"
                                << ""
                                << "31" << 1 << "";
    QTest::newRow("S64 month 1") << int(Showa) << "64"
                                 << ""
                                 << "1"
                                 << "" << 3 << "";
    QTest::newRow("S64 month 2") << int(Showa) << "64"
                                 << ""
                                 << "2"
                                 << "" << 3 << kC;
    QTest::newRow("S64 month 02") << int(Showa) << "64"
                                  << ""
                                  << "02"
                                  << "" << 3 << kC;
    QTest::newRow("S64 month 12") << int(Showa) << "64"
                                  << ""
                                  << "12"
                                  << "" << 3 << kC;
    QTest::newRow("H64 month 2") << int(Heisei) << "64"
                                 << ""
                                 << "2"
                                 << "" << 3 << "";
    // The month rule reads the collected digits, not the month box.
    QTest::newRow("S64 box 2, digits 1") << int(Showa) << "64"
                                         << "2"
                                         << "1"
                                         << "" << 3 << "";
    QTest::newRow("W 1 Jan 7") << int(Western) << "1"
                               << "1"
                               << ""
                               << "7" << 1 << "";
    QTest::newRow("W 64 Jan 8") << int(Western) << "64"
                                << "1"
                                << ""
                                << "8" << 1 << "";
    QTest::newRow("W 64 month 2") << int(Western) << "64"
                                  << ""
                                  << "2"
                                  << "" << 3 << "";
  }

  void S_H_Check() {
    QFETCH(int, mode);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, inMm);
    QFETCH(QString, inDd);
    QFETCH(int, flg);
    QFETCH(QString, message);
    FormFixture f;
    bioForm1& w = *f.form;
    select(w, mode);
    w.Text年->setText(year);
    w.Text月->setText(month);
    w.in_mm = inMm;
    w.in_dd = inDd;
    const Flag result = w.S_H_Check(std::int16_t(flg));
    QCOMPARE(result, message.isEmpty() ? kTrue : kFalse);
    if (message.isEmpty()) {
      QVERIFY(f.services.messages.empty());
    } else {
      QCOMPARE(f.services.messages.size(), std::size_t(1));
      QCOMPARE(f.services.messages[0].caption, QString("範囲外"));
      QCOMPARE(f.services.messages[0].text, message);
    }
    // The check changes nothing.
    QCOMPARE(w.Text年->text(), year);
    QCOMPARE(w.in_mm, inMm);
    QCOMPARE(w.in_dd, inDd);
  }
};

QTEST_MAIN(TestEraEntry)
#include "tst_era_entry.moc"
