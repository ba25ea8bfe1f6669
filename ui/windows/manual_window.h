#pragma once
// The manual window: the text of "BioManual.txt" in one large label, and a
// button that closes it. A fresh one is made for every opening.
#include <QDialog>

class QPushButton;
class bioForm1;

namespace norvane {
class CaptionLabel;
}

class Manual : public QDialog {
  Q_OBJECT
 public:
  // Far more than the label can show; a larger file is cut here.
  static constexpr qint64 kMaxFileBytes = 1 << 20;

  // No parent: the window is shown with no owner.
  explicit Manual(bioForm1& form);
  ~Manual() override;

  norvane::CaptionLabel* Label1;
  QPushButton* Com_戻る;

  // Reads the manual into Label1. False when the file could not be read;
  // the user has then been told, and the window is not to be shown.
  bool Form_Load();
  void Com_戻る_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bioForm1& form_;
};
