#include <QtTest>

class TestBirth : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestBirth)
#include "tst_birth.moc"
