#include "people_window.h"

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include "autostart.h"
#include "caution.h"
#include "chart_reading.h"
#include "name_window.h"
#include "services.h"

using namespace norvane;

namespace {

QPushButton* button(QWidget* owner, const QString& text, const QString& description) {
  auto* b = new QPushButton(text, owner);
  b->setObjectName("Com" + text);
  b->setAccessibleName(text);
  b->setAccessibleDescription(description);
  return b;
}

}  // namespace

PeopleListWindow::PeopleListWindow(QWidget* owner, Services& services, PeopleStore store,
                                   const QList<StoredPerson>& people)
    : ReadingWindow(owner, "登録者一覧"),
      services_(services),
      store_(std::move(store)),
      model_(nullptr) {
  setObjectName("登録者一覧");

  List登録者 = new QTreeView(this);
  List登録者->setObjectName("List登録者");
  List登録者->setRootIsDecorated(false);
  List登録者->setUniformRowHeights(true);
  List登録者->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List登録者->setSelectionBehavior(QAbstractItemView::SelectRows);
  List登録者->setAllColumnsShowFocus(true);
  List登録者->setAccessibleName("登録者の一覧");
  List登録者->setAccessibleDescription(
      "名前の順です。Enter キーで表示、F2 キーで名前の変更、Delete キーで削除します");
  body()->addWidget(List登録者);

  Com表示 =
      button(this, "表示", "選んだ人の生年月日でグラフを表示します。Enter キーでも表示します");
  Com名前の変更 = button(this, "名前の変更", "選んだ人の名前を変えます。F2 キーでも変えます");
  Com削除 = button(this, "削除", "選んだ人を一覧から削除します。Delete キーでも削除します");
  Check通知 = new QCheckBox("ログイン時に注意日を知らせる", this);
  Check通知->setObjectName("Check通知");
  Check通知->setAccessibleDescription(
      "ログインのたびに、今日か明日が注意日の人をデスクトップの通知で知らせます");
  Check通知->setChecked(reminder_autostart_exists());
  body()->addWidget(Check通知);
  connect(Check通知, &QAbstractButton::clicked, this, &PeopleListWindow::通知_Click);
  // Return anywhere but on another button shows the chosen person.
  Com表示->setDefault(true);
  for (QPushButton* b : {Com表示, Com名前の変更, Com削除}) add_button(b);
  connect(Com表示, &QPushButton::clicked, this, &PeopleListWindow::表示_Click);
  connect(Com名前の変更, &QPushButton::clicked, this, &PeopleListWindow::名前の変更_Click);
  connect(Com削除, &QPushButton::clicked, this, &PeopleListWindow::削除_Click);
  connect(List登録者, &QAbstractItemView::doubleClicked, this, &PeopleListWindow::表示_Click);
  for (const auto& [key, target] :
       {std::pair{Qt::Key_F2, Com名前の変更}, {Qt::Key_Delete, Com削除}}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    connect(shortcut, &QShortcut::activated, target, &QAbstractButton::click);
  }

  show_people(people, {});
  // Sized to the rows in view: measuring a thousand rows took longer than
  // the rest of the opening.
  List登録者->header()->setResizeContentsPrecision(0);
  List登録者->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  resize(fontMetrics().horizontalAdvance(QString(60, QChar(0x65e5))),
         fontMetrics().lineSpacing() * 24);
  tell_first_row(List登録者);
  List登録者->setFocus();
}

void PeopleListWindow::show_people(const QList<StoredPerson>& people, const QString& current_id) {
  people_ = people;
  const Date today = services_.today();
  const int row = int(model_ && model_->rowCount() > 0 ? List登録者->currentIndex().row() : 0);
  // Filled apart and then shown: rows added under the view's eyes had its
  // header measure the columns again for each one.
  auto* model = new QStandardItemModel(this);
  model->setHorizontalHeaderLabels(
      {"名前", "生年月日", "年齢", "身体", "感情", "知性", "次の注意日"});
  int current_row = std::min(row, int(people.size()) - 1);
  // Only bold: the rest of the font comes from the view.
  QFont bold;
  bold.setBold(true);
  for (int i = 0; i < people.size(); ++i) {
    const StoredPerson& p = people[i];
    const QString birth = QString::fromStdU16String(entered_text(p.birth, p.entry));
    // The program's age: the difference of the calendar years.
    const QString age = QString("%1才").arg(year_of(today) - year_of(p.birth));
    QList<QStandardItem*> row{new QStandardItem(p.name), new QStandardItem(birth),
                              new QStandardItem(age)};
    QStringList spoken{p.name, birth, age};
    for (const RhythmReading& r :
         chart_day_reading(days_between(p.birth, today), today, 0).rhythms) {
      const QString value = QString::fromStdU16String(signed_percent(r.percent));
      auto* cell = new QStandardItem(value);
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      row.append(cell);
      spoken << QString::fromUtf16(r.word.data(), qsizetype(r.word.size())) + " " + value;
    }
    // Today's caution day says so in words, and stands out in bold beside.
    const CautionDay next = next_caution_day(p.birth, today);
    const QString line =
        (next.date == today ? "今日 " : "") + QString::fromStdU16String(caution_line(next));
    row.append(new QStandardItem(line));
    if (next.date == today) {
      row.first()->setFont(bold);
      row.last()->setFont(bold);
    }
    spoken << "次の注意日 " + line;
    // A screen reader speaks the row by its first cell: all of it, in order.
    row.first()->setData(spoken.join("　"), Qt::AccessibleTextRole);
    model->appendRow(row);
    if (p.id == current_id) current_row = i;
  }
  QItemSelectionModel* old_selection = List登録者->selectionModel();
  List登録者->setModel(model);
  delete old_selection;
  delete model_;
  model_ = model;
  if (current_row >= 0 && List登録者->isVisible()) {
    List登録者->setCurrentIndex(model_->index(current_row, 0));
  }
}

std::optional<StoredPerson> PeopleListWindow::current() const {
  const int row = List登録者->currentIndex().row();
  if (row < 0 || row >= people_.size()) return std::nullopt;
  return people_[row];
}

void PeopleListWindow::表示_Click() {
  chosen_ = current();
  if (chosen_) accept();
}

void PeopleListWindow::名前の変更_Click() {
  const std::optional<StoredPerson> person = current();
  if (!person) return;
  auto* window = new NameWindow(this, "名前の変更", person->name, services_,
                                [this, id = person->id](const QString& name) {
                                  const PeopleResult r = store_.rename(id, name);
                                  if (r.ok()) {
                                    show_people(r.people, id);
                                  } else {
                                    show_people_read(id);
                                  }
                                  return r.error;
                                });
  window->run();
}

void PeopleListWindow::削除_Click() {
  const std::optional<StoredPerson> person = current();
  if (!person ||
      !services_.ask_yes_no("「" + person->name + "」を登録者一覧から削除しますか？", "削除")) {
    return;
  }
  const PeopleResult r = store_.remove(person->id);
  if (r.ok()) {
    show_people(r.people, {});
  } else {
    show_people_read(person->id);
    services_.message_box(r.error, "削除");
  }
}

void PeopleListWindow::通知_Click() {
  const bool on = Check通知->isChecked();
  if (const QString why = set_reminder_autostart(on); !why.isEmpty()) {
    Check通知->setChecked(reminder_autostart_exists());
    services_.message_box(
        QString("自動起動のファイル %1 を%2できませんでした（%3）。")
            .arg(QDir::toNativeSeparators(reminder_autostart_path()), on ? "作成" : "削除", why),
        "登録者一覧");
  }
}

void PeopleListWindow::show_people_read(const QString& current_id) {
  // A file that cannot be read now keeps the rows shown.
  if (const PeopleResult now = store_.read(); now.ok()) show_people(now.people, current_id);
}
