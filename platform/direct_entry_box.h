#pragma once
// A line edit whose keys always arrive directly, never through an input
// method, on X11 and on Wayland alike. Turning WA_InputMethodEnabled off is
// not enough: QLineEdit answers ImEnabled with isEnabled() whatever the
// attribute, so the platform's input context serves the box (on Wayland it
// activates text-input for the window), and each click and key release in
// it asks for the on-screen keyboard.
#include <QLineEdit>

namespace norvane {

class DirectEntryBox : public QLineEdit {
 public:
  explicit DirectEntryBox(QWidget* parent = nullptr);

  using QLineEdit::inputMethodQuery;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace norvane
