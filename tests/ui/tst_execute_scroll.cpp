// Execute and the scroll bar on the window, today 2026/12/06: what each
// leaves in the pickers, the captions, the messages and the chart.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "biorythm.h"
#include "date_picker.h"
#include "form_fixture.h"

using namespace norvane;

namespace {

enum Mode { Heisei, Showa, Western };
constexpr double kOld = -1000;  // count of the chart drawn before
const Date kToday = ymd(2026, 12, 6), kBorn08 = ymd(2008, 4, 16), kByHand = ymd(2030, 1, 1);
const QString kOldDays = "前の日数", kOldNote = "前の注意";
const QString kRefused = QString("生年月日の入力を") + QChar('\r') + "確認してください。";

const QString kOnce = "をもって一周しますので,その後は無理をしないで体を労わってください。";
const QString kPast = "をもって既に一周してますので無理をしないで体を労わってください。";

struct ExecuteRow {
  Mode mode{};
  const char* boxes = "";  // year/month/day; the day also as typed into in_dd
  Date picker;             // DTPicker1 after; in Western mode also before
  Date start;
  bool demo = false;
  QString days, note, message;  // no days: both captions kept; no message
  double chart = 0;
};

struct ScrollRow {
  Date birth;
  bool execute = false;          // Execute first, on the start date picked by hand
  QList<int> demo_steps, steps;  // +1 right arrow, -1 left arrow
  int value = 0;
  Date start;
  double chart = 0;
};

// A window that has shown a result, its start date picked by hand.
void prepare(bioForm1& w, Date birth, Date start) {
  w.DTPicker1->setValue(birth);
  w.DTPicker2->setValue(start);
  w.Check1->setChecked(true);
  w.DTPicker2->setEnabled(true);
  w.sinPicture1->Scale({0, 1}, {1, 0});
  w.Label日数->setText(kOldDays);
  w.LabelMsg1->setText(kOldNote);
  Biorythm::draw_biorhythm(w, kOld, start);
}

void step(QScrollBar& bar, const QList<int>& steps) {
  for (int s : steps)
    bar.triggerAction(s > 0 ? QScrollBar::SliderSingleStepAdd : QScrollBar::SliderSingleStepSub);
}

}  // namespace

Q_DECLARE_METATYPE(ExecuteRow)
Q_DECLARE_METATYPE(ScrollRow)

class TestExecuteScroll : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void execute_data() {
    QTest::addColumn<ExecuteRow>("row");
    const Date b64 = ymd(1964, 10, 1), b90 = ymd(1990, 1, 15), b9942 = ymd(9942, 6, 1);
    const QString kept, none,
        showa_end = QString("この年月の最終日は") + QChar('\r') + "７日です。";
    auto row = [](const char* name, const ExecuteRow& r) { QTest::newRow(name) << r; };
    row("example",
        {Western, "", b90, ymd(1991, 1, 15), 0, " 365日です。", "2048/03/23" + kOnce, none, 365});
    row("21252 days", {Western, "", b64, ymd(2022, 12, 8), 0, " 21252日です。",
                       "2022/12/08" + kOnce, none, 21252});
    row("21253 days", {Western, "", b64, ymd(2022, 12, 9), 0, " 21253日です。",
                       "2022/12/08" + kPast, none, 21253});
    row("born on the start date", {Western, "", b90, b90, 0, kept, kept, none, kOld});
    row("demonstration", {Western, "", b90, ymd(1991, 1, 15), 1, kept, kept, none, kOld});
    row("era", {Showa, "63/5/12", ymd(1988, 5, 12), kToday, 0, " 14087日です。",
                "2046/07/19" + kOnce, none, 14087});
    // Heisei 1 January with day 0 would break the Heisei start rule.
    row("empty day box", {Heisei, "1/1/", kBorn08, kToday, 0, kept, kept, kRefused, kOld});
    row("Showa 64 January 8", {Showa, "64/1/8", kBorn08, kToday, 0, kept, kept, showa_end, kOld});
    for (const char* boxes : {"63/13/1", "63/00/1", "2/4/31", "63/5/0x", "63/-5/1", "63/5/99999"}) {
      QTest::addRow("no date %s", boxes)
          << ExecuteRow{Heisei, boxes, kBorn08, kToday, 0, kept, kept, kRefused, kOld};
    }
    // A box reads up to its first letter.
    row("letter in the year box", {Showa, "6a/5/12", ymd(1931, 5, 12), kToday, 0, " 34907日です。",
                                   "1989/07/18" + kPast, none, 34907});
    row("letter in the month box", {Showa, "63/2x/12", ymd(1988, 2, 12), kToday, 0,
                                    " 14177日です。", "2046/04/20" + kOnce, none, 14177});
    row("letter in the day box", {Showa, "63/5/6x", ymd(1988, 5, 6), kToday, 0, " 14093日です。",
                                  "2046/07/13" + kOnce, none, 14093});
    row("letter, born after today",
        {Heisei, "63/1a/5", ymd(2051, 1, 5), kToday, 0, kept, kept, none, kOld});
    row("cycle end after 9999", {Western, "", b9942, ymd(9999, 12, 31), 0, " 21032日です。",
                                 "10000/08/07" + kOnce, none, 21032});
  }

  void execute() {
    QFETCH(ExecuteRow, row);
    FormFixture f;
    bioForm1& w = *f.form;
    (row.mode == Heisei ? w.Option1 : row.mode == Showa ? w.Option2 : w.Option3)->setChecked(true);
    const QStringList boxes = QString(row.boxes).split('/');
    w.Text年->setText(boxes.value(0));
    w.Text月->setText(boxes.value(1));
    w.Text日->setText(boxes.value(2));
    w.in_dd = boxes.value(2);
    prepare(w, row.mode == Western ? row.picker : kBorn08, row.start);
    w.demo_flg = row.demo ? kTrue : kFalse;

    QTest::mouseClick(w.Command実行, Qt::LeftButton);

    QCOMPARE(w.DTPicker1->Value(), row.picker);
    QCOMPARE(w.DTPicker2->Value(), row.start);
    QCOMPARE(w.Label日数->text(), row.days.isEmpty() ? kOldDays : row.days);
    QCOMPARE(w.LabelMsg1->text(), row.days.isEmpty() ? kOldNote : row.note);
    QCOMPARE(f.services.messages.size(), std::size_t(row.message.isEmpty() ? 0 : 1));
    if (!row.message.isEmpty()) {
      QCOMPARE(f.services.messages[0].caption, QString("範囲外"));
      QCOMPARE(f.services.messages[0].text, row.message);
    }
    QVERIFY(drawn_for(*w.sinPicture1, row.chart));
    QCOMPARE(w.L_date[0]->text(), QString::number(day_of_month(row.start)));
    QCOMPARE(w.Check1->isChecked(), row.demo);
    QCOMPARE(w.DTPicker2->isEnabled(), row.demo);
    QCOMPARE(w.sinPicture1->ScaleLeftTop(), row.demo ? QPointF(0, 1) : QPointF(0, 128));
  }

  void scroll_data() {
    QTest::addColumn<ScrollRow>("row");
    auto row = [](const char* name, const ScrollRow& r) { QTest::newRow(name) << r; };
    const Date tomorrow = add_days(kToday, 1);
    row("first step", {kBorn08, false, {}, {1}, 1, tomorrow, 6809});
    row("back to 0", {kBorn08, false, {}, {1, -1}, 0, kToday, 6808});
    row("left arrow at 0", {kBorn08, false, {}, {-1}, 0, kByHand, kOld});
    row("after Execute", {kBorn08, true, {}, {1}, 1, tomorrow, 6809});
    row("born after today", {ymd(2027, 1, 3), false, {}, {1, -1}, 0, kToday, -28});
    row("demonstration", {kBorn08, false, {1, 1}, {1}, 3, add_days(kToday, 3), 6811});
  }

  void scroll() {
    QFETCH(ScrollRow, row);
    FormFixture f;
    bioForm1& w = *f.form;
    w.Option3->setChecked(true);
    prepare(w, row.birth, kByHand);
    if (row.execute) QTest::mouseClick(w.Command実行, Qt::LeftButton);
    if (!row.demo_steps.isEmpty()) {
      w.Timer1_Timer();
      step(*w.HScroll1, row.demo_steps);
      QCOMPARE(w.DTPicker2->Value(), kToday);  // as the tick left it
      QVERIFY(drawn_for(*w.sinPicture1, days_between(row.birth, kToday)));
      w.demo_flg = kFalse;  // as the first key in the year box does
    }
    const QString days = w.Label日数->text(), note = w.LabelMsg1->text();
    const bool checked = w.Check1->isChecked(), enabled = w.DTPicker2->isEnabled();
    const QPointF scale = w.sinPicture1->ScaleLeftTop();

    step(*w.HScroll1, row.steps);

    QCOMPARE(w.HScroll1->value(), row.value);
    QCOMPARE(w.DTPicker1->Value(), row.birth);
    QCOMPARE(w.DTPicker2->Value(), row.start);
    QVERIFY(drawn_for(*w.sinPicture1, row.chart));
    QCOMPARE(w.L_date[0]->text(), QString::number(day_of_month(row.start)));
    QVERIFY(f.services.messages.empty());
    QCOMPARE(w.Label日数->text(), days);
    QCOMPARE(w.LabelMsg1->text(), note);
    QCOMPARE(w.Check1->isChecked(), checked);
    QCOMPARE(w.DTPicker2->isEnabled(), enabled);
    QCOMPARE(w.sinPicture1->ScaleLeftTop(), scale);
  }
};

QTEST_MAIN(TestExecuteScroll)
#include "tst_execute_scroll.moc"
