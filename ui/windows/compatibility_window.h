#pragma once
// 相性: the first person's birth date as the chart shows it, a picker for
// a second person's, and how the two people's rhythms meet, updated as the
// second date changes.
#include <QDialog>

#include "date.h"
#include "people_store.h"
#include "reading_window.h"

class QLabel;
class QListView;
class QPlainTextEdit;

namespace norvane {
class DatePicker;
}

class CompatibilityWindow : public ReadingWindow {
  Q_OBJECT
 public:
  // For the chart of `first_birth` that starts at `start`; the picker
  // starts at `second_birth`; choosing one of `people` sets it.
  CompatibilityWindow(QWidget* owner, norvane::Date first_birth, norvane::Date start,
                      norvane::Date second_birth, const QList<norvane::StoredPerson>& people = {});

  QLabel* Label本人;
  norvane::DatePicker* DTPicker相手;
  QListView* List登録者;
  QLabel* Label計算;
  QPlainTextEdit* Text相性;

  norvane::Date second_birth() const;

 protected:
  // The selected part of the reading, or all of it.
  QString copied_text() const override;

 private:
  void show_reading();

  norvane::Date first_birth_;
  norvane::Date start_;
};
