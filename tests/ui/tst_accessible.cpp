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
    QTest::addColumn<QString>("key");  // the key the description names, if any
    const auto row = [](const char* tag, const char* name, const char* key = "") {
      QTest::newRow(tag) << QString(name) << QString(key);
    };
    row("Option1", "平成", "Alt+1");
    row("Option2", "昭和", "Alt+2");
    row("Option3", "西暦", "Alt+3");
    row("Text年", "生まれた年");
    row("Text月", "生まれた月");
    row("Text日", "生まれた日");
    row("DTPicker1", "生年月日");
    row("sinPicture1", "バイオリズムのグラフ");
    row("HScroll1", "表示開始日の移動", "Page Down");
    row("Check1", "表示開始日付を指定");
    row("DTPicker2", "バイオリズム表示開始日付");
    row("操作方法", "操作方法");
    row("Commandサービス", "サービスの設定");
    row("Command実行", "実行", "Ctrl+Enter");
    row("Command終了", "終了");
  }
  void controls() {
    QFETCH(QString, name);
    QFETCH(QString, key);
    FormFixture f;
    auto* w = f.form->findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(w);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QVERIFY(!iface->text(QAccessible::Description).isEmpty());
    QVERIFY(iface->text(QAccessible::Description).contains(key));
  }
};

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
