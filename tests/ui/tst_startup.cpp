#include <QtTest>

class TestStartup : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
