#pragma once
// A QDateEdit shown as yyyy/MM/dd with a calendar pop-up, over the years
// 1601 to 9999, read and set as the program's Date and date texts. Beyond
// QDateEdit it copies and pastes the whole date as text, Tab leaves it, a
// click selects the year, month or day under it, and its digits never go
// through an input method (its line edit is a DirectEntryBox).
#include <QDateEdit>
#include <string>
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
  // Tab leaves the picker, as it leaves every other control, instead of
  // walking its year, month and day; Left and Right move between those.
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace norvane
