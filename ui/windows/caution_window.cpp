#include "caution_window.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <chrono>

#include "calendar_file.h"
#include "caution_print.h"
#include "printed_page.h"
#include "saved_file.h"
#include "services.h"

using namespace norvane;

namespace {

QString text_of(const std::u16string& s) {
  return QString::fromStdU16String(s);
}

}  // namespace

CautionListWindow::CautionListWindow(QWidget* owner, Services& services, Date birth, Date first,
                                     QString name)
    : ReadingWindow(owner, "注意日一覧"),
      services_(services),
      birth_(birth),
      first_(first),
      name_(std::move(name)),
      days_(caution_days(birth, first, kDays)) {
  setObjectName("注意日一覧");

  Label見出し = new QLabel(
      QString("%1 から %2 日間の注意日").arg(text_of(date_with_weekday(first))).arg(kDays), this);
  Label見出し->setObjectName("Label見出し");

  List注意日 = new QTreeWidget(this);
  List注意日->setObjectName("List注意日");
  List注意日->setRootIsDecorated(false);
  List注意日->setUniformRowHeights(true);
  List注意日->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List注意日->setSelectionBehavior(QAbstractItemView::SelectRows);
  List注意日->setHeaderLabels({"日付", "リズム", "重なり"});
  List注意日->setAccessibleName("注意日の一覧");
  List注意日->setAccessibleDescription(
      "曲線が0を横切る日です。上下の矢印キーで1日ずつ読みます。Ctrl+C "
      "キーで一覧全体をコピーできます");
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(days_.size()));
  for (const CautionDay& day : days_) {
    items << new QTreeWidgetItem(QStringList{text_of(date_with_weekday(day.date)),
                                             text_of(caution_words(day)),
                                             text_of(caution_overlap(day))});
  }
  List注意日->addTopLevelItems(items);
  List注意日->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(List注意日, &QTreeWidget::currentItemChanged, List注意日, [](QTreeWidgetItem* item) {
    if (item) item->setSelected(true);
  });
  copy_on_ctrl_c(List注意日);
  tell_first_row(List注意日);

  Label三重 = new QLabel(
      "次の三重注意日: " + text_of(date_with_weekday(next_triple_caution(birth, first))), this);
  Label三重->setObjectName("Label三重");

  for (QLabel* label : {Label見出し, Label三重}) {
    label->setAccessibleName(label->text());
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  Label見出し->setAccessibleDescription("一覧の最初の日と日数です");
  Label三重->setAccessibleDescription("身体、感情、知性がそろって注意日になる次の日です");

  Comカレンダー = new QPushButton("カレンダーに書き出す…", this);
  Comカレンダー->setObjectName("Comカレンダー");
  Comカレンダー->setAccessibleName("カレンダーに書き出す");
  Comカレンダー->setAccessibleDescription(
      "一覧の注意日をカレンダーのファイルに保存します。Ctrl+E キーでも保存します");
  Comカレンダー->setAutoDefault(false);
  add_button(Comカレンダー);
  connect(Comカレンダー, &QPushButton::clicked, this, &CautionListWindow::Comカレンダー_Click);
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
  connect(shortcut, &QShortcut::activated, Comカレンダー, &QAbstractButton::click);

  Com印刷 = new QPushButton("印刷…", this);
  Com印刷->setObjectName("Com印刷");
  Com印刷->setAccessibleName("印刷");
  Com印刷->setAccessibleDescription(
      "一覧の1年間を12か月のカレンダーにして、注意日を書き込んで印刷します。Ctrl+P "
      "キーでも印刷します");
  Com印刷->setAutoDefault(false);
  add_button(Com印刷);
  connect(Com印刷, &QPushButton::clicked, this, &CautionListWindow::印刷_Click);
  auto* print_key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
  connect(print_key, &QShortcut::activated, Com印刷, &QAbstractButton::click);

  body()->addWidget(Label見出し);
  body()->addWidget(List注意日);
  body()->addWidget(Label三重);
  resize(fontMetrics().horizontalAdvance(QString(30, QChar(0x65e5))),
         fontMetrics().lineSpacing() * 30);
  List注意日->setFocus();
}

QString CautionListWindow::copied_text() const {
  return text_of(caution_table_text(days_));
}

void CautionListWindow::Comカレンダー_Click() {
  const QString caption = "カレンダーに書き出す";
  const QString path = services_.choose_save_path(
      this, caption,
      services_.documents_dir() + "/注意日-" + QString::fromStdString(basic_date(birth_)) + ".ics",
      "iCalendar (*.ics)");
  if (path.isEmpty()) return;
  const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  const std::string text = caution_calendar(birth_, days_, now);
  const QString error = save_whole(path, QByteArray(text.data(), qsizetype(text.size())));
  if (error.isEmpty()) return;
  services_.message_box(QString("カレンダーのファイル %1 に書き込めませんでした（%2）。\r"
                                "ファイルは元のままです。")
                            .arg(QDir::toNativeSeparators(path), error),
                        caption);
}

void CautionListWindow::印刷_Click() {
  // Offered under the calendar file's name.
  const auto printer =
      a4_printer("注意日-" + QString::fromStdString(basic_date(birth_)), services_.documents_dir());
  if (!services_.choose_printer(this, printer)) return;
  const CautionCalendar calendar{name_, birth_, first_, kDays, days_, Label三重->text()};
  if (const QString why = print_caution_calendar(*printer, font(), calendar); !why.isEmpty()) {
    services_.message_box(why, "印刷");
  }
}
