#include <QtTest>

class TestEvaluation : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
