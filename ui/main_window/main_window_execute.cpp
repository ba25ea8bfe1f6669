// The Execute command: the entered birth date checked, the days lived and
// the cycle note shown, and the chart drawn from the display start date.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "biorhythm.h"
#include "biorythm.h"
#include "chart_accessible.h"
#include "chart_readout.h"
#include "date_picker.h"
#include "date_text.h"
#include "drawing_box.h"
#include "main_window.h"
#include "numbers.h"
#include "services.h"

using namespace norvane;

void bioForm1::Command実行_Click() {
  if (demo_flg == kTrue) return;

  sinPicture1->Scale({0, kChartTop}, {kChartRight, 0});
  DTPicker2->setEnabled(false);
  Check1->setChecked(false);

  std::optional<double> days;
  if (Option1->isChecked() || Option2->isChecked()) {
    days = present_era_birth();
  } else if (Option3->isChecked()) {
    days = present_picker_birth();
  }
  // On the birth date itself or before it there is nothing to show yet.
  if (!days || *days < 1) return;

  const Date start = DTPicker2->Value();
  Label日数->setText(QString::fromStdString(str_signed(*days)) + "日です。");
  // Both paths have left the birth date in DTPicker1. A birth from 9942 on
  // completes its cycle after 9999, which a Date still holds.
  const Date cycle_end = add_days(DTPicker1->Value(), FULL_CYCLE_DAYS);
  const QString note = *days > FULL_CYCLE_DAYS
                           ? "をもって既に一周してますので無理をしないで体を労わってください。"
                           : "をもって一周しますので,その後は無理をしないで体を労わってください。";
  LabelMsg1->setText(QString::fromStdString(to_date_text(cycle_end)) + note);
  const QString results = Label1->text() + Label日数->text() + Label10->text() + Label曜日->text() +
                          Label年齢->text() + LabelMsg1->text();
  chart_readout->set_results(results);

  chart_birth = DTPicker1->Value();
  chart_name.clear();
  chart_entry = Option1->isChecked()   ? EntryKind::Heisei
                : Option2->isChecked() ? EntryKind::Showa
                                       : EntryKind::Western;
  Biorythm::draw_biorhythm(*this, *days, start);
  announce_to_screen_reader(this, results);
}

std::optional<double> bioForm1::present_era_birth() {
  const QString yy = Text年->text();
  const QString mm = Text月->text();
  const QString dd = Text日->text();
  // Before any conversion: an empty box never reaches year_cnv.
  if (yy.isEmpty() || mm.isEmpty() || dd.isEmpty()) {
    show_input_error();
    return std::nullopt;
  }
  const std::int16_t year = year_cnv(yy);
  if (year == 0) {
    show_input_error();
    return std::nullopt;
  }
  if (S_H_Check(1) == kFalse) return std::nullopt;  // it has said why

  // Each box reads as its leading number, as the key entry reads it ("2x"
  // is month 2). Keys typed while entry was locked reach the boxes
  // unchecked, so they can name a month 13, a 31 April or a number past 16
  // bits: refuse such an entry before the picker is touched.
  const std::optional<std::int16_t> month = to_int16(val(mm.toStdString()));
  const std::optional<std::int16_t> day = to_int16(val(dd.toStdString()));
  if (!month || !day || *month < 1 || *day < 1 ||
      !DTPicker1->setValueText(str_signed(year) + str_signed(*month) + str_signed(*day))) {
    show_input_error();
    return std::nullopt;
  }
  const std::optional<double> days = present_birth(year, *month, *day);
  if (!days) show_input_error();
  return days;
}

void bioForm1::show_input_error() {
  services_.message_box(QString("生年月日の入力を") + QChar('\r') + "確認してください。", "範囲外");
}
