// The whole run by keyboard alone: 実行, the option buttons and the scroll
// bar keep their tab stops off, so keys reach them from anywhere in the
// window, and the chart takes the focus with its day cursor.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "chart_cursor.h"
#include "chart_readout.h"
#include "drawing_box.h"
#include "main_window.h"

void bioForm1::connect_keys() {
  chart_cursor = new ChartCursor(sinPicture1, chart_readout, HScroll1);
  // Each key clicks its button, so the click's own handler runs, with its
  // test of the demonstration.
  const auto click_by = [this](const QList<QKeySequence>& keys, QAbstractButton* button) {
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(keys);
    connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
  };
  // Qt::Key_Enter is the keypad's.
  click_by({Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}, Command実行);
  click_by({Qt::ALT | Qt::Key_1}, Option1);
  click_by({Qt::ALT | Qt::Key_2}, Option2);
  click_by({Qt::ALT | Qt::Key_3}, Option3);

  // Beside コピー in the chart's menu, each with its key anywhere in the
  // window; over a blank chart those that read the chart are greyed out.
  const auto reading = [this](const char* name, const QString& text, const QKeySequence& key,
                              void (bioForm1::*handler)(), bool needs_chart = true) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    sinPicture1->addAction(action);
    connect(action, &QAction::triggered, this, handler);
    if (!needs_chart) return;
    action->setEnabled(false);
    connect(chart_readout, &ChartReadout::changed, action,
            [this, action] { action->setEnabled(chart_readout->shows_chart()); });
  };
  reading("相性_action", "相性…", Qt::ALT | Qt::Key_A, &bioForm1::相性_Click);
  reading("注意日一覧_action", "注意日一覧…", Qt::ALT | Qt::Key_C, &bioForm1::注意日一覧_Click);
  reading("印刷_action", "印刷…", QKeySequence::Print, &bioForm1::印刷_Click);
  reading("登録_action", "登録…", Qt::CTRL | Qt::Key_S, &bioForm1::登録_Click);
  // The list needs no chart: it is where a chart comes from.
  reading("登録者一覧_action", "登録者一覧…", Qt::ALT | Qt::Key_L, &bioForm1::登録者一覧_Click,
          false);
}
