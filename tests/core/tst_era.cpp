#include <QtTest>

class TestEra : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestEra)
#include "tst_era.moc"
