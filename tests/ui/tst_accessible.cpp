// What a screen reader is told about the main window's controls, read as
// it reads them: through the accessible interface.
#include <QAccessible>
#include <QtTest>

#include "form_fixture.h"

class TestAccessible : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void controls_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Option1") << "平成";
    QTest::newRow("Option2") << "昭和";
    QTest::newRow("Option3") << "西暦";
    QTest::newRow("Text年") << "生まれた年";
    QTest::newRow("Text月") << "生まれた月";
    QTest::newRow("Text日") << "生まれた日";
    QTest::newRow("DTPicker1") << "生年月日";
    QTest::newRow("sinPicture1") << "バイオリズムのグラフ";
    QTest::newRow("HScroll1") << "表示開始日の移動";
    QTest::newRow("Check1") << "表示開始日付を指定";
    QTest::newRow("DTPicker2") << "バイオリズム表示開始日付";
    QTest::newRow("操作方法") << "操作方法";
    QTest::newRow("Commandサービス") << "サービスの設定";
    QTest::newRow("Command実行") << "実行";
    QTest::newRow("Command終了") << "終了";
  }
  void controls() {
    QFETCH(QString, name);
    FormFixture f;
    auto* w = f.form->findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(w);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QVERIFY(!iface->text(QAccessible::Description).isEmpty());
  }
};

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
