// 登録, 登録者一覧 and 相性's list as a user works them from the main
// window, by keys, the chart's menu and clicks, with the file in a
// temporary folder.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QtTest>

#include "compatibility_window.h"
#include "date_picker.h"
#include "form_fixture.h"
#include "people_store.h"

using namespace norvane;

namespace {

const QByteArray kTwo = R"({"format":1,"people":[)"
                        R"({"id":"t","name":"太郎","birth":"1960-01-02","entry":"S"},)"
                        R"({"id":"i","name":"一郎","birth":"1990-04-16","entry":"W"}]})";

// Runs the steps, each in the window open when its turn comes; a step
// that opens a modal window hands the steps after it to that window until
// it closes.
struct Walk {
  FormFixture& f;
  QStringList steps;
  QStringList seen;

  // The focus, once a window closed has handed it back.
  static QWidget* focus() {
    QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; });
    return QApplication::focusWidget();
  }

  template <typename T>
  T* in_modal(const char* name) const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal->findChild<T*>(name) : nullptr;
  }

  void act(const QString& step) {
    const QString arg = step.section(' ', 1);
    if (step.startsWith("key ")) QTest::keySequence(focus(), QKeySequence(arg));
    if (step.startsWith("menu ")) {
      for (QAction* a : f.form->sinPicture1->actions())
        if (a->text() == arg) a->trigger();
    }
    if (step.startsWith("name ")) in_modal<QLineEdit>("Text名前")->setText(arg);
    if (step.startsWith("click ")) in_modal<QPushButton>(qPrintable(arg))->click();
    if (step == "answer no") f.services.answer = false;
    auto* view = in_modal<QAbstractItemView>("List登録者");
    if (step.startsWith("select ")) view->setCurrentIndex(view->model()->index(arg.toInt(), 0));
    if (step.startsWith("double-click ")) {
      const QPoint cell = view->visualRect(view->model()->index(arg.toInt(), 0)).center();
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
      QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell);
    }
    if (step == "rows") {
      for (int r = 0; r < view->model()->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < view->model()->columnCount(); ++c)
          cells << view->model()->index(r, c).data().toString();
        seen << cells.join('|');
      }
    }
    if (step == "picker") {
      seen << QString::fromStdString(in_modal<DatePicker>("DTPicker相手")->ValueText());
    }
  }

  void drive(QWidget* level) {
    if (level) {
      seen << "open " + level->objectName();
      QVERIFY(QTest::qWaitForWindowActive(level));
      QTest::qWait(10);  // the first row made current
    }
    while (!steps.isEmpty()) {
      const QString step = steps.takeFirst();
      focus();
      {
        // Gone with the step, so a step that opened nothing leaves no call.
        const QObject scope;
        QTimer::singleShot(0, &scope, [this, level] {
          QWidget* modal = QApplication::activeModalWidget();
          if (modal && modal != level) drive(modal);
        });
        act(step);
      }
      if (level && !level->isVisible()) return;
    }
    if (level) static_cast<QDialog*>(level)->reject();
  }
};

}  // namespace

class TestPeopleWindows : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path()));
    prepare_test_application();
  }

  void walks_data() {
    // Before the walk: the demonstration, Showa 63/05/12 typed ("blank"),
    // and its chart drawn ("chart"), or 1986/03/04 picked ("western").
    QTest::addColumn<QString>("before");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("seen");  // then the messages, the main window, the file

    const QString showa = "S|63|05|12|1988/05/12| 14087日です。";
    const QString typed = "S|63|05|12|1988/05/12|?????日です。";  // typed, no chart
    const QString none = "file none";
    QTest::newRow("登録 by Ctrl+S")
        << "chart" << QByteArray()
        << QStringList{"key Ctrl+S", "name  花子 ", "key Return", "key Alt+L", "rows", "key Escape"}
        << QStringList{"open 登録", "open 登録者一覧", "花子|昭和63年05月12日|38才", showa,
                       "file 1"};
    QTest::newRow("登録 from the menu, a Western date")
        << "western" << kTwo << QStringList{"menu 登録…",       "name 花子", "click Com_OK",
                                            "menu 登録者一覧…", "rows",      "click Com_戻る"}
        << QStringList{"open 登録",
                       "open 登録者一覧",
                       "一郎|1990/04/16|36才",
                       "太郎|昭和35年01月02日|66才",
                       "花子|1986/03/04|40才",
                       "W|63|05|12|1986/03/04| 14887日です。",
                       "file 3"};
    QTest::newRow("a refused name")
        << "chart" << kTwo << QStringList{"key Ctrl+S", "name  ",    "click Com_OK", "name a\tb",
                                          "key Return", "name 太郎", "key Return",   "key Escape"}
        << QStringList{"open 登録",
                       "登録|名前を入力してください。",
                       "登録|名前に制御文字（改行やタブなど）は使えません。",
                       "登録|「太郎」はすでに登録されています。",
                       showa,
                       "file 2"};
    QTest::newRow("表示 of an era entry by Return")
        << "blank" << kTwo << QStringList{"key Alt+L", "select 1", "key Return"}
        << QStringList{"open 登録者一覧", "S|35|01|02|1960/01/02| 24445日です。", "file 2"};
    QTest::newRow("表示 of a Western entry by a double click")
        << "chart" << kTwo << QStringList{"key Alt+L", "double-click 0"}
        << QStringList{"open 登録者一覧", "W|63|05|12|1990/04/16| 13383日です。", "file 2"};
    QTest::newRow("rename by F2, a taken name refused")
        << "blank" << kTwo
        << QStringList{"key Alt+L", "select 0",   "key F2", "name 太郎", "key Return",
                       "name ハナ", "key Return", "rows",   "key Escape"}
        << QStringList{"open 登録者一覧",
                       "open 名前の変更",
                       "ハナ|1990/04/16|36才",
                       "太郎|昭和35年01月02日|66才",
                       "名前の変更|「太郎」はすでに登録されています。",
                       typed,
                       "file 2"};
    QTest::newRow("delete by Delete, then declined")
        << "blank" << kTwo << QStringList{"key Alt+L", "select 0",      "key Delete", "rows",
                                          "answer no", "click Com削除", "rows",       "key Escape"}
        << QStringList{"open 登録者一覧",
                       "太郎|昭和35年01月02日|66才",
                       "太郎|昭和35年01月02日|66才",
                       "削除|「一郎」を登録者一覧から削除しますか？",
                       "削除|「太郎」を登録者一覧から削除しますか？",
                       typed,
                       "file 1"};
    QTest::newRow("相性's list sets the second date")
        << "chart" << kTwo << QStringList{"key Alt+A", "select 1", "picker", "key Escape"}
        << QStringList{"open 相性", "1960/01/02", showa, "file 2"};
    QTest::newRow("a damaged file: told, the list not opened")
        << "chart" << QByteArray("{") << QStringList{"key Alt+L", "key Ctrl+S", "key Escape"}
        << QStringList{"open 登録",
                       "登録者一覧|登録者のファイル ~/norvane/people.json "
                       "は壊れています（JSON として読めません: unterminated object）。",
                       showa, "file {"};
    QTest::newRow("nothing during the demonstration")
        << "demo" << QByteArray()
        << QStringList{"key Ctrl+S", "key Alt+L", "menu 登録…", "menu 登録者一覧…"}
        << QStringList{"S||||2008/04/16|?????日です。", none};
    QTest::newRow("登録 over a blank chart: nothing")
        << "blank" << QByteArray() << QStringList{"key Ctrl+S", "menu 登録…"}
        << QStringList{typed, none};
  }

  void walks() {
    QFETCH(QString, before);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, seen);
    const QString dir = home_.path() + "/norvane";
    QDir(dir).removeRecursively();
    if (!file.isEmpty()) {
      QDir().mkpath(dir);
      QFile f(dir + "/people.json");
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(file);
    }
    FormFixture f;
    bioForm1& w = *f.form;
    f.load();
    QVERIFY(f.show_active());
    f.tick_then_type_birth(before == "demo");
    if (before == "western") {
      QTest::keyClick(w.Text年, Qt::Key_3, Qt::AltModifier);
      w.DTPicker1->setValue(ymd(1986, 3, 4));
    }
    if (before == "chart" || before == "western") {
      QTest::keyClick(w.Text年, Qt::Key_Return, Qt::ControlModifier);
    }
    w.Text年->setFocus();

    Walk walk{f, steps, {}};
    walk.drive(nullptr);
    for (const FakeServices::Message& m : f.services.messages) {
      walk.seen << m.caption + "|" + m.text.section('\r', 0, 0).replace(home_.path(), "~");
    }
    const QString letter = w.Option1->isChecked() ? "H" : w.Option2->isChecked() ? "S" : "W";
    walk.seen << QStringList{letter,
                             w.Text年->text(),
                             w.Text月->text(),
                             w.Text日->text(),
                             QString::fromStdString(w.DTPicker1->ValueText()),
                             w.Label日数->text()}
                     .join('|');
    QFile kept(dir + "/people.json");
    walk.seen << (!kept.open(QIODevice::ReadOnly) ? "file none"
                  : file == "{"                   ? "file " + kept.readAll()
                                : "file " + QString::number(kept.readAll().count("\"id\"")));
    QCOMPARE(walk.seen, seen);
  }

 private:
  QTemporaryDir home_;
};

QTEST_MAIN(TestPeopleWindows)
#include "tst_people_windows.moc"
