// The entry mode chosen with the option buttons, and the check box that
// frees the display start date.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

#include "date_picker.h"
#include "main_window.h"

using namespace norvane;

namespace {

// An option button's Click runs on every user click, also on one that
// finds it already selected, and whenever code selects it; never when code
// sets the value it already has. Qt tells a change by toggled, which comes
// before clicked; a click without a change by clicked alone.
void connect_option(bioForm1* form, QRadioButton* option, void (bioForm1::*handler)()) {
  auto selected_at_press = std::make_shared<bool>(false);
  QObject::connect(option, &QAbstractButton::pressed, form,
                   [option, selected_at_press] { *selected_at_press = option->isChecked(); });
  QObject::connect(option, &QAbstractButton::toggled, form, [form, handler](bool on) {
    if (on) (form->*handler)();
  });
  QObject::connect(option, &QAbstractButton::clicked, form, [form, handler, selected_at_press] {
    if (*selected_at_press) (form->*handler)();
  });
}

}  // namespace

void bioForm1::connect_mode_handlers() {
  connect_option(this, Option1, &bioForm1::Option1_Click);
  connect_option(this, Option2, &bioForm1::Option2_Click);
  connect_option(this, Option3, &bioForm1::Option3_Click);
  // A check box changes its value at every click, so a change is a click.
  connect(Check1, &QCheckBox::toggled, this, &bioForm1::Check1_Click);
}

void bioForm1::Option1_Click() {
  era_reset("Ｈ");
}

void bioForm1::Option2_Click() {
  era_reset("Ｓ");
}

void bioForm1::era_reset(const QString& letter) {
  Label年号->setText(letter);
  in_yy.clear();
  in_mm.clear();
  in_dd.clear();
  input_flg = kTrue;
  Text年->clear();
  Text月->clear();
  Text日->clear();
  Text年->setFocus();
  DTPicker1->setEnabled(false);
}

// Leaves the boxes and their digits as they are.
void bioForm1::Option3_Click() {
  DTPicker1->setEnabled(true);
  Label年号->setText("");
}

void bioForm1::Check1_Click() {
  DTPicker2->setEnabled(Check1->checkState() != Qt::Unchecked);
}
