#include <QtTest>

class TestDates : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
