#include <QtTest>

class TestNumbers : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
