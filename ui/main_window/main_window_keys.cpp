// Key entry of the birth date in the year, month and day boxes. The rules
// live in core's key_entry.h; each handler applies them to its box.
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "date_picker.h"
#include "drawing_box.h"
#include "key_entry.h"
#include "main_window.h"
#include "numbers.h"
#include "services.h"

using namespace norvane;

namespace {

std::string ascii(const QString& field) {
  return field.toStdString();
}

}  // namespace

KeyStep bioForm1::begin_key(DateBox box, const QLineEdit* text, const QString& field, int key) {
  const KeyStep step =
      key_step({box, key, demo_flg == kTrue, input_flg == kTrue,
                Option1->isChecked() || Option2->isChecked(), static_cast<int>(text->text().size()),
                static_cast<int>(field.size())});
  if (step != KeyStep::EndDemonstration) box_of(box)->setMaxLength(2);
  return step;
}

QLineEdit* bioForm1::box_of(DateBox box) const {
  switch (box) {
    case DateBox::Year:
      return Text年;
    case DateBox::Month:
      return Text月;
    case DateBox::Day:
      break;
  }
  return Text日;
}

void bioForm1::end_demonstration() {
  Timer1->stop();
  // Hiding the chart box forgets its drawing: the last tick's chart goes.
  sinPicture1->setVisible(false);
  Text年->clear();
  sinPicture1->setVisible(true);
  demo_flg = kFalse;
  DTPicker2->setValue(services_.today());
}

void bioForm1::backspace_in(DateBox box, QString& field) {
  const BackspaceOutcome outcome = backspace(box, ascii(field));
  field = QString::fromStdString(outcome.field);
  if (outcome.focus) box_of(*outcome.focus)->setFocus();
  input_flg = kTrue;
}

bool bioForm1::commit_birth(const std::string& text, int& key) {
  const CommitVerdict verdict = check_commit(text);
  if (verdict.check == CommitCheck::Accepted) {
    DTPicker1->setValue(verdict.date);
    return true;
  }
  if (verdict.check == CommitCheck::NoSuchDay) return refuse_day(verdict.month_length, key);
  key = 0;
  input_flg = kFalse;
  return false;
}

bool bioForm1::refuse_day(int month_length, int& key) {
  services_.message_box(QString::fromStdU16String(day_message(month_length)), "範囲外");
  key = 0;
  input_flg = kFalse;
  return false;
}

void bioForm1::Text年_KeyPress(int& KeyAscii) {
  switch (begin_key(DateBox::Year, Text年, in_yy, KeyAscii)) {
    case KeyStep::EndDemonstration:
      end_demonstration();
      KeyAscii = 0;
      return;
    case KeyStep::Backspace:
      return backspace_in(DateBox::Year, in_yy);
    case KeyStep::StartField:
      in_yy = QChar(KeyAscii);
      return;
    case KeyStep::CompleteField: {
      in_yy += QChar(KeyAscii);
      const std::int16_t w = year_cnv(in_yy);
      if (w == 0) {
        input_flg = kFalse;  // the digit stays in the box
        return;
      }
      if (commit_birth(year_commit(DTPicker1->ValueText(), w), KeyAscii)) Text月->setFocus();
      return;
    }
    case KeyStep::Enter:
      KeyAscii = 0;
      if (enter_commits(DateBox::Year, ascii(in_yy)) &&
          commit_birth(year_commit(DTPicker1->ValueText(), year_cnv(in_yy)), KeyAscii)) {
        Text月->setFocus();
      }
      return;
    case KeyStep::Overlong:
      input_flg = kFalse;
      return;
    case KeyStep::Discard:
    case KeyStep::Pass:
      return;
  }
}

void bioForm1::Text月_KeyPress(int& KeyAscii) {
  const auto commit_month = [&] {
    if (commit_birth(month_commit(DTPicker1->ValueText(), ascii(in_mm)), KeyAscii)) {
      Text日->setFocus();
    }
  };
  switch (begin_key(DateBox::Month, Text月, in_mm, KeyAscii)) {
    case KeyStep::Backspace:
      return backspace_in(DateBox::Month, in_mm);
    case KeyStep::StartField:
      in_mm = QChar(KeyAscii);
      return;
    case KeyStep::CompleteField:
      in_mm += QChar(KeyAscii);
      if (!month_in_range(ascii(in_mm)) || S_H_Check(3) == kFalse) {
        input_flg = kFalse;
        return;
      }
      commit_month();
      return;
    case KeyStep::Enter:
      if (!enter_commits(DateBox::Month, ascii(in_mm))) return;
      if (S_H_Check(3) == kFalse) {
        input_flg = kFalse;
        return;
      }
      KeyAscii = 0;
      commit_month();
      return;
    case KeyStep::Overlong:
      input_flg = kFalse;
      return;
    case KeyStep::EndDemonstration:  // the year box's alone
    case KeyStep::Discard:
    case KeyStep::Pass:
      return;
  }
}

void bioForm1::Text日_KeyPress(int& KeyAscii) {
  switch (begin_key(DateBox::Day, Text日, in_dd, KeyAscii)) {
    case KeyStep::Backspace:
      return backspace_in(DateBox::Day, in_dd);
    case KeyStep::StartField:
      in_dd = QChar(KeyAscii);
      return;
    case KeyStep::CompleteField: {
      in_dd += QChar(KeyAscii);
      const double day = val(ascii(in_dd));
      // The month's length comes from the boxes, the commit keeps the
      // picker's year and month; check_commit catches where they differ.
      const int month = to_int16(val(ascii(Text月->text()))).value_or(0);
      const std::optional<int> length = month_length(year_cnv(Text年->text()), month);
      if (length && day > *length) {
        refuse_day(*length, KeyAscii);
        return;
      }
      if (S_H_Check(1) == kFalse) {
        input_flg = kFalse;
        return;
      }
      commit_birth(day_commit(DTPicker1->ValueText(), day), KeyAscii);
      return;
    }
    case KeyStep::Enter:
      if (!enter_commits(DateBox::Day, ascii(in_dd))) return;
      if (S_H_Check(1) == kFalse) {
        input_flg = kFalse;
        return;
      }
      KeyAscii = 0;
      if (commit_birth(day_commit(DTPicker1->ValueText(), ascii(in_dd)), KeyAscii)) {
        Text年->setFocus();
      }
      return;
    case KeyStep::Overlong:
      input_flg = kFalse;
      return;
    case KeyStep::Discard:
      KeyAscii = 0;
      return;
    case KeyStep::EndDemonstration:
    case KeyStep::Pass:
      return;
  }
}
