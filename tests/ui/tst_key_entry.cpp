// Typing a birth date into the year, month and day boxes of the window.
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "date_picker.h"
#include "date_text.h"
#include "drawing_box.h"
#include "form_fixture.h"

using namespace norvane;

namespace {

QString msg(const QString& text) {
  return "範囲外: " + text;
}
QString cr(const char* first, const char* second) {
  return QString(first) + QChar('\r') + second;
}
const QString kDay28 = msg(cr("この月の最終日は", " 28日です。"));
const QString kDay29 = msg(cr("この月の最終日は", " 29日です。"));
const QString kDay30 = msg(cr("この月の最終日は", " 30日です。"));
const QString kDay31 = msg(cr("この月の最終日は", " 31日です。"));
const QString kA = msg(cr("この年月の開始日は", "８日です。"));
const QString kC = msg(cr("この年の最終月は", "１月です。"));

// Keys as a string: 年 月 日 pick the box that the following keys go to,
// 平 西 click the Heisei and Western buttons; ⌫ Backspace, ⏎ Enter,
// ⎋ Escape, ← Left, ⌦ Delete; anything else is typed as it stands.
void type(bioForm1& w, const QString& keys) {
  QLineEdit* box = w.Text年;
  for (QChar c : keys) {
    switch (c.unicode()) {
      case u'年':
        box = w.Text年;
        break;
      case u'月':
        box = w.Text月;
        break;
      case u'日':
        box = w.Text日;
        break;
      case u'平':
        w.Option1->click();
        break;
      case u'西':
        w.Option3->click();
        break;
      case u'⌫':
        QTest::keyClick(box, Qt::Key_Backspace);
        break;
      case u'⏎':
        QTest::keyClick(box, Qt::Key_Return);
        break;
      case u'⎋':
        QTest::keyClick(box, Qt::Key_Escape);
        break;
      case u'←':
        QTest::keyClick(box, Qt::Key_Left);
        break;
      case u'⌦':
        QTest::keyClick(box, Qt::Key_Delete);
        break;
      default:
        QTest::keyClick(box, c.toLatin1());
        break;
    }
  }
}

}  // namespace

class TestKeyEntry : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void typing_data() {
    QTest::addColumn<bool>("demo");  // the demonstration runs at first
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("boxes");   // 年|月|日 as shown
    QTest::addColumn<QString>("fields");  // in_yy|in_mm|in_dd
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("locked");
    const QStringList none;
    auto row = [](const char* name) -> QTestData& { return QTest::newRow(name) << false; };

    // clang-format off
    // The first key of any kind only ends the demonstration.
    QTest::newRow("demo: digit") << true << "年65" << "5||" << "5||" << "2008/04/16" << none << "Text年" << false;
    QTest::newRow("demo: Backspace") << true << "年⌫" << "||" << "||" << "2008/04/16" << none << "Text年" << false;
    QTest::newRow("demo: Enter") << true << "年⏎" << "||" << "||" << "2008/04/16" << none << "Text年" << false;

    // Year.
    row("S63 commits, focus on") << "年63" << "63||" << "63||" << "1988/04/16" << none << "Text月" << false;
    row("S65 locks silently") << "年65" << "65||" << "65||" << "2008/04/16" << none << "Text年" << true;
    row("S65 Backspace reopens") << "年65⌫" << "6||" << "6||" << "2008/04/16" << none << "Text年" << false;
    row("H00 is 1988") << "平年00" << "00||" << "00||" << "1988/04/16" << none << "Text月" << false;
    row("H5 Enter") << "平年5⏎" << "5||" << "5||" << "1993/04/16" << none << "Text月" << false;
    row("H0 Enter does nothing") << "平年0⏎" << "0||" << "0||" << "2008/04/16" << none << "Text年" << false;
    row("third digit restarts field") << "年63年5" << "63||" << "5||" << "1988/04/16" << none << "Text月" << false;
    row("letter in year box") << "年a" << "a||" << "||" << "2008/04/16" << none << "Text年" << false;
    row("Escape in year box passes") << "年⎋6" << "6||" << "6||" << "2008/04/16" << none << "Text年" << false;
    row("Western: year digits unprocessed") << "西年63" << "63||" << "||" << "2008/04/16" << none << "Text年" << false;
    row("locked keys change no field") << "年65月12" << "65|12|" << "65||" << "2008/04/16" << none << "Text年" << true;

    // Month.
    row("month 05") << "年63月05" << "63|05|" << "63|05|" << "1988/05/16" << none << "Text日" << false;
    row("month 5 Enter") << "年63月5⏎" << "63|5|" << "63|5|" << "1988/05/16" << none << "Text日" << false;
    row("month 13 locks") << "年63月13" << "63|13|" << "63|13|" << "1988/04/16" << none << "Text月" << true;
    row("month 00 locks") << "年63月00" << "63|00|" << "63|00|" << "1988/04/16" << none << "Text月" << true;
    row("S64 month 2 Enter") << "年64月2⏎" << "64|2|" << "64|2|" << "1989/04/16" << QStringList{kC} << "Text月" << true;
    row("S64 month 02") << "年64月02" << "64|02|" << "64|02|" << "1989/04/16" << QStringList{kC} << "Text月" << true;
    row("S64 month 12") << "年64月12" << "64|12|" << "64|12|" << "1989/04/16" << QStringList{kC} << "Text月" << true;
    row("letter in month box") << "月a" << "|a|" << "||" << "2008/04/16" << none << "Text年" << false;

    // Day.
    row("H4 Feb 29") << "平年4⏎月02日29" << "4|02|29" << "4|02|29" << "1992/02/29" << none << "Text日" << false;
    row("H5 Feb 29") << "平年5⏎月02日29" << "5|02|2" << "5|02|29" << "1993/02/16" << QStringList{kDay28} << "Text日" << true;
    row("S63 Feb 29") << "年63月02日29" << "63|02|29" << "63|02|29" << "1988/02/29" << none << "Text日" << false;
    row("S60 Feb 29") << "年60月02日29" << "60|02|2" << "60|02|29" << "1985/02/16" << QStringList{kDay28} << "Text日" << true;
    row("day 32") << "年63月01日32" << "63|01|3" << "63|01|32" << "1988/01/16" << QStringList{kDay31} << "Text日" << true;
    row("H1 Jan 05") << "平年1⏎月01日05" << "1|01|05" << "1|01|05" << "1989/01/16" << QStringList{kA} << "Text日" << true;
    row("day Enter") << "年63月05日7⏎" << "63|05|7" << "63|05|7" << "1988/05/07" << none << "Text年" << false;
    row("empty month checks 31") << "年63日30" << "63||30" << "63||30" << "1988/04/30" << none << "Text月" << false;
    row("letter in day box") << "日a" << "||" << "||" << "2008/04/16" << none << "Text年" << false;
    row("Western day: 05 is 2005") << "西年05月02日29" << "05|02|2" << "|02|29" << "2008/02/16" << QStringList{kDay28} << "Text日" << true;
    row("Western day: 04 is 2004") << "西年04月02日29" << "04|02|29" << "|02|29" << "2008/02/29" << none << "Text日" << false;
    row("Western day: 96 is 1996") << "西年96月02日29" << "96|02|29" << "|02|29" << "2008/02/29" << none << "Text日" << false;

    // Backspace, whatever the lock.
    row("Backspace: empty day to month") << "日⌫" << "||" << "||" << "2008/04/16" << none << "Text月" << false;
    row("Backspace: empty month to year") << "月⌫" << "||" << "||" << "2008/04/16" << none << "Text年" << false;
    row("Backspace in month reopens") << "年65月⌫" << "65||" << "65||" << "2008/04/16" << none << "Text年" << false;
    row("Backspace in day reopens") << "年63月13日⌫" << "63|13|" << "63|13|" << "1988/04/16" << none << "Text月" << false;
    row("Backspace in year reopens") << "年63月00年⌫" << "6|00|" << "6|00|" << "1988/04/16" << none << "Text月" << false;

    // Commits that would name no date are refused.
    row("Feb 29 kept into 1993") << "平年4⏎月02日29年⌫5⏎" << "5|02|29" << "5|02|29" << "1992/02/29" << QStringList{kDay28} << "Text日" << true;
    row("31 kept into April, Enter") << "年63月01日31月4⏎" << "63|01|31" << "63|4|31" << "1988/01/31" << QStringList{kDay30} << "Text日" << true;
    row("31 kept into April, digits") << "年63月01日31月⌫⌫04" << "63|0|31" << "63|04|31" << "1988/01/31" << QStringList{kDay30} << "Text日" << true;
    row("day Enter into short month") << "年63月02日30月⌫日⏎" << "63|0|3" << "63|0|30" << "1988/02/16" << QStringList{kDay29, kDay29} << "Text日" << true;
    row("day 00") << "年63日00" << "63||0" << "63||00" << "1988/04/16" << QStringList{kDay30} << "Text月" << true;
    row("day 31 into April") << "年63日31" << "63||3" << "63||31" << "1988/04/16" << QStringList{kDay30} << "Text月" << true;
    // A year the picker cannot hold.
    row("Western Enter on era digit") << "年5西年⏎" << "5||" << "5||" << "2008/04/16" << none << "Text年" << true;
    // Delete shortened the box behind the field's back.
    row("third digit of a field") << "年63年←⌦7" << "67||" << "63||" << "1988/04/16" << none << "Text月" << true;
    // clang-format on
  }

  void typing() {
    QFETCH(bool, demo);
    QFETCH(QString, keys);
    QFETCH(QString, boxes);
    QFETCH(QString, fields);
    QFETCH(QString, picker);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    QFETCH(bool, locked);

    FormFixture f;
    bioForm1& w = *f.form;
    f.load();
    QVERIFY(f.show_active());
    if (demo) {
      w.Timer1_Timer();
      w.Timer1_Timer();
      w.Timer1->start();
    }
    w.Text年->setFocus();

    type(w, keys);

    QCOMPARE(w.Text年->text() + "|" + w.Text月->text() + "|" + w.Text日->text(), boxes);
    QCOMPARE(w.in_yy + "|" + w.in_mm + "|" + w.in_dd, fields);
    QCOMPARE(QString::fromStdString(w.DTPicker1->ValueText()), picker);
    QStringList shown;
    for (const auto& m : f.services.messages) shown << m.caption + ": " + m.text;
    QCOMPARE(shown, messages);
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "", focus);
    QCOMPARE(w.input_flg, locked ? kFalse : kTrue);
    // Whatever the keys, the demonstration is over and its chart gone.
    QCOMPARE(w.demo_flg, kFalse);
    QVERIFY(!w.Timer1->isActive());
    QVERIFY(w.sinPicture1->strokes().empty());
    QCOMPARE(w.DTPicker2->Value(), f.services.today());
  }
};

QTEST_MAIN(TestKeyEntry)
#include "tst_key_entry.moc"
