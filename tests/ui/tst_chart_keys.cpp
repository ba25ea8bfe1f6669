// The chart and the whole run by keyboard alone, after the demonstration
// and during it.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

#include "chart_cursor.h"
#include "date_picker.h"
#include "form_fixture.h"

using namespace norvane;

namespace {

// "day 3" for that day's tooltip text, else the text's first sentence.
QString told(DrawingBox* box, const QString& text) {
  for (int day = 0; day <= 30; ++day) {
    const QPoint at = box->to_widget({12.0 * day, 64}).toPoint();
    QHelpEvent help(QEvent::ToolTip, at, box->mapToGlobal(at));
    QCoreApplication::sendEvent(box, &help);
    if (QToolTip::isVisible() && QToolTip::text() == text) return "day " + QString::number(day);
  }
  return text.section("。", 0, 0);
}

// What a screen reader reads of the chart: the day with the focus, else
// the chart's description.
QString said(DrawingBox* box) {
  QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(box);
  QAccessibleInterface* day = chart->focusChild();
  return day ? day->text(QAccessible::Name) : chart->text(QAccessible::Description);
}

// The chart day whose column shows the cursor's white half way down.
QString cursor_line(DrawingBox* box, const QImage& shown) {
  for (int day = 0; day <= 30; ++day) {
    const int x = qRound(box->to_widget({12.0 * day, 0}).x());
    if (shown.pixelColor(x, box->height() / 2) == Qt::white) return QString::number(day);
  }
  return "-";
}

QStringList state(bioForm1& w) {
  DrawingBox* box = w.sinPicture1;
  const std::optional<int> day = w.chart_cursor->day();
  const QString cursor = day ? QString::number(*day) : "-";
  const QImage shown = box->grab().toImage();
  const QString line = cursor_line(box, shown);
  const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
  QStringList rows = clip->text().split('\n', Qt::SkipEmptyParts);
  // The number of rows, the header, the first and last days, the image's size.
  if (clip->hasImage()) {
    const QSize image = qvariant_cast<QImage>(clip->imageData()).size();
    rows = {QString::number(rows.size()), rows[0], rows[1], rows.last(),
            image == box->contentsRect().size() ? "chart" : "wrong size"};
  }
  const int option = w.Option1->isChecked() ? 1 : w.Option2->isChecked() ? 2 : 3;
  const QColor frame = shown.pixelColor(0, box->height() / 2);
  return {"focus=" + QApplication::focusWidget()->objectName(),
          "cursor=" + cursor + (line == cursor ? "" : ", drawn at " + line),
          "said=" + told(box, said(box)),
          "mark=" + QString::number(frame == box->palette().color(QPalette::Highlight)),
          "option=" + QString::number(option),
          "boxes=" + w.Text年->text() + w.Text月->text() + w.Text日->text(),
          "start=" + QString::fromStdString(w.DTPicker2->ValueText()),
          "scroll=" + QString::number(w.HScroll1->value()),
          "days=" + w.Label日数->text(),
          "clip=" + rows.join('|')};
}

}  // namespace

class TestChartKeys : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void keys_data() {
    QTest::addColumn<bool>("demo");
    // The steps: keys, "tick", "click chart" or "menu コピー", by ",".
    QTest::addColumn<QString>("steps");
    // The entries of state() that change, by ";".
    QTest::addColumn<QString>("changes");
    for (const bool demo : {true, false}) {
      const auto row = [demo](const char* name) -> QTestData& {
        return QTest::newRow(qPrintable(QString(name) + (demo ? " in the demonstration" : "")))
               << demo;
      };
      // Each row after the demonstration starts from a blank chart: 実行 draws one.
      const QString run = demo ? "" : "Ctrl+Return,";
      const QString executed =
          demo ? "" : "said=生まれてから現在まで 14087日です;days= 14087日です。;";
      const QString chart = executed + "focus=sinPicture1;cursor=0;said=day 0;mark=1";
      const QString copied =
          QString("clip=32|日付\t曜日\t身体(%)\t感情(%)\t知性(%)|") +
          (demo ? "2026/12/06\t日\t0\t78\t95|2027/01/05\t火\t94\t97\t97|chart"
                : "2026/12/06\t日\t14\t62\t-69|2027/01/05\t火\t-98\t90\t-97|chart");
      row("Tab into the chart") << run + "Tab" << chart;
      row("a click on the chart") << run + "click chart" << chart;
      row("Right three times") << run + "Tab,Right,Right,Right" << chart + ";cursor=3;said=day 3";
      row("End, Right") << run + "Tab,End,Right" << chart + ";cursor=30;said=day 30";
      row("End, Home, Left") << run + "Tab,End,Home,Left" << chart;
      row("Page Down twice, Page Up")
          << run + "Tab,Right,PgDown,PgDown,PgUp"
          << chart + ";cursor=1;said=day 1;scroll=1" + (demo ? "" : ";start=2026/12/07");
      row("Ctrl+C") << run + "Tab,Right,Ctrl+C" << chart + ";cursor=1;said=day 1;" + copied;
      row("コピー in the context menu") << run + "menu コピー" << executed + copied;
      row("Tab out of the chart") << run + "Tab,Right,Tab" << executed + "focus=Text月";
      row("Ctrl+Return") << "Ctrl+Return" << executed;
      row("Ctrl+Enter on the keypad") << "Ctrl+Num+Enter" << executed;
      row("Alt+1") << "Alt+1" << QString("option=1;boxes=");
      row("Alt+2") << "Alt+2" << QString("boxes=");
      row("Alt+3") << "Alt+3" << QString("option=3");
    }
    QTest::newRow("a tick takes the focus back") << true << "Tab,Right,tick"
                                                 << "start=2045/07/28";
    QTest::newRow("blank chart") << false << "Tab,Right,End,Ctrl+C"
                                 << "focus=sinPicture1;said=グラフは空白です;mark=1";
    QTest::newRow("Page Down on a blank chart")
        << false << "Tab,PgDown"
        << "focus=sinPicture1;cursor=0;said=day 0;mark=1;scroll=1;start=2026/12/07";
  }

  void keys() {
    QFETCH(bool, demo);
    QFETCH(QString, steps);
    QFETCH(QString, changes);
    FormFixture f;
    bioForm1& w = *f.form;
    f.load();
    QVERIFY(f.show_active());
    f.tick_then_type_birth(demo);
    if (!demo) w.Text年->setFocus();
    QGuiApplication::clipboard()->setText("before");
    QStringList expected = state(w);
    for (const QString& change : changes.split(';', Qt::SkipEmptyParts))
      for (QString& e : expected)
        if (e.section('=', 0, 0) == change.section('=', 0, 0)) e = change;

    for (const QString& step : steps.split(',', Qt::SkipEmptyParts)) {
      if (step == "tick") {
        w.Timer1_Timer();
      } else if (step == "click chart") {
        QTest::mouseClick(w.sinPicture1, Qt::LeftButton);
      } else if (step == "menu コピー") {
        // The menu key opens the box's menu with its actions.
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5));
        QApplication::sendEvent(w.sinPicture1, &key);
        auto* menu = w.sinPicture1->findChild<QMenu*>();
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->actions(), w.sinPicture1->actions());
        menu->hide();
        for (QAction* a : menu->actions())
          if (a->text() == "コピー") a->trigger();
      } else {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(step));
      }
    }
    QCOMPARE(state(w), expected);
    QCOMPARE(w.demo_flg, demo ? kTrue : kFalse);
  }
};

QTEST_MAIN(TestChartKeys)
#include "tst_chart_keys.moc"
