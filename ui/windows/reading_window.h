#pragma once
// What the program's reading windows (相性, 注意日一覧, 登録者一覧 and
// 登録) share: a modal window over the main window, closed by 戻る or
// Escape, that gives the focus back to where it was, and whose reading
// Ctrl+C copies whole.
#include <QDialog>

class QAbstractItemView;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

class ReadingWindow : public QDialog {
  Q_OBJECT
 public:
  ReadingWindow(QWidget* owner, const QString& title);

  QPushButton* Com_戻る;

  // Shows the window modally; once it has closed, the widget that had the
  // focus before has it again, and the window, made with new, is deleted
  // once the event loop comes back to it.
  void run();

 protected:
  // The window's controls go here, above 戻る.
  QVBoxLayout* body() const { return body_; }
  // A button beside 戻る, before it.
  void add_button(QPushButton* button);
  // Ctrl+C on `view` puts copied_text() on the clipboard.
  void copy_on_ctrl_c(QWidget* view);
  virtual QString copied_text() const { return {}; }
  // The first row of `view` becomes current once the window is active, so
  // that Qt tells a screen reader of it as of every later row. Made current
  // before, it is heard of while the window is still opening, and not spoken.
  void tell_first_row(QAbstractItemView* view) { first_row_view_ = view; }
  bool event(QEvent* event) override;

 private:
  QVBoxLayout* body_;
  QHBoxLayout* buttons_;
  QAbstractItemView* first_row_view_ = nullptr;
};
