#pragma once
// Date picker shown as yyyy/MM/dd with a calendar pop-up, over the years
// 1601 to 9999.
#include <QDateEdit>
#include <string_view>

#include "date.h"

namespace norvane {

class DatePicker : public QDateEdit {
  Q_OBJECT
 public:
  explicit DatePicker(QWidget* parent = nullptr);

  Date Value() const;
  // Dates outside the picker's range are clamped to it.
  void setValue(Date d);
  // Takes a date text (see parse_date_text); false, and the value kept,
  // when the text names no date the picker can hold.
  bool setValueText(std::string_view text);
  // The value as "yyyy/mm/dd".
  std::string ValueText() const;

  static Date minimum();
  static Date maximum();

 protected:
  // Tab leaves the picker, as in the other controls, instead of walking its
  // year, month and day sections; the arrow keys move between those.
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace norvane
