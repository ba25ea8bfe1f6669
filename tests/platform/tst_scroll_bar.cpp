// A scroll bar that skips repaints a new value does not need still shows,
// after each step, what painting it afresh shows.
#include <QScreen>
#include <QtTest>

#include "scroll_bar.h"

class TestScrollBar : public QObject {
  Q_OBJECT
 private slots:
  void showsEveryValue_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("long range, same handle") << 33 << 32767 << 100 << 101;
    QTest::newRow("short range, handle moves") << 200 << 10 << 3 << 4;
    QTest::newRow("onto the maximum") << 200 << 32767 << 32766 << 32767;
    QTest::newRow("off the minimum") << 33 << 32767 << 0 << 1;
    QTest::newRow("back onto the minimum") << 33 << 32767 << 1 << 0;
  }
  void showsEveryValue() {
    QFETCH(int, width);
    QFETCH(int, maximum);
    QFETCH(int, from);
    QFETCH(int, to);
    norvane::ScrollBar bar(Qt::Horizontal);
    bar.setRange(0, maximum);
    bar.setValue(from);
    bar.resize(width, 17);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCoreApplication::processEvents();
    bar.setValue(to);
    QCoreApplication::processEvents();
    const QImage on_screen = bar.screen()->grabWindow(bar.winId()).toImage();
    QCOMPARE(on_screen, bar.grab().toImage().convertToFormat(on_screen.format()));
  }
};

QTEST_MAIN(TestScrollBar)
#include "tst_scroll_bar.moc"
