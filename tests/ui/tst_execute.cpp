// The Execute command on the window: what each entry leaves in the pickers,
// the captions, the messages and the chart.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "biorythm.h"
#include "date_picker.h"
#include "form_fixture.h"
#include "qt_date.h"

using namespace norvane;

namespace {

enum Mode { Heisei, Showa, Western };
constexpr double kOldChart = -1000;  // drawn before the click
const QString kOldDays = "前の日数", kOldNote = "前の注意";
const QString kRefused = QString("生年月日の入力を") + QChar('\r') + "確認してください。";
const QString kShowaEnd = QString("この年月の最終日は") + QChar('\r') + "７日です。";
const QString kOnce = "をもって一周しますので,その後は無理をしないで体を労わってください。";
const QString kPast = "をもって既に一周してますので無理をしないで体を労わってください。";

}  // namespace

class TestExecute : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void execute_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("boxes");  // year, month, day, as typed
    QTest::addColumn<QDate>("birth");        // DTPicker1 before
    QTest::addColumn<QDate>("start");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<QDate>("birthAfter");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("chart");
    const QDate b90(1990, 1, 15), b64(1964, 10, 1), b08(2008, 4, 16), today(2026, 12, 6);
    const QStringList none;
    QTest::newRow("example") << int(Western) << none << b90 << QDate(1991, 1, 15) << false << b90
                             << " 365日です。"
                             << "2048/03/23" + kOnce << QString() << 365.0;
    QTest::newRow("21252 days") << int(Western) << none << b64 << QDate(2022, 12, 8) << false << b64
                                << " 21252日です。"
                                << "2022/12/08" + kOnce << QString() << 21252.0;
    QTest::newRow("21253 days") << int(Western) << none << b64 << QDate(2022, 12, 9) << false << b64
                                << " 21253日です。"
                                << "2022/12/08" + kPast << QString() << 21253.0;
    QTest::newRow("born on the start date") << int(Western) << none << b08 << b08 << false << b08
                                            << kOldDays << kOldNote << QString() << kOldChart;
    QTest::newRow("demonstration") << int(Western) << none << b90 << QDate(1991, 1, 15) << true
                                   << b90 << kOldDays << kOldNote << QString() << kOldChart;
    QTest::newRow("era entry") << int(Showa) << QStringList{"63", "5", "12"} << b08 << today
                               << false << QDate(1988, 5, 12) << " 14087日です。"
                               << "2046/07/19" + kOnce << QString() << 14087.0;
    // Heisei 1 January with day 0 would break the Heisei start rule.
    QTest::newRow("empty day box") << int(Heisei) << QStringList{"1", "1", ""} << b08 << today
                                   << false << b08 << kOldDays << kOldNote << kRefused << kOldChart;
    QTest::newRow("Showa 65") << int(Showa) << QStringList{"65", "1", "1"} << b08 << today << false
                              << b08 << kOldDays << kOldNote << kRefused << kOldChart;
    QTest::newRow("Showa 64 January 8")
        << int(Showa) << QStringList{"64", "1", "8"} << b08 << today << false << b08 << kOldDays
        << kOldNote << kShowaEnd << kOldChart;
    const QStringList no_date[] = {{"63", "13", "1"}, {"63", "00", "1"},    {"2", "4", "31"},
                                   {"63", "1a", "5"}, {"63", "5", "99999"}, {"6a", "1", "5"}};
    for (const QStringList& boxes : no_date) {
      QTest::addRow("no date %s", qPrintable(boxes.join('/')))
          << int(Heisei) << boxes << b08 << today << false << b08 << kOldDays << kOldNote
          << kRefused << kOldChart;
    }
    const QDate b9942(9942, 6, 1), last(9999, 12, 31);
    QTest::newRow("cycle end after 9999")
        << int(Western) << none << b9942 << last << false << b9942 << " 21032日です。"
        << "10000/08/07" + kOnce << QString() << 21032.0;
  }

  void execute() {
    QFETCH(int, mode);
    QFETCH(QStringList, boxes);
    QFETCH(QDate, birth);
    QFETCH(QDate, start);
    QFETCH(bool, demo);
    QFETCH(QDate, birthAfter);
    QFETCH(QString, days);
    QFETCH(QString, note);
    QFETCH(QString, message);
    QFETCH(double, chart);
    FormFixture f;
    bioForm1& w = *f.form;
    (mode == Heisei ? w.Option1 : mode == Showa ? w.Option2 : w.Option3)->setChecked(true);
    w.Text年->setText(boxes.value(0));
    w.Text月->setText(boxes.value(1));
    w.Text日->setText(boxes.value(2));
    w.in_dd = boxes.value(2);
    w.DTPicker1->setValue(from_qdate(birth));
    w.DTPicker2->setValue(from_qdate(start));
    w.Check1->setChecked(true);
    w.DTPicker2->setEnabled(true);
    w.sinPicture1->Scale({0, 1}, {1, 0});
    w.Label日数->setText(kOldDays);
    w.LabelMsg1->setText(kOldNote);
    Biorythm::draw_biorhythm(w, kOldChart, ymd(2000, 1, 20));
    w.demo_flg = demo ? kTrue : kFalse;

    QTest::mouseClick(w.Command実行, Qt::LeftButton);

    QCOMPARE(w.DTPicker1->Value(), from_qdate(birthAfter));
    QCOMPARE(w.DTPicker2->Value(), from_qdate(start));
    QCOMPARE(w.Label日数->text(), days);
    QCOMPARE(w.LabelMsg1->text(), note);
    QCOMPARE(f.services.messages.size(), std::size_t(message.isEmpty() ? 0 : 1));
    if (!message.isEmpty()) {
      QCOMPARE(f.services.messages[0].caption, QString("範囲外"));
      QCOMPARE(f.services.messages[0].text, message);
    }
    QVERIFY(drawn_for(*w.sinPicture1, chart));
    QCOMPARE(w.L_date[0]->text(), QString::number(chart == kOldChart ? 20 : start.day()));
    QCOMPARE(w.Check1->isChecked(), demo);
    QCOMPARE(w.DTPicker2->isEnabled(), demo);
    QCOMPARE(w.sinPicture1->ScaleLeftTop(), demo ? QPointF(0, 1) : QPointF(0, 128));
  }
};

QTEST_MAIN(TestExecute)
#include "tst_execute.moc"
