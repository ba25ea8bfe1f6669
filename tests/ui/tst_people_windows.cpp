// 登録, 登録者一覧 and 相性's list as a user works them from the main
// window, by keys, the chart's menu and clicks, with the file in a
// temporary folder.
#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "autostart.h"
#include "date_picker.h"
#include "form_fixture.h"

using namespace norvane;

namespace {

const QByteArray kTwo = R"({"format":1,"people":[)"
                        R"({"id":"t","name":"太郎","birth":"1960-01-02","entry":"S"},)"
                        R"({"id":"i","name":"一郎","birth":"1990-04-16","entry":"W"}]})";

// The focus, once a window closed has handed it back.
QWidget* focus() {
  static_cast<void>(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
  return QApplication::focusWidget();
}

template <typename T>
T* in_modal(const QString& name) {
  return QApplication::activeModalWidget()->findChild<T*>(name);
}

// Runs the steps, each in the window open when its turn comes: a step that
// opens a modal window hands the steps after it to that window until it
// closes.
struct Walk {
  FormFixture& f;
  QStringList steps;
  QStringList seen;

  void act(const QString& step) {
    const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
    if (verb == "key") QTest::keySequence(focus(), QKeySequence(arg));
    for (QAction* a : f.form->sinPicture1->actions())
      if (verb == "menu" && a->text() == arg) a->trigger();
    if (verb == "name") in_modal<QLineEdit>("Text名前")->setText(arg);
    if (verb == "click") in_modal<QAbstractButton>(arg)->click();
    if (verb == "autostart") {
      // The login reminder's entry, as desktop-file-validate finds it.
      QProcess validate;
      validate.start("desktop-file-validate", {reminder_autostart_path()});
      validate.waitForFinished();
      seen << (!QFile::exists(reminder_autostart_path())                  ? "no entry"
               : validate.exitCode() == 0 && validate.readAll().isEmpty() ? "valid entry"
                                                                          : "invalid entry");
    }
    if (verb == "no") f.services.answer = false;
    if (verb == "close-then-alt-l") {
      // Alt+L pressed at once: waiting behind the Escape that closes the window.
      // Timers, not posted calls: a call posted while another is handled
      // waits for the outer loop.
      QTimer::singleShot(1, f.form.get(), [this] {
        QTimer::singleShot(1, f.form.get(), [this] { drive(QApplication::activeModalWidget()); });
        QTest::keySequence(focus(), QKeySequence("Alt+L"));
      });
      QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    }
    if (verb == "scroll") f.form->HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (verb == "picker")
      seen << QString::number(in_modal<DatePicker>("DTPicker相手")->Value().serial);
    auto* view = verb == "select" || verb == "rows" || verb == "double-click"
                     ? in_modal<QAbstractItemView>("List登録者")
                     : nullptr;
    if (verb == "select") view->setCurrentIndex(view->model()->index(arg.toInt(), 0));
    if (verb == "double-click") {
      const QPoint cell = view->visualRect(view->model()->index(arg.toInt(), 0)).center();
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
      QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell);
    }
    for (int r = 0; verb == "rows" && r < view->model()->rowCount(); ++r)
      for (int c = 0; c < 3; ++c) seen << view->model()->index(r, c).data().toString();
    if (verb == "row") {
      // A person's row as a screen reader hears it, and whether it is bold.
      auto* list = in_modal<QAbstractItemView>("List登録者");
      const QModelIndex name =
          list->model()
              ->match(list->model()->index(0, 0), Qt::DisplayRole, arg, 1, Qt::MatchExactly)
              .value(0);
      seen << name.data(Qt::AccessibleTextRole).toString() +
                  (name.data(Qt::FontRole).value<QFont>().bold() ? " (bold)" : "");
    }
  }

  void drive(QWidget* level) {
    if (level) {
      seen << level->objectName();
      // Each window runs in a loop of its own, opened from its owner's.
      int depth = 0;
      for (QWidget* w = level; w && w != f.form.get(); w = w->parentWidget()) ++depth;
      if (QThread::currentThread()->loopLevel() != depth) seen.last() += " in another's loop";
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
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
    prepare_test_application();
  }

  void walks_data() {
    // Before: the demonstration, Showa 63/05/12 typed ("blank") and its
    // chart drawn ("chart"), or 1986/03/04 picked and drawn ("western").
    QTest::addColumn<QString>("before");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("steps");
    // What the steps saw, the messages, the main window and the file.
    QTest::addColumn<QString>("seen");
    const QString showa = ";S|63|05|12|1988/05/12| 14087日です。";
    const QString typed = ";S|63|05|12|1988/05/12|?????日です。";
    QTest::newRow("登録 by Ctrl+S")
        << "chart" << QByteArray() << "key Ctrl+S;name  花子 ;key Return;key Alt+L;rows"
        << "登録;登録者一覧;花子;昭和63年05月12日;38才" + showa + ";1";
    QTest::newRow("登録 from the menu, a Western date")
        << "western" << kTwo << "menu 登録…;name 花子;click Com_OK;menu 登録者一覧…;rows"
        << "登録;登録者一覧;一郎;1990/04/16;36才;太郎;昭和35年01月02日;66才;花子;1986/03/04;"
           "40才;W|63|05|12|1986/03/04| 14887日です。;3";
    QTest::newRow("names refused")
        << "chart" << kTwo
        << "key Ctrl+S;name  ;click Com_OK;name a\tb;key Return;name " + QString(41, u'あ') +
               ";key Return"
        << "登録;登録|名前を入力してください。;登録|名前に制御文字（改行やタブなど）は使えません。;"
           "登録|名前は 40 文字までです。" +
               showa + ";2";
    QTest::newRow("表示 of an era entry by Return")
        << "blank" << kTwo << "key Alt+L;select 1;key Return"
        << "登録者一覧;S|35|01|02|1960/01/02| 24445日です。;2";
    QTest::newRow("表示 of a Western entry by a double click")
        << "chart" << kTwo << "key Alt+L;double-click 0"
        << "登録者一覧;W|63|05|12|1990/04/16| 13383日です。;2";
    QTest::newRow("rename by F2, a taken name refused; delete by Delete, then declined")
        << "blank" << kTwo
        << "key Alt+L;select 0;key F2;name 太郎;key Return;name ハナ;key Return;key Delete;rows;"
           "no;click Com削除;rows"
        << "登録者一覧;名前の変更;太郎;昭和35年01月02日;66才;太郎;昭和35年01月02日;66才;"
           "名前の変更|「太郎」はすでに登録されています。;削除|"
           "「ハナ」を登録者一覧から削除しますか？;"
           "削除|「太郎」を登録者一覧から削除しますか？" +
               typed + ";1";
    // The chart scrolled after the year was retyped is drawn for 1989/05/12,
    // a date with no Showa year; the results still describe Showa 63.
    QTest::newRow("登録 after the year retyped and the chart scrolled")
        << "chart" << QByteArray()
        << "key Backspace;key Backspace;key 6;key 4;scroll;key Ctrl+S;name 母;key Return;"
           "key Alt+L;rows"
        << "登録;登録者一覧;母;昭和63年05月12日;38才;S|64|05|12|1989/05/12| 14087日です。;1";
    QTest::newRow("注意日一覧 closed and Alt+L at once")
        << "chart" << kTwo << "key Alt+C;close-then-alt-l"
        << "注意日一覧;登録者一覧;S|63|05|12|1988/05/12| 14087日です。;2";
    QTest::newRow("相性's list sets the second date")
        << "chart" << kTwo << "key Alt+A;select 1;picker"
        << "相性;" + QString::number(ymd(1960, 1, 2).serial) + showa + ";2";
    // 母, 23 days old: the physical curve meets zero today (2026/12/06).
    const QByteArray three = QByteArray(kTwo).replace(
        "]}", R"(,{"id":"h","name":"母","birth":"2026-11-13","entry":"W"}]})");
    QTest::newRow("today's caution day told in words and bold")
        << "blank" << three << "key Alt+L;row 母"
        << "登録者一覧;母　2026/11/13　0才　身体 0%　感情 -90%　知性 -95%　次の注意日 今日 "
           "12/06（日） 身体 (bold)" +
               typed + ";3";
    QTest::newRow("a later caution day")
        << "blank" << three << "key Alt+L;row 太郎"
        << "登録者一覧;太郎　昭和35年01月02日　66才　身体 -89%　感情 +22%　知性 -100%　次の注意日 "
           "12/10（木） 身体" +
               typed + ";3";
    QTest::newRow("the login reminder turned on, then off")
        << "blank" << kTwo
        << "key Alt+L;autostart;click Check通知;autostart;click Check通知;autostart"
        << "登録者一覧;no entry;valid entry;no entry" + typed + ";2";
    QTest::newRow("a damaged file: told, the list not opened")
        << "chart" << QByteArray("{") << "key Alt+L"
        << "登録者一覧|登録者のファイル ~/norvane/people.json "
           "は壊れています（JSON として読めません: unterminated object）。" +
               showa + ";{";
    QTest::newRow("nothing during the demonstration")
        << "demo" << QByteArray() << "key Ctrl+S;key Alt+L;menu 登録…;menu 登録者一覧…"
        << "S||||2008/04/16|?????日です。;none";
  }

  void walks() {
    QFETCH(QString, before);
    QFETCH(QByteArray, file);
    QFETCH(QString, steps);
    QFETCH(QString, seen);
    QDir dir(home_.filePath("norvane"));
    dir.removeRecursively();
    QFile kept(dir.filePath("people.json"));
    if (!file.isEmpty()) {
      QVERIFY(dir.mkpath(".") && kept.open(QIODevice::WriteOnly));
      kept.write(file);
      kept.close();
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

    Walk walk{f, steps.split(';'), {}};
    walk.drive(nullptr);
    QTest::qWait(20);  // a key still waiting
    for (const FakeServices::Message& m : f.services.messages)
      walk.seen << m.caption + "|" + m.text.section('\r', 0, 0).replace(home_.path(), "~");
    const QString era = w.Option1->isChecked() ? "H" : w.Option2->isChecked() ? "S" : "W";
    walk.seen << QStringList{era,
                             w.Text年->text(),
                             w.Text月->text(),
                             w.Text日->text(),
                             QString::fromStdString(w.DTPicker1->ValueText()),
                             w.Label日数->text()}
                     .join('|');
    const QByteArray now = kept.open(QIODevice::ReadOnly) ? kept.readAll() : "none";
    walk.seen << (now == "none" || now == "{" ? now : QByteArray::number(now.count("\"id\"")));
    QCOMPARE(walk.seen.join(';'), seen);
  }

 private:
  QTemporaryDir home_;
};

QTEST_MAIN(TestPeopleWindows)
#include "tst_people_windows.moc"
