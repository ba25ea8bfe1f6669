#include <QtTest>

class TestDatePicker : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};

QTEST_GUILESS_MAIN(TestDatePicker)
#include "tst_date_picker.moc"
