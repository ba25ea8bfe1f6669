// The scroll bar on the window: which start date and chart each run of
// arrow steps leaves, and what it leaves alone.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "biorythm.h"
#include "date_picker.h"
#include "form_fixture.h"
#include "qt_date.h"

using namespace norvane;

namespace {

constexpr double kOldChart = -1000;  // drawn before the steps
const Date kToday = ymd(2026, 12, 6), kByHand = ymd(2030, 1, 1);

void step(QScrollBar& bar, int direction) {
  bar.triggerAction(direction > 0 ? QScrollBar::SliderSingleStepAdd
                                  : QScrollBar::SliderSingleStepSub);
}

}  // namespace

class TestScroll : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void scroll_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<bool>("execute");          // Execute on the start date picked by hand
    QTest::addColumn<QList<int>>("demoSteps");  // while the demonstration runs
    QTest::addColumn<QList<int>>("steps");      // +1 right arrow, -1 left arrow
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("startOffset");  // days from today
    QTest::addColumn<double>("chart");
    const QDate b08(2008, 4, 16);
    const int by_hand = days_between(kToday, kByHand);
    QTest::newRow("first step") << b08 << false << QList<int>{} << QList{1} << 1 << 1 << 6809.0;
    QTest::newRow("back to 0") << b08 << false << QList<int>{} << QList{1, -1} << 0 << 0 << 6808.0;
    QTest::newRow("left at 0") << b08 << false << QList<int>{} << QList{-1} << 0 << by_hand
                               << kOldChart;
    QTest::newRow("after Execute") << b08 << true << QList<int>{} << QList{1} << 1 << 1 << 6809.0;
    QTest::newRow("born after today")
        << QDate(2027, 1, 3) << false << QList<int>{} << QList{1, -1} << 0 << 0 << -28.0;
    QTest::newRow("demonstration") << b08 << false << QList{1, 1} << QList{1} << 3 << 3 << 6811.0;
  }

  void scroll() {
    QFETCH(QDate, birth);
    QFETCH(bool, execute);
    QFETCH(QList<int>, demoSteps);
    QFETCH(QList<int>, steps);
    QFETCH(int, value);
    QFETCH(int, startOffset);
    QFETCH(double, chart);
    FormFixture f;
    bioForm1& w = *f.form;
    w.Option3->setChecked(true);
    w.DTPicker1->setValue(from_qdate(birth));
    w.Check1->setChecked(true);
    w.DTPicker2->setEnabled(true);
    w.DTPicker2->setValue(kByHand);
    w.sinPicture1->Scale({0, 1}, {1, 0});
    w.Label日数->setText("前の日数");
    w.LabelMsg1->setText("前の注意");
    Biorythm::draw_biorhythm(w, kOldChart, kByHand);
    if (execute) QTest::mouseClick(w.Command実行, Qt::LeftButton);
    if (!demoSteps.isEmpty()) {
      w.Timer1_Timer();
      const double tick = days_between(from_qdate(birth), kToday);
      for (int s : demoSteps) step(*w.HScroll1, s);
      QCOMPARE(w.DTPicker2->Value(), kToday);
      QVERIFY(drawn_for(*w.sinPicture1, tick));
      w.demo_flg = kFalse;  // as the first key in the year box does
    }
    const QString days = w.Label日数->text(), note = w.LabelMsg1->text();
    const bool checked = w.Check1->isChecked(), enabled = w.DTPicker2->isEnabled();
    const QPointF scale = w.sinPicture1->ScaleLeftTop();

    for (int s : steps) step(*w.HScroll1, s);

    QCOMPARE(w.HScroll1->value(), value);
    QCOMPARE(w.DTPicker2->Value(), add_days(kToday, startOffset));
    QCOMPARE(w.DTPicker1->Value(), from_qdate(birth));
    QVERIFY(drawn_for(*w.sinPicture1, chart));
    QCOMPARE(w.L_date[0]->text(), QString::number(day_of_month(w.DTPicker2->Value())));
    QVERIFY(f.services.messages.empty());
    QCOMPARE(w.Label日数->text(), days);
    QCOMPARE(w.LabelMsg1->text(), note);
    QCOMPARE(w.Check1->isChecked(), checked);
    QCOMPARE(w.DTPicker2->isEnabled(), enabled);
    QCOMPARE(w.sinPicture1->ScaleLeftTop(), scale);
  }
};

QTEST_MAIN(TestScroll)
#include "tst_scroll.moc"
