#pragma once
// 注意日一覧: the caution days of the 365 days from the chart's first day
// for the birth date the chart shows, and the next day on which all three
// rhythms are at one. カレンダーに書き出す saves the list as an iCalendar
// file; 印刷 prints its year as twelve month calendars on one page.
#include <QDialog>
#include <vector>

#include "caution.h"
#include "date.h"
#include "reading_window.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace norvane {
class Services;
}

class CautionListWindow : public ReadingWindow {
  Q_OBJECT
 public:
  static constexpr int kDays = 365;

  // `name`: the registered person the chart was put up for, or empty.
  CautionListWindow(QWidget* owner, norvane::Services& services, norvane::Date birth,
                    norvane::Date first, QString name = {});

  QLabel* Label見出し;
  QTreeWidget* List注意日;
  QLabel* Label三重;
  QPushButton* Comカレンダー;
  QPushButton* Com印刷;

  // Also Ctrl+E. Asks where, then writes the list there.
  void Comカレンダー_Click();
  // Also Ctrl+P. The print dialog, then the page on the printer or PDF file
  // chosen.
  void 印刷_Click();

 protected:
  // The whole list as tab-separated rows under a header row.
  QString copied_text() const override;

 private:
  norvane::Services& services_;
  norvane::Date birth_;
  norvane::Date first_;
  QString name_;
  std::vector<norvane::CautionDay> days_;
};
