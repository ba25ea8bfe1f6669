// The command buttons other than 実行.
#include <QPushButton>

#include "calendar_file.h"
#include "caution_window.h"
#include "chart_print.h"
#include "chart_readout.h"
#include "compatibility_window.h"
#include "main_window.h"
#include "manual_window.h"
#include "people_store.h"
#include "printed_page.h"
#include "services.h"

using namespace norvane;

void bioForm1::connect_command_handlers() {
  connect(Command終了, &QPushButton::clicked, this, &bioForm1::Command終了_Click);
  connect(操作方法, &QPushButton::clicked, this, &bioForm1::操作方法_Click);
  connect(Commandサービス, &QPushButton::clicked, this, &bioForm1::Commandサービス_Click);
}

void bioForm1::Command終了_Click() {
  if (demo_flg == kTrue) return;
  services_.end_program();
}

void bioForm1::操作方法_Click() {
  if (demo_flg == kTrue) return;
  // A fresh window every time, so the file is read anew; it is gone once
  // it has closed.
  Manual manual(*this);
  if (manual.Form_Load()) manual.exec();
}

// The button has no function.
void bioForm1::Commandサービス_Click() {}

void bioForm1::相性_Click() {
  if (demo_flg == kTrue || !chart_readout->shows_chart()) return;
  const Date first = chart_readout->birth();
  const PeopleResult people = PeopleStore(services_.people_dir()).read();
  if (!people.ok()) services_.message_box(people.error, "相性");
  auto* window = new CompatibilityWindow(this, first, chart_readout->start(),
                                         second_birth.value_or(first), people.people);
  window->run();
  second_birth = window->second_birth();
}

void bioForm1::注意日一覧_Click() {
  if (demo_flg == kTrue || !chart_readout->shows_chart()) return;
  auto* window =
      new CautionListWindow(this, services_, chart_readout->birth(), chart_readout->start(),
                            chart_readout->birth() == chart_birth ? chart_name : QString());
  window->run();
}

void bioForm1::印刷_Click() {
  if (demo_flg == kTrue || !chart_readout->shows_chart()) return;
  // The name a PDF file is offered under: the person the results describe.
  const auto printer =
      a4_printer(QString("バイオリズム-%1").arg(QString::fromStdString(basic_date(chart_birth))),
                 services_.documents_dir());
  if (!services_.choose_printer(this, printer)) return;
  if (const QString why = print_chart(*printer, *this); !why.isEmpty()) {
    services_.message_box(why, "印刷");
  }
}
