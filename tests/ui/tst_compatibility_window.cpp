// 相性 as a user opens it from the main window: by its key or the chart's
// menu, only over a chart and never during the demonstration.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "compatibility_window.h"
#include "date_picker.h"
#include "form_fixture.h"

using namespace norvane;

class TestCompatibilityWindow : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void opening_data() {
    QTest::addColumn<QString>("before");  // "demo", "blank" or "chart"
    QTest::addColumn<QString>("open");    // "Alt+A" or "menu"
    QTest::addColumn<QStringList>("seen");
    const QString copied =
        "1990/04/16|身体（23日）　11%\n感情（28日）　81%\n知性（33日）　25%\n平均　39%\n"
        "共通の注意日　なし\n";
    const QStringList seen{
        "1988/05/12|1988/05/12|共通の注意日　12/10 知性、12/17 感情、12/18 身体、12/31 感情",
        copied, "focus=Text年", "1988/05/12|1990/04/16|共通の注意日　なし", "focus=Text年"};
    QTest::newRow("Alt+A") << "chart"
                           << "Alt+A" << seen;
    QTest::newRow("the chart's menu") << "chart"
                                      << "menu" << seen;
    QTest::newRow("Alt+A in the demonstration") << "demo"
                                                << "Alt+A" << QStringList();
    QTest::newRow("menu in the demonstration") << "demo"
                                               << "menu" << QStringList();
    QTest::newRow("Alt+A over a blank chart") << "blank"
                                              << "Alt+A" << QStringList();
  }

  void opening() {
    QFETCH(QString, before);
    QFETCH(QString, open);
    QFETCH(QStringList, seen);
    FormFixture f;
    bioForm1& w = *f.form;
    f.load();
    QVERIFY(f.show_active());
    w.Timer1_Timer();
    if (before != "demo") {
      for (const char c : QByteArray("6630512")) QTest::keyClick(QApplication::focusWidget(), c);
      if (before == "chart") QTest::keyClick(w.Text年, Qt::Key_Return, Qt::ControlModifier);
      w.Text年->setFocus();
    }

    QStringList got;
    // Runs inside the window's own event loop, then closes it.
    const auto inside = [&](bool change) {
      auto* c = qobject_cast<CompatibilityWindow*>(QApplication::activeModalWidget());
      if (!c) return false;
      const QString last_line = c->Text相性->toPlainText().split('\n').last();
      got << c->Label本人->text() + "|" + QString::fromStdString(c->DTPicker相手->ValueText()) +
                 "|" + last_line;
      if (change) {
        c->DTPicker相手->setValue(ymd(1990, 4, 16));
        c->Text相性->setFocus();
        QTest::keyClick(c->Text相性, Qt::Key_C, Qt::ControlModifier);
        got << QString::fromStdString(c->DTPicker相手->ValueText()) + "|" +
                   QGuiApplication::clipboard()->text();
      }
      QTest::keyClick(c, Qt::Key_Escape);
      return true;
    };
    const auto open_it = [&](bool change) {
      bool opened = false;
      QTimer::singleShot(0, [&] { opened = inside(change); });
      if (open == "menu") {
        for (QAction* a : w.sinPicture1->actions())
          if (a->text() == "相性…") a->trigger();
      } else {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(open));
      }
      if (opened && QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }))
        got << "focus=" + QApplication::focusWidget()->objectName();
    };
    open_it(true);
    // The second date is held for the next opening.
    open_it(false);
    QCOMPARE(got, seen);
    QCOMPARE(w.demo_flg, before == "demo" ? kTrue : kFalse);
  }
};

QTEST_MAIN(TestCompatibilityWindow)
#include "tst_compatibility_window.moc"
