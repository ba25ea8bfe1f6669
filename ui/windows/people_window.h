#pragma once
// 登録者一覧: the registered people by name, with the birth date as it was
// entered, today's age, today's three values and the next caution day.
// 表示 hands the chosen person back to the main window; 名前の変更 and 削除
// change the file at once, each as one step. Check通知 turns the login
// reminder on or off.
#include <optional>

#include "date.h"
#include "people_store.h"
#include "reading_window.h"

class QCheckBox;
class QStandardItemModel;
class QTreeView;

namespace norvane {
class Services;
}

class PeopleListWindow : public ReadingWindow {
  Q_OBJECT
 public:
  PeopleListWindow(QWidget* owner, norvane::Services& services, norvane::PeopleStore store,
                   const QList<norvane::StoredPerson>& people);

  QTreeView* List登録者;
  QPushButton* Com表示;
  QPushButton* Com名前の変更;
  QPushButton* Com削除;
  QCheckBox* Check通知;

  // Also Return and a double click.
  void 表示_Click();
  // Also F2.
  void 名前の変更_Click();
  // Also Delete.
  void 削除_Click();
  // Writes or removes the login reminder's autostart entry.
  void 通知_Click();

  // The person 表示 closed the window for.
  const std::optional<norvane::StoredPerson>& chosen() const { return chosen_; }

 private:
  void show_people(const QList<norvane::StoredPerson>& people, const QString& current_id);
  std::optional<norvane::StoredPerson> current() const;
  // After a change that failed: the list as the file now holds it.
  void show_people_read(const QString& current_id);

  norvane::Services& services_;
  norvane::PeopleStore store_;
  QStandardItemModel* model_;
  QList<norvane::StoredPerson> people_;
  std::optional<norvane::StoredPerson> chosen_;
};
