#include <QtTest>

class TestEraEntry : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestEraEntry)
#include "tst_era_entry.moc"
