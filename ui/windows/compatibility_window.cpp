#include "compatibility_window.h"

#include <QFormLayout>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "compatibility.h"
#include "date_picker.h"
#include "date_text.h"

using namespace norvane;

CompatibilityWindow::CompatibilityWindow(QWidget* owner, Date first_birth, Date start,
                                         Date second_birth, const QList<StoredPerson>& people)
    : ReadingWindow(owner, "相性"), first_birth_(first_birth), start_(start) {
  setObjectName("相性");

  Label本人 = new QLabel(QString::fromStdString(to_date_text(first_birth)), this);
  Label本人->setObjectName("Label本人");
  Label本人->setAccessibleName("1人目の生年月日");
  Label本人->setAccessibleDescription("グラフに表示している生年月日です");
  Label本人->setTextInteractionFlags(Qt::TextSelectableByMouse);

  DTPicker相手 = new DatePicker(this);
  DTPicker相手->setObjectName("DTPicker相手");
  DTPicker相手->setValue(second_birth);
  DTPicker相手->setAccessibleName("2人目の生年月日");
  DTPicker相手->setAccessibleDescription("相性を見る相手の生年月日を選びます");

  auto* model = new QStandardItemModel(this);
  for (const StoredPerson& p : people) {
    auto* item = new QStandardItem(p.name + "　" +
                                   QString::fromStdU16String(entered_text(p.birth, p.entry)));
    item->setData(p.birth.serial, Qt::UserRole);
    item->setEditable(false);
    model->appendRow(item);
  }
  List登録者 = new QListView(this);
  List登録者->setObjectName("List登録者");
  List登録者->setModel(model);
  List登録者->setAccessibleName("登録者");
  List登録者->setAccessibleDescription("選んだ人の生年月日を2人目の生年月日にします");
  List登録者->setMaximumHeight(List登録者->fontMetrics().lineSpacing() * 5);
  List登録者->setVisible(!people.isEmpty());
  // Choosing by the arrow keys or a click, also the row already current.
  const auto choose = [this](const QModelIndex& index) {
    if (index.isValid()) DTPicker相手->setValue(Date{index.data(Qt::UserRole).toInt()});
  };
  connect(List登録者->selectionModel(), &QItemSelectionModel::currentChanged, this, choose);
  connect(List登録者, &QAbstractItemView::clicked, this, choose);

  Label計算 = new QLabel(
      "相性 = 50 × (1 + cos(2π × 二人の生まれた日の差 ÷ 周期))。100% は曲線がそろい、"
      "0% は逆に動きます。",
      this);
  Label計算->setObjectName("Label計算");
  Label計算->setWordWrap(true);
  Label計算->setAccessibleName("相性の計算方法");
  Label計算->setAccessibleDescription(Label計算->text());

  Text相性 = new QPlainTextEdit(this);
  Text相性->setObjectName("Text相性");
  Text相性->setReadOnly(true);
  // Walked line by line with the caret, as a screen reader's user does.
  Text相性->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  Text相性->setTabChangesFocus(true);
  Text相性->setAccessibleName("相性の結果");
  Text相性->setAccessibleDescription(
      "身体、感情、知性の相性と平均、二人に共通の注意日です。Ctrl+C キーでコピーできます");
  copy_on_ctrl_c(Text相性);

  auto* form = new QFormLayout;
  form->addRow("1人目の生年月日", Label本人);
  form->addRow("2人目の生年月日", DTPicker相手);
  if (!people.isEmpty()) form->addRow("登録者", List登録者);
  body()->addLayout(form);
  body()->addWidget(Label計算);
  body()->addWidget(Text相性);

  // The formula on one line, and the reading with no scrolling, in the
  // desktop's font.
  const QFontMetrics metrics(font());
  Text相性->setMinimumHeight(metrics.lineSpacing() * 7);
  resize(metrics.horizontalAdvance(Label計算->text()) + 60, sizeHint().height());

  connect(DTPicker相手, &QDateEdit::dateChanged, this, &CompatibilityWindow::show_reading);
  show_reading();
  DTPicker相手->setFocus();
}

Date CompatibilityWindow::second_birth() const {
  return DTPicker相手->Value();
}

QString CompatibilityWindow::copied_text() const {
  const QString selected = Text相性->textCursor().selectedText();
  return selected.isEmpty() ? Text相性->toPlainText() + '\n' : selected;
}

void CompatibilityWindow::show_reading() {
  QString text =
      QString::fromStdU16String(compatibility_text(first_birth_, second_birth(), start_));
  text.chop(1);  // the last line feed would leave an empty line to walk
  Text相性->setPlainText(text);
}
