// 相性, 注意日一覧 and the print dialog as a user opens them from the main window: by their
// keys or the chart's menu, only over a chart and never during the
// demonstration; each copies its reading and gives the focus back.
// 注意日一覧 writes its calendar file only where the user chose.
#include <sys/fsuid.h>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "caution_window.h"
#include "compatibility_window.h"
#include "date_picker.h"
#include "form_fixture.h"

using namespace norvane;

namespace {

// What the open window shows, after the second date is changed in 相性;
// then Ctrl+C on its reading, and Escape.
QStringList look_inside(QWidget* modal) {
  QStringList seen;
  QWidget* reading = nullptr;
  if (auto* c = qobject_cast<CompatibilityWindow*>(modal)) {
    seen << c->Label本人->text() + "|" + QString::fromStdString(c->DTPicker相手->ValueText()) +
                "|" + c->Text相性->toPlainText().split('\n').last();
    c->DTPicker相手->setValue(ymd(1990, 4, 16));
    reading = c->Text相性;
  } else if (auto* l = qobject_cast<CautionListWindow*>(modal)) {
    seen << l->windowTitle() + "|" + l->Label見出し->text() + "|" + l->Label三重->text();
    QTreeWidget* list = l->List注意日;
    seen << QString::number(list->topLevelItemCount());
    for (int row : {0, 1, list->topLevelItemCount() - 1}) {
      const QTreeWidgetItem* item = list->topLevelItem(row);
      seen << item->text(0) + "|" + item->text(1) + "|" + item->text(2);
    }
    reading = list;
  } else {
    return {};
  }
  QTest::keyClick(reading, Qt::Key_C, Qt::ControlModifier);
  QStringList copied = QGuiApplication::clipboard()->text().split('\n');
  // A long list: its length and first rows.
  if (copied.size() > 10) copied = QStringList{QString::number(copied.size())} + copied.mid(0, 3);
  seen << copied.join('|');
  QTest::keyClick(modal, Qt::Key_Escape);
  return seen;
}

}  // namespace

class TestReadingWindows : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void opening_data() {
    QTest::addColumn<QString>("before");  // "demo", "blank" or "chart"
    QTest::addColumn<QString>("open");    // a key, or the menu's text
    QTest::addColumn<QStringList>("seen");
    // Showa 63/05/12, the chart starting 2026/12/06.
    const QString shared =
        "共通の注意日　12/06 身体、12/10 知性、12/17 感情、12/18 身体、12/26 知性、12/29 身体、"
        "12/31 感情";
    const QStringList compatibility{
        "1988/05/12|1988/05/12|" + shared,
        "身体（23日）　11%|感情（28日）　81%|知性（33日）　25%|平均　39%|共通の注意日　なし|",
        "focus=Text年",
        // The second date is held for the next opening.
        "1988/05/12|1990/04/16|共通の注意日　なし",
        "身体（23日）　11%|感情（28日）　81%|知性（33日）　25%|平均　39%|共通の注意日　なし|",
        "focus=Text年"};
    const QStringList list{
        "注意日一覧|2026/12/06（日） から 365 日間の注意日|次の三重注意日: 2037/03/12（木）",
        "75",
        "2026/12/06（日）|身体|",
        "2026/12/10（木）|知性|",
        "2027/12/02（木）|感情|",
        "77|日付\tリズム\t重なり|2026/12/06（日）\t身体\t|2026/12/10（木）\t知性\t",
        "focus=Text年"};
    QTest::newRow("相性 by Alt+A") << "chart"
                                   << "Alt+A" << compatibility;
    QTest::newRow("相性 from the chart's menu") << "chart"
                                                << "相性…" << compatibility;
    QTest::newRow("注意日一覧 by Alt+C") << "chart"
                                         << "Alt+C" << list + list;
    QTest::newRow("注意日一覧 from the chart's menu") << "chart"
                                                      << "注意日一覧…" << list + list;
    for (const char* open : {"Alt+A", "相性…", "Alt+C", "注意日一覧…", "Ctrl+P", "印刷…"}) {
      QTest::newRow(qPrintable(QString(open) + " in the demonstration"))
          << "demo" << open << QStringList();
    }
    QTest::newRow("Alt+A over a blank chart") << "blank"
                                              << "Alt+A" << QStringList();
    QTest::newRow("Alt+C over a blank chart") << "blank"
                                              << "Alt+C" << QStringList();
    QTest::newRow("Ctrl+P over a blank chart") << "blank"
                                               << "Ctrl+P" << QStringList();
  }

  void opening() {
    QFETCH(QString, before);
    QFETCH(QString, open);
    QFETCH(QStringList, seen);
    FormFixture f;
    bioForm1& w = *f.form;
    f.load();
    QVERIFY(f.show_active());
    f.tick_then_type_birth(before == "demo");
    if (before != "demo") {
      if (before == "chart") QTest::keyClick(w.Text年, Qt::Key_Return, Qt::ControlModifier);
      w.Text年->setFocus();
    }

    QStringList got;
    for (int opening = 0; opening < 2; ++opening) {
      QStringList inside;
      // Gone with this opening, so a window that never opened leaves no call behind.
      const QObject scope;
      QTimer::singleShot(0, &scope,
                         [&] { inside = look_inside(QApplication::activeModalWidget()); });
      const int dialogs = f.services.print_dialogs;
      if (open.contains('+')) {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(open));
      } else {
        for (QAction* a : w.sinPicture1->actions())
          if (a->text() == open) a->trigger();
      }
      got << inside;
      if (f.services.print_dialogs > dialogs) got << "print dialog";
      if (!inside.isEmpty() &&
          QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; })) {
        got << "focus=" + QApplication::focusWidget()->objectName();
      }
    }
    QCOMPARE(got, seen);
    QCOMPARE(w.demo_flg, before == "demo" ? kTrue : kFalse);
  }

  void calendar_data() {
    QTest::addColumn<QString>("answer");  // in the dialog: "cancel", "save" or "read-only"
    QTest::addColumn<QString>("seen");    // files, the file's events, messages; %1 the folder
    const QString name = "注意日-19880512.ics";
    QTest::newRow("cancelled, by Ctrl+E") << "cancel"
                                          << "|-1";
    QTest::newRow("saved, by the button") << "save" << name + "|75";
    QTest::newRow("into a read-only folder, by Ctrl+E")
        << "read-only"
        << "|-1|カレンダーに書き出す: カレンダーのファイル %1/" + name +
               " に書き込めませんでした（書き込みが許可されていません）。\rファイルは元のままです"
               "。";
  }
  void calendar() {
    QFETCH(QString, answer);
    QFETCH(QString, seen);
    QTemporaryDir tmp;
    const QString docs = tmp.filePath("文書"), path = docs + "/注意日-19880512.ics";
    QVERIFY(QDir().mkdir(docs));
    FakeServices services;
    services.set_documents_dir(docs);
    if (answer != "cancel") services.save_path = path;
    CautionListWindow window(nullptr, services, ymd(1988, 5, 12), ymd(2026, 12, 6));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Root writes into any folder; as another user the modes bind.
    QFile::setPermissions(tmp.path(), QFileDevice::Permissions(0x7755));
    if (answer == "read-only") QFile::setPermissions(docs, QFileDevice::Permissions(0x5555));
    const int user = setfsuid(answer == "read-only" ? 65534 : -1);
    if (answer == "save")
      window.Comカレンダー->click();
    else
      QTest::keyClick(window.List注意日, Qt::Key_E, Qt::ControlModifier);
    setfsuid(user);
    QCOMPARE(services.offered_paths, QStringList(path));
    QFile file(path);
    QStringList got{
        QDir(docs).entryList(QDir::Files).join(','),
        QString::number(file.open(QIODevice::ReadOnly) ? file.readAll().count("BEGIN:VEVENT")
                                                       : -1)};
    for (const FakeServices::Message& m : services.messages) got << m.caption + ": " + m.text;
    QCOMPARE(got.join('|'), seen.arg(docs));
  }
};

QTEST_MAIN(TestReadingWindows)
#include "tst_reading_windows.moc"
