#include <QtTest>

class TestChart : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestChart)
#include "tst_chart.moc"
