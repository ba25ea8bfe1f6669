#pragma once
// 登録 and 名前の変更: a name asked for in a small modal window. OK hands the
// name to `save`, which keeps it or says why not; a name refused is told in
// a message box and the window stays open for another.
#include <functional>

#include "reading_window.h"

class QLineEdit;

namespace norvane {
class Services;
}

class NameWindow : public ReadingWindow {
  Q_OBJECT
 public:
  // `save` returns why the name was refused, or nothing once it is kept.
  using Save = std::function<QString(const QString& name)>;

  NameWindow(QWidget* owner, const QString& title, const QString& name, norvane::Services& services,
             Save save);

  QLineEdit* Text名前;
  QPushButton* Com_OK;

  void OK_Click();

 private:
  norvane::Services& services_;
  Save save_;
};
