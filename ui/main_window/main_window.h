#pragma once
// The main window: every control in its place, the state its handlers
// share, and the handlers themselves (split over main_window_*.cpp by
// concern).
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "date.h"
#include "flag.h"
#include "key_entry.h"
#include "person.h"

class ChartCursor;
class ChartReadout;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace norvane {
class DatePicker;
class DrawingBox;
class Services;
struct StoredPerson;
}  // namespace norvane

class bioForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit bioForm1(norvane::Services& services, QWidget* parent = nullptr);
  ~bioForm1() override;

  // --- Controls, named as on the form ---------------------------------
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QRadioButton* Option3 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QLabel* Label年号 = nullptr;
  QLineEdit* Text年 = nullptr;
  QLineEdit* Text月 = nullptr;
  QLineEdit* Text日 = nullptr;
  QLabel* Label2 = nullptr;
  std::array<QLabel*, 2> Label3{};
  std::array<QLabel*, 2> Label4{};
  norvane::DatePicker* DTPicker1 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label概要 = nullptr;
  QLabel* Label17 = nullptr;
  QLabel* Label5 = nullptr;
  norvane::DrawingBox* sinPicture1 = nullptr;
  QLabel* Label19 = nullptr;
  QLabel* Label18 = nullptr;
  QLabel* Label20 = nullptr;
  std::array<QLabel*, 30> L_date{};
  QScrollBar* HScroll1 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label日数 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label曜日 = nullptr;
  QLabel* Label年齢 = nullptr;
  QCheckBox* Check1 = nullptr;
  norvane::DatePicker* DTPicker2 = nullptr;
  QLabel* LabelMsg1 = nullptr;
  QPushButton* 操作方法 = nullptr;
  QPushButton* Commandサービス = nullptr;
  QPushButton* Command実行 = nullptr;
  QPushButton* Command終了 = nullptr;
  QTimer* Timer1 = nullptr;

  // The chart's tooltip and accessible description (chart_readout.h).
  ChartReadout* chart_readout = nullptr;
  // The chart's day cursor and keys (chart_cursor.h).
  ChartCursor* chart_cursor = nullptr;

  // --- State shared by the handlers -------------------------------------
  norvane::Flag demo_flg = norvane::kFalse;
  norvane::Flag input_flg = norvane::kFalse;
  double demo_day = 0;  // demonstration offset from today, whole days
  QString in_yy;
  QString in_mm;
  QString in_dd;
  // The 相性 window's second birth date, held until the program ends.
  std::optional<norvane::Date> second_birth;
  // The birth date 実行 last showed the results of, and how it was entered.
  norvane::Date chart_birth;
  norvane::EntryKind chart_entry = norvane::EntryKind::Western;
  // The registered person 表示 showed that birth date for; empty for a date
  // entered by hand.
  QString chart_name;

  // --- Start-up and demonstration (main_window_startup.cpp) -----------
  void Form_Load();
  // The window's picture: flower.jpg in the current folder.
  static QString picture_path(const norvane::Services& services);
  void Timer1_Timer();

  // --- Evaluation of a birth date (main_window_evaluation.cpp) --------
  // Writes the weekday and age captions and returns the days from the
  // birth date to DTPicker2's date; nullopt when the parts name no date.
  std::optional<double> present_birth(double yyyy, double mm, std::int16_t dd);
  QString prcweek(const QString& dd) const;

  // --- Era years and the boundary check (main_window_era.cpp) ---------
  std::int16_t year_cnv(const QString& key_yy) const;
  norvane::Flag S_H_Check(std::int16_t flg);

  // --- Key entry of year, month and day (main_window_keys.cpp) -------
  // Each gets a character key before its box does; 0 discards the key.
  void Text年_KeyPress(int& KeyAscii);
  void Text月_KeyPress(int& KeyAscii);
  void Text日_KeyPress(int& KeyAscii);

  // --- Entry mode and display start date (main_window_modes.cpp) -----
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Check1_Click();

  // --- Command buttons (main_window_commands.cpp) ---------------------
  void Command終了_Click();
  // Returns once the manual window has closed.
  void 操作方法_Click();
  void Commandサービス_Click();
  // 相性 for the birth date the chart shows; nothing during the
  // demonstration or while the chart is blank.
  void 相性_Click();
  // 注意日一覧 for the chart's birth date from its first day; the same
  // conditions.
  void 注意日一覧_Click();
  // The chart on paper or in a PDF file, through the print dialog; the
  // same conditions.
  void 印刷_Click();

  // --- Registered people (main_window_people.cpp) ---------------------
  // 登録 of the chart's birth date as it was entered; the same conditions
  // as 相性.
  void 登録_Click();
  // 登録者一覧, over a blank chart too; nothing during the demonstration.
  // 表示 there puts the person into the boxes or the picker and runs 実行.
  void 登録者一覧_Click();
  void show_person(const norvane::StoredPerson& person);

  // --- The Execute command (main_window_execute.cpp) ------------------
  void Command実行_Click();

  // --- Display start scrolling (main_window_scroll.cpp) ---------------
  void HScroll1_Change();

  // The window's background picture, drawn at its top-left corner.
  void setPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return picture_; }

  norvane::Services& services() const { return services_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void create_entry_controls();
  void create_chart_controls();
  void create_result_controls();
  void set_tab_order();
  void connect_mode_handlers();
  void connect_command_handlers();
  void era_reset(const QString& letter);
  void set_accessible_texts();  // main_window_accessible.cpp
  void connect_keys();          // main_window_shortcuts.cpp

  norvane::KeyStep begin_key(norvane::DateBox box, const QLineEdit* text, const QString& field,
                             int key);
  QLineEdit* box_of(norvane::DateBox box) const;
  void end_demonstration();
  void backspace_in(norvane::DateBox box, QString& field);
  // Writes a commit text into DTPicker1, or refuses it: entry locked, the
  // key discarded, the day message where the day does not exist.
  bool commit_birth(const std::string& text, int& key);
  // The day message for a month of `month_length` days; the key is
  // discarded and entry locked. Always false.
  bool refuse_day(int month_length, int& key);

  // present_birth for the date DTPicker1 holds, cut out of its date text.
  std::optional<double> present_picker_birth();
  // present_birth for the era boxes once they are checked and copied into
  // DTPicker1; nullopt when the entry was refused and the user told so.
  std::optional<double> present_era_birth();
  void show_input_error();

  norvane::Services& services_;
  QPixmap picture_;
};
