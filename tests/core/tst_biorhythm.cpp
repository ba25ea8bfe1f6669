#include <QtTest>

class TestBiorhythm : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestBiorhythm)
#include "tst_biorhythm.moc"
