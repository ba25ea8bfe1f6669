#include <QtTest>

class TestRender : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestRender)
#include "tst_render.moc"
