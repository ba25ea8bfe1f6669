#pragma once
// Hands a text box's character keys to a handler before the box sees them.
// The handler gets the key code (8 Backspace, 13 Enter, else the
// character's code); setting it to 0 discards the key.
#include <QObject>
#include <functional>

class QLineEdit;

namespace norvane {

class KeyPressFilter : public QObject {
 public:
  using Handler = std::function<void(int& key_code)>;
  KeyPressFilter(QLineEdit* box, Handler handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
};

}  // namespace norvane
