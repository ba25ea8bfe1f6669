// Start-up and the course of the demonstration's ticks.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "biorhythm.h"
#include "date_picker.h"
#include "drawing_box.h"
#include "form_fixture.h"

using namespace norvane;

namespace {

const Date kToday = ymd(2026, 12, 6);

QString assets_dir() {
  return qEnvironmentVariable("NORVANE_SOURCE_DIR") + "/assets";
}

struct Demo : FormFixture {
  explicit Demo(Date birth) {
    services.set_current_dir(assets_dir());
    form->Form_Load();
    form->Timer1->stop();
    form->DTPicker1->setValue(birth);
  }
  // One tick; checks what it shows.
  void tick(Date start, double days) {
    form->Timer1_Timer();
    QCOMPARE(form->DTPicker2->Value(), start);
    QVERIFY2(drawn_for(*form->sinPicture1, days), qPrintable(QString::number(days)));
    QVERIFY(form->demo_day <= FULL_CYCLE_DAYS);
  }
};

}  // namespace

class TestStartup : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void state_after_load() {
    FormFixture f;
    f.services.set_current_dir(assets_dir());
    bioForm1& w = *f.form;
    w.demo_day = 7;
    w.in_yy = "6";
    w.Form_Load();
    QVERIFY(!w.Picture().isNull());
    QVERIFY(w.in_yy.isEmpty() && w.in_mm.isEmpty() && w.in_dd.isEmpty());
    QCOMPARE(w.input_flg, kTrue);
    QCOMPARE(w.demo_flg, kFalse);
    QCOMPARE(w.demo_day, 0.0);
    QVERIFY(w.Option2->isChecked());
    QCOMPARE(w.Label年号->text(), QString("Ｓ"));
    QCOMPARE(w.DTPicker2->Value(), kToday);
    QVERIFY(!w.DTPicker2->isEnabled());
    QVERIFY(!w.Check1->isChecked());
    QCOMPARE(w.Label日数->text(), QString("?????日です。"));
    QCOMPARE(w.Label曜日->text(), QString("(？)"));
    QCOMPARE(w.Label年齢->text(), QString("年齢は??才"));
    QCOMPARE(
        w.LabelMsg1->text(),
        QString("2XXX/XX/XXをもって一周しますので、その後は無理をしないで体を労ってください。"));
    QCOMPARE(w.sinPicture1->ScaleLeftTop(), QPointF(0, 128));
    QCOMPARE(w.sinPicture1->ScaleRightBottom(), QPointF(360, 0));
    QVERIFY(w.Timer1->isActive());
    QCOMPARE(w.Timer1->interval(), 200);
  }

  // The picture only decorates: the window opens without it and says why
  // in one line.
  void missing_picture_is_not_fatal() {
    QTemporaryDir empty;
    FormFixture f;
    f.services.set_current_dir(empty.path());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^norvane: .*/flower\\.jpg: .+"));
    f.form->Form_Load();
    QVERIFY(f.form->Picture().isNull());
    QCOMPARE(f.form->Label日数->text(), QString("?????日です。"));
    QCOMPARE(f.form->sinPicture1->ScaleRightBottom(), QPointF(360, 0));
  }

  void example_ticks() {
    Demo d(ymd(2008, 4, 16));
    d.tick(kToday, 6808);
    QCOMPARE(d.form->demo_flg, kTrue);
    QCOMPARE(d.form->Label曜日->text(), QString("（水）"));
    QCOMPARE(d.form->Label年齢->text(), QString("年齢は 18才です。"));
    d.tick(ymd(2045, 7, 28), 13617);
    d.tick(ymd(2045, 7, 29), 13618);
    QCOMPARE(d.form->Label日数->text(), QString("?????日です。"));
    QCOMPARE(
        d.form->LabelMsg1->text(),
        QString("2XXX/XX/XXをもって一周しますので、その後は無理をしないで体を労ってください。"));
  }

  void birth_today_runs_the_full_cycle() {
    Demo d(kToday);
    d.tick(kToday, 0);
    d.tick(add_days(kToday, 1), 1);
    d.tick(add_days(kToday, 2), 2);
    d.form->demo_day = FULL_CYCLE_DAYS - 1;
    d.tick(add_days(kToday, FULL_CYCLE_DAYS - 1), FULL_CYCLE_DAYS - 1);
    d.tick(add_days(kToday, FULL_CYCLE_DAYS), FULL_CYCLE_DAYS);
    QCOMPARE(d.form->demo_day, 0.0);
    d.tick(kToday, 0);
  }

  void every_tick_alike_data() {
    QTest::addColumn<int>("birthOffset");  // days from today
    QTest::newRow("a full cycle back") << -FULL_CYCLE_DAYS;
    QTest::newRow("further back") << -30000;
    QTest::newRow("tomorrow") << 1;
  }

  void every_tick_alike() {
    QFETCH(int, birthOffset);
    Demo d(add_days(kToday, birthOffset));
    for (int k = 0; k < 4; ++k) d.tick(kToday, -birthOffset);
  }

  void birth_after_tomorrow_runs_up_to_today() {
    Demo d(add_days(kToday, 5));  // D0 = -5
    d.tick(kToday, -5);
    for (int k = 2; k <= 5; ++k) d.tick(add_days(kToday, -5 + k - 1), -10 + k - 1);
    QCOMPARE(d.form->demo_day, 0.0);
    d.tick(kToday, -5);
  }

  // So far ahead that the offset no longer fits 16 bits: start over from
  // today instead of overflowing.
  void far_future_birth_starts_over() {
    Demo d(ymd(9999, 12, 31));
    const double d0 = days_between(ymd(9999, 12, 31), kToday);
    for (int k = 0; k < 3; ++k) d.tick(kToday, d0);
    QCOMPARE(d.form->Label年齢->text(), QString("年齢は-7973才です。"));
  }

  void tick_returns_focus_to_year_box() {
    Demo d(ymd(2008, 4, 16));
    bioForm1& w = *d.form;
    QVERIFY(d.show_active());
    w.Check1->setFocus();
    w.Timer1_Timer();
    QCOMPARE(QApplication::focusWidget(), w.Text年);
  }

  void timer_drives_ticks() {
    Demo d(ymd(2008, 4, 16));
    d.form->Timer1->start();
    QTRY_COMPARE_WITH_TIMEOUT(d.form->demo_flg, kTrue, 2000);
    QVERIFY(!d.form->sinPicture1->strokes().empty());
  }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
