#pragma once
// What the program's reading windows (相性, 注意日一覧) share: a modal
// window over the main window, closed by 戻る or Escape, that gives the
// focus back to where it was, and whose reading Ctrl+C copies whole.
#include <QDialog>

class QPushButton;
class QVBoxLayout;

class ReadingWindow : public QDialog {
  Q_OBJECT
 public:
  ReadingWindow(QWidget* owner, const QString& title);

  QPushButton* Com_戻る;

  // Shows the window modally; once it has closed, the widget that had the
  // focus before has it again.
  void run();

 protected:
  // The window's controls go here, above 戻る.
  QVBoxLayout* body() const { return body_; }
  // Ctrl+C on `view` puts copied_text() on the clipboard.
  void copy_on_ctrl_c(QWidget* view);
  virtual QString copied_text() const = 0;

 private:
  QVBoxLayout* body_;
};
