#include <QtTest>

class TestTextFile : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
