#include <QtTest>

class TestDrawingBox : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestDrawingBox)
#include "tst_drawing_box.moc"
