// The option buttons, the check box and the command buttons, clicked as a
// user clicks them.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "date_picker.h"
#include "form_fixture.h"
#include "manual_closer.h"

using namespace norvane;

namespace {

// All that the handlers could change, as "name=value" entries.
QStringList state(const bioForm1& f, const FakeServices& s, const ManualCloser& c) {
  auto picker = [](const DatePicker* p) {
    return QString::fromStdString(p->ValueText()) + (p->isEnabled() ? " on" : " off");
  };
  const int option = f.Option1->isChecked() ? 1 : f.Option2->isChecked() ? 2 : 3;
  return {"option=" + QString::number(option),
          "era=" + f.Label年号->text(),
          "boxes=" + f.Text年->text() + '|' + f.Text月->text() + '|' + f.Text日->text(),
          "digits=" + f.in_yy + '|' + f.in_mm + '|' + f.in_dd,
          "input_flg=" + QString::number(f.input_flg),
          "check1=" + QString::number(f.Check1->isChecked()),
          "picker1=" + picker(f.DTPicker1),
          "picker2=" + picker(f.DTPicker2),
          "focus=" + f.focusWidget()->objectName(),
          "ends=" + QString::number(s.end_calls),
          "manuals=" + QString::number(c.captions.size())};
}

}  // namespace

class TestModes : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void handlers_data() {
    QTest::addColumn<bool>("demo");
    QTest::addColumn<QString>("steps");    // "click X", "uncheck Check1" or "load", by ","
    QTest::addColumn<QString>("changes");  // the entries of state() that change, by ","
    const QString heisei = "option=1,era=Ｈ,boxes=||,digits=||,input_flg=-1,focus=Text年";
    QTest::newRow("終了 in the demonstration") << true << "click Command終了"
                                               << "focus=Command終了";
    QTest::newRow("終了 after it") << false << "click Command終了"
                                   << "focus=Command終了,ends=1";
    QTest::newRow("操作方法 in the demonstration") << true << "click 操作方法"
                                                   << "focus=操作方法";
    QTest::newRow("操作方法 after it") << false << "click 操作方法"
                                       << "focus=操作方法,manuals=1";
    // The option buttons work in the demonstration too.
    QTest::newRow("Option3, Option1") << true << "click Option3,click Option1" << heisei;
    QTest::newRow("Option2 when selected") << false << "click Option2"
                                           << "boxes=||,digits=||,input_flg=-1,focus=Text年";
    QTest::newRow("digits in Showa, Option3")
        << false << "click Option3"
        << "option=3,era=,picker1=2008/04/16 on,focus=Option3";
    // Start-up selects Option2 and unchecks Check1, as they already are.
    QTest::newRow("start-up again") << false << "load"
                                    << "digits=||,input_flg=-1";
    QTest::newRow("Check1 checked") << false << "click Check1"
                                    << "check1=1,picker2=2026/12/06 on,focus=Check1";
    QTest::newRow("Check1 unchecked from code") << false << "click Check1,uncheck Check1"
                                                << "focus=Check1";
    QTest::newRow("ｻｰﾋﾞｽの設定") << false << "click Commandサービス"
                                 << "focus=Commandサービス";
    for (const char* label : {"Label7", "Label8", "Label9"})
      QTest::newRow(label) << false << QString("click ") + label << QString();
  }

  void handlers() {
    QFETCH(bool, demo);
    QFETCH(QString, steps);
    QFETCH(QString, changes);
    FormFixture f;
    ManualCloser closer;
    bioForm1& w = *f.form;
    f.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // A half-typed Showa date, the entry locked.
    w.Text年->setText("63");
    w.Text月->setText("04");
    w.in_yy = "63";
    w.in_mm = "04";
    w.input_flg = kFalse;
    w.Command実行->setFocus();
    w.demo_flg = demo ? kTrue : kFalse;
    QStringList expected = state(w, f.services, closer);
    for (const QString& change : changes.split(',', Qt::SkipEmptyParts)) {
      for (QString& e : expected)
        if (e.section('=', 0, 0) == change.section('=', 0, 0)) e = change;
    }

    for (const QString& step : steps.split(',')) {
      if (step == "load") {
        w.Form_Load();
        w.Timer1->stop();
      } else if (step == "uncheck Check1") {
        w.Check1->setChecked(false);
      } else {
        // Through the window, which finds the control under the mouse.
        auto* target = w.findChild<QWidget*>(step.section(' ', 1));
        const QPoint at = target->mapTo(&w, target->rect().center());
        QCOMPARE(w.childAt(at), target);
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, at);
      }
    }
    QCOMPARE(state(w, f.services, closer), expected);
  }
};

QTEST_MAIN(TestModes)
#include "tst_modes.moc"
