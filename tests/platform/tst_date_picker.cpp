#include <QAccessible>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>
#include <chrono>

#include "date_picker.h"
#include "key_filter.h"

using norvane::Date;
using norvane::DatePicker;
using norvane::KeyPressFilter;

namespace {

Date ymd(int y, int m, int d) {
  return norvane::from_sys_days(std::chrono::year{y} / m / d);
}

// A shown, active window holding two text boxes, the first one focused.
struct Boxes {
  QWidget window;
  QLineEdit* first = new QLineEdit(&window);
  QLineEdit* second = new QLineEdit(&window);
  Boxes() {
    second->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
  }
};

}  // namespace

class TestDatePicker : public QObject {
  Q_OBJECT
 private slots:
  void rangeAndDisplay() {
    DatePicker picker;
    QCOMPARE(DatePicker::minimum(), ymd(1601, 1, 1));
    QCOMPARE(DatePicker::maximum(), ymd(9999, 12, 31));
    picker.setValue(ymd(2008, 4, 16));
    QCOMPARE(picker.text(), QStringLiteral("2008/04/16"));
    QCOMPARE(picker.ValueText(), std::string("2008/04/16"));
  }

  void setValueClampsToRange_data() {
    QTest::addColumn<int>("serial");
    QTest::addColumn<QDate>("shown");
    QTest::newRow("day 0") << 0 << QDate(1899, 12, 30);
    QTest::newRow("2008/04/16") << 39554 << QDate(2008, 4, 16);
    QTest::newRow("first day") << ymd(1601, 1, 1).serial << QDate(1601, 1, 1);
    QTest::newRow("before first") << ymd(1600, 12, 31).serial << QDate(1601, 1, 1);
    QTest::newRow("year 100") << ymd(100, 1, 1).serial << QDate(1601, 1, 1);
    QTest::newRow("last day") << ymd(9999, 12, 31).serial << QDate(9999, 12, 31);
    QTest::newRow("after last") << ymd(10000, 1, 1).serial << QDate(9999, 12, 31);
  }
  void setValueClampsToRange() {
    QFETCH(int, serial);
    QFETCH(QDate, shown);
    DatePicker picker;
    picker.setValue(Date{serial});
    QCOMPARE(picker.text(), shown.toString("yyyy/MM/dd"));
    QCOMPARE(picker.Value(), ymd(shown.year(), shown.month(), shown.day()));
  }

  void setValueText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QDate>("value");
    const QDate kept(2000, 1, 1);
    QTest::newRow("leading blank") << QByteArray(" 1988/04/16") << QDate(1988, 4, 16);
    QTest::newRow("blank in day") << QByteArray("2008/04/ 23") << QDate(2008, 4, 23);
    QTest::newRow("blanks") << QByteArray(" 1990 1 15") << QDate(1990, 1, 15);
    QTest::newRow("short month") << QByteArray("2008/5/16") << QDate(2008, 5, 16);
    QTest::newRow("no such day") << QByteArray("2008/02/30") << kept;
    QTest::newRow("letters") << QByteArray("abc") << kept;
    QTest::newRow("empty") << QByteArray("") << kept;
    QTest::newRow("before range") << QByteArray("1500/01/01") << kept;
  }
  void setValueText() {
    QFETCH(QByteArray, text);
    QFETCH(QDate, value);
    DatePicker picker;
    picker.setValue(ymd(2000, 1, 1));
    QCOMPARE(picker.setValueText(text.toStdString()), value != QDate(2000, 1, 1));
    QCOMPARE(picker.text(), value.toString("yyyy/MM/dd"));
  }

  // Keys by name, separated by blanks, typed from 2008/04/16 (or "from").
  void editsOneField_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("field");  // 0 year, 1 month, 2 day
    const QString v = "2008/04/16";
    QTest::newRow("year up") << v << "Up"
                             << "2009/04/16" << 0;
    QTest::newRow("month down") << v << "Right Down"
                                << "2008/03/16" << 1;
    QTest::newRow("month runs round") << v << "Right Up Up Up Up Up Up Up Up Up"
                                      << "2008/01/16" << 1;
    QTest::newRow("day runs round") << "2008/04/30"
                                    << "End Up"
                                    << "2008/04/01" << 2;
    QTest::newRow("day before 1") << "2008/02/01"
                                  << "End Down"
                                  << "2008/02/29" << 2;
    QTest::newRow("month keeps a short day") << "2008/03/31"
                                             << "Right Down"
                                             << "2008/02/29" << 1;
    QTest::newRow("year keeps a leap day") << "2008/02/29"
                                           << "Up"
                                           << "2009/02/28" << 0;
    QTest::newRow("last year") << "9999/12/31"
                               << "Up"
                               << "9999/12/31" << 0;
    QTest::newRow("first year") << "1601/01/01"
                                << "Down"
                                << "1601/01/01" << 0;
    QTest::newRow("Left, Right stop at the ends") << v << "Left Right Right Right" << v << 2;
    QTest::newRow("Home") << v << "End Home" << v << 0;
    QTest::newRow("year typed") << v << "1 9 8 8"
                                << "1988/04/16" << 1;
    QTest::newRow("year typing") << v << "1 9"
                                 << "0019/04/16" << 0;
    QTest::newRow("short year clamped on leaving") << v << "1 9 Right"
                                                   << "1601/04/16" << 1;
    QTest::newRow("typing erased") << v << "1 9 Backspace"
                                   << "0001/04/16" << 0;
    QTest::newRow("typing cancelled") << v << "1 9 Escape" << v << 0;
    QTest::newRow("typing stepped") << v << "2 0 1 Up"
                                    << "1602/04/16" << 0;
    QTest::newRow("month of one digit") << v << "Right 7"
                                        << "2008/07/16" << 2;
    QTest::newRow("month of two") << v << "Right 1 1"
                                  << "2008/11/16" << 2;
    QTest::newRow("month 00") << v << "Right 0 0"
                              << "2008/01/16" << 2;
    QTest::newRow("month 19") << v << "Right 1 9"
                              << "2008/12/16" << 2;
    QTest::newRow("day 31 in April") << v << "End 3 1"
                                     << "2008/04/30" << 2;
    QTest::newRow("day 3 in February") << "2007/02/10"
                                       << "End 3"
                                       << "2007/02/03" << 2;
    QTest::newRow("day typed on Enter") << v << "End 2 Return"
                                        << "2008/04/02" << 2;
    QTest::newRow("a whole date") << v << "1 9 6 4 1 0 0 1"
                                  << "1964/10/01" << 2;
  }
  void editsOneField() {
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, field);
    DatePicker picker;
    QVERIFY(picker.setValueText(from.toStdString()));
    // Tight, as in the window: ink reaches past a character's advance.
    QFont tight = picker.font();
    tight.setLetterSpacing(QFont::AbsoluteSpacing, -2);
    picker.setFont(tight);
    picker.resize(121, 25);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    const QMap<QString, Qt::Key> named = {
        {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},           {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right},   {"Home", Qt::Key_Home},           {"End", Qt::Key_End},
        {"Escape", Qt::Key_Escape}, {"Backspace", Qt::Key_Backspace}, {"Return", Qt::Key_Return}};
    for (const QString& k : keys.split(' ')) {
      QTest::keyClick(&picker, named.value(k, Qt::Key(Qt::Key_0 + k.toInt())));
      QCoreApplication::processEvents();
    }
    // Each key repainted only what it changed, and that was enough.
    const QImage on_screen = picker.screen()->grabWindow(picker.winId()).toImage();
    QCOMPARE(on_screen, picker.grab().toImage().convertToFormat(on_screen.format()));
    QCOMPARE(picker.text(), shown);
    QCOMPARE(int(picker.field()), field);
    if (!shown.startsWith('0')) QCOMPARE(picker.ValueText(), shown.toStdString());
  }

  void mouseAndCalendar() {
    QWidget window;
    auto* picker = new DatePicker(&window);
    picker->setGeometry(0, 0, 121, 25);
    picker->setValue(ymd(2008, 4, 16));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() - 40, 12));
    QCOMPARE(picker->field(), norvane::DateField::Day);
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(8, 12));
    QCOMPARE(picker->field(), norvane::DateField::Year);
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() - 4, 12));
    QCalendarWidget* calendar = picker->calendar();
    QVERIFY(calendar && calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate(2008, 4, 16));
    QCOMPARE(calendar->minimumDate(), QDate(1601, 1, 1));
    QCOMPARE(calendar->maximumDate(), QDate(9999, 12, 31));
    emit calendar->clicked(QDate(1964, 10, 1));
    QVERIFY(!calendar->isVisible());
    QCOMPARE(picker->ValueText(), std::string("1964/10/01"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(picker);
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("1964/10/01"));
  }

  void copiesAndPastes() {
    DatePicker picker;
    picker.setValue(ymd(2008, 4, 16));
    QTest::keyClick(&picker, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2008/04/16"));
    for (const char* pasted : {"1964/10/1 ", "2008/02/30"}) {
      QGuiApplication::clipboard()->setText(pasted);
      QTest::keyClick(&picker, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(picker.ValueText(), std::string("1964/10/01"));
    }
  }

  void disabledIgnoresKeys() {
    DatePicker picker;
    picker.setValue(ymd(2008, 4, 16));
    picker.setEnabled(false);
    QTest::keyClick(&picker, Qt::Key_Up);
    QCOMPARE(picker.Value(), ymd(2008, 4, 16));
    picker.setEnabled(true);
    QTest::keyClick(&picker, Qt::Key_Up);
    QVERIFY(picker.Value() != ymd(2008, 4, 16));
  }

  void filterPassesKeyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("digit") << int(Qt::Key_5) << "5" << 53;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << 8;
    QTest::newRow("return") << int(Qt::Key_Return) << "\r" << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << "\r" << 13;
    QTest::newRow("kana") << int(Qt::Key_unknown) << QStringLiteral("あ") << 0x3042;
  }
  void filterPassesKeyCodes() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, code);
    Boxes boxes;
    QVERIFY(QTest::qWaitForWindowActive(&boxes.window));
    QList<int> seen;
    new KeyPressFilter(boxes.first, [&](int& c) { seen << c; });
    QTest::sendKeyEvent(QTest::Click, boxes.first, Qt::Key(key), text, Qt::NoModifier);
    QCOMPARE(seen, QList<int>{code});
  }

  void filterDiscardsOrKeepsKeys() {
    Boxes boxes;
    QVERIFY(QTest::qWaitForWindowActive(&boxes.window));
    new KeyPressFilter(boxes.first, [](int& c) {
      if (c >= '0' && c <= '9') c = 0;
    });
    QTest::keyClicks(boxes.first, "1a2b3");
    QCOMPARE(boxes.first->text(), QStringLiteral("ab"));
    QTest::keyClick(boxes.first, Qt::Key_Backspace);
    QCOMPARE(boxes.first->text(), QStringLiteral("a"));
  }

  void keysWithoutTextBypassFilter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::newRow("left") << int(Qt::Key_Left) << "abc" << 0;
    QTest::newRow("end") << int(Qt::Key_End) << "abc" << 3;
    QTest::newRow("delete") << int(Qt::Key_Delete) << "ac" << 1;
  }
  void keysWithoutTextBypassFilter() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    Boxes boxes;
    QVERIFY(QTest::qWaitForWindowActive(&boxes.window));
    int calls = 0;
    new KeyPressFilter(boxes.first, [&](int& c) { ++calls, c = 0; });
    boxes.first->setText("abc");
    boxes.first->setCursorPosition(1);
    QTest::keyClick(boxes.first, Qt::Key(key));
    QCOMPARE(calls, 0);
    QCOMPARE(boxes.first->text(), text);
    QCOMPARE(boxes.first->cursorPosition(), cursor);
  }

  void tabStillMovesFocus() {
    Boxes boxes;
    QVERIFY(QTest::qWaitForWindowActive(&boxes.window));
    new KeyPressFilter(boxes.first, [](int& c) { c = 0; });
    QTest::keyClick(boxes.first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), boxes.second);
  }

  void keyLandsInBoxItWasTypedInto() {
    Boxes boxes;
    QVERIFY(QTest::qWaitForWindowActive(&boxes.window));
    new KeyPressFilter(boxes.first, [&](int&) { boxes.second->setFocus(); });
    QTest::keyClick(boxes.first, 'x');
    QCOMPARE(QApplication::focusWidget(), boxes.second);
    QCOMPARE(boxes.first->text(), QStringLiteral("x"));
    QVERIFY(boxes.second->text().isEmpty());
  }
};

QTEST_MAIN(TestDatePicker)
#include "tst_date_picker.moc"
