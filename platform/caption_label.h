#pragma once
// A label whose caption keeps its carriage returns and shows each one as a
// line break; Qt's text layout would show a lone carriage return as a blank.
#include <QLabel>
#include <QString>

namespace norvane {

class CaptionLabel : public QLabel {
 public:
  explicit CaptionLabel(QWidget* parent = nullptr) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
  }

  void setCaption(const QString& caption) {
    caption_ = caption;
    setText(QString(caption).replace(QLatin1Char('\r'), QLatin1Char('\n')));
  }
  const QString& Caption() const { return caption_; }

 private:
  QString caption_;
};

}  // namespace norvane
