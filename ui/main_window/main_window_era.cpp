// Era years and the Showa-Heisei boundary check of the typed date.
#include <QLineEdit>
#include <QRadioButton>

#include "era.h"
#include "main_window.h"
#include "numbers.h"
#include "services.h"

using namespace norvane;

namespace {

// The entry mode is the selected option button, never the era letter.
EraMode selected_mode(const bioForm1& form) {
  if (form.Option1->isChecked()) return EraMode::Heisei;
  if (form.Option2->isChecked()) return EraMode::Showa;
  if (form.Option3->isChecked()) return EraMode::Western;
  return EraMode::None;
}

double numeric(const QString& text) {
  return val(text.toStdString());
}

}  // namespace

std::int16_t bioForm1::year_cnv(const QString& key_yy) const {
  return western_year(selected_mode(*this), key_yy.toStdString());
}

Flag bioForm1::S_H_Check(std::int16_t flg) {
  const EraMode mode = selected_mode(*this);
  const double year = numeric(Text年->text());
  BoundaryBreach breach = BoundaryBreach::None;
  if (flg == 1) {
    // The day comes from the digits typed so far: the day box does not yet
    // hold the key being handled.
    breach = check_whole_date(mode, year, numeric(Text月->text()), numeric(in_dd));
  } else if (flg == 3) {
    breach = check_year_month(mode, year, numeric(in_mm));
  }
  if (breach == BoundaryBreach::None) return kTrue;
  services_.message_box(QString::fromStdU16String(std::u16string(boundary_message(breach))),
                        "範囲外");
  return kFalse;
}
