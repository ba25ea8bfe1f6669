#include <QAccessible>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLineEdit>
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
    window.activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
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

  void clicks() {
    DatePicker picker;
    picker.setValue(ymd(2008, 4, 16));
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(picker.width() - 5, picker.height() / 2));
    QCalendarWidget* calendar = picker.calendarWidget();
    QVERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate(2008, 4, 16));
    QCOMPARE(calendar->minimumDate(), QDate(1601, 1, 1));
    QCOMPARE(calendar->maximumDate(), QDate(9999, 12, 31));
    emit calendar->clicked(QDate(1964, 10, 1));
    QTRY_VERIFY(!calendar->isVisible());
    QCOMPARE(picker.ValueText(), std::string("1964/10/01"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&picker);
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("1964/10/01"));
    // A click on the year selects it, so typed digits replace it.
    auto* edit = picker.findChild<QLineEdit*>();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(8, edit->height() / 2));
    QTest::keyClicks(&picker, "1990");
    QCOMPARE(picker.ValueText(), std::string("1990/10/01"));
  }

  // ASCII digits, whatever the desktop's locale.
  void showsAsciiDigitsInAnyLocale() {
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    DatePicker picker;
    QLocale::setDefault(QLocale::c());
    picker.setValue(ymd(2008, 4, 16));
    QCOMPARE(picker.text(), QStringLiteral("2008/04/16"));
  }

  // A screen reader reads each text change as it comes, the first ones
  // while the picker is being built, and may ask again later of any
  // interface it was told of.
  void screenReaderReadsTheDate() {
    QAccessible::setActive(true);
    static QSet<QAccessible::Id> told;
    const auto reader = [](QAccessibleEvent* event) {
      QAccessibleInterface* iface = event->accessibleInterface();
      if (QAccessibleTextInterface* text = iface ? iface->textInterface() : nullptr) {
        text->text(0, text->characterCount());
        told << QAccessible::uniqueId(iface);
      }
    };
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(reader);
    const auto restore = qScopeGuard([before] {
      QAccessible::installUpdateHandler(before);
      QAccessible::setActive(false);
    });
    {
      DatePicker picker;
      picker.setValue(ymd(2008, 4, 16));
      if (told.isEmpty()) QSKIP("this platform plugin sends widgets' events to no screen reader");
      for (const QAccessible::Id id : std::as_const(told)) {
        QAccessibleInterface* iface = QAccessible::accessibleInterface(id);
        QAccessibleTextInterface* text = iface ? iface->textInterface() : nullptr;
        if (text) QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("2008/04/16"));
      }
    }
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
