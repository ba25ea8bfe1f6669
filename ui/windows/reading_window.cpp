#include "reading_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "app_icon.h"
#include "window_closing.h"

namespace {

class CopyKey : public QObject {
 public:
  CopyKey(QWidget* view, std::function<QString()> text) : QObject(view), text_(std::move(text)) {
    view->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
      return false;
    }
    QApplication::clipboard()->setText(text_());
    return true;
  }

 private:
  std::function<QString()> text_;
};

}  // namespace

ReadingWindow::ReadingWindow(QWidget* owner, const QString& title)
    : QDialog(owner), body_(new QVBoxLayout), buttons_(new QHBoxLayout) {
  setWindowTitle(title);
  setWindowIcon(norvane::app_icon());
  setModal(true);

  Com_戻る = new QPushButton("戻る", this);
  Com_戻る->setObjectName("Com_戻る");
  Com_戻る->setAccessibleName("戻る");
  Com_戻る->setAccessibleDescription("この画面を閉じます。Esc キーでも閉じます");
  // Return in the window does not close it; only 戻る, Escape and the frame do.
  Com_戻る->setAutoDefault(false);
  connect(Com_戻る, &QPushButton::clicked, this, &QDialog::reject);

  buttons_->addStretch();
  buttons_->addWidget(Com_戻る);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body_);
  layout->addLayout(buttons_);
}

void ReadingWindow::add_button(QPushButton* button) {
  buttons_->insertWidget(buttons_->count() - 1, button);
}

bool ReadingWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && first_row_view_) {
    QTimer::singleShot(0, first_row_view_, [view = first_row_view_] {
      if (!view->model() || view->model()->rowCount() == 0 || !view->hasFocus()) return;
      view->setCurrentIndex({});
      view->setCurrentIndex(view->model()->index(0, 0));
    });
    first_row_view_ = nullptr;
  }
  return QDialog::event(event);
}

void ReadingWindow::run() {
  const QPointer<QWidget> focus = QApplication::focusWidget();
  exec();
  // Hidden but not yet deleted, it would keep the application's focus until
  // the owner is active again.
  if (QWidget* inside = focusWidget()) inside->clearFocus();
  norvane::delete_when_closed(this);
  if (!focus) return;
  // Desktops hand the activation back to the owner on their own; asking
  // again does no harm where they do.
  focus->activateWindow();
  focus->setFocus(Qt::OtherFocusReason);
}

void ReadingWindow::copy_on_ctrl_c(QWidget* view) {
  new CopyKey(view, [this] { return copied_text(); });
}
