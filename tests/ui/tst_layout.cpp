#include <QtTest>

class TestLayout : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
