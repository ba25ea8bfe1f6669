// The registered people: 登録 of the chart's birth date, and 登録者一覧,
// whose 表示 enters a person as they were entered and runs 実行. The file
// is read only when a window opens and written only by the user's change.
#include <QLineEdit>
#include <QRadioButton>

#include "chart_readout.h"
#include "date_picker.h"
#include "main_window.h"
#include "name_window.h"
#include "people_store.h"
#include "people_window.h"
#include "services.h"

using namespace norvane;

void bioForm1::登録_Click() {
  if (demo_flg == kTrue || !chart_readout->shows_chart()) return;
  // The person the results describe: a scroll since 実行 may have drawn the
  // chart for a date retyped in the boxes.
  auto* window = new NameWindow(
      this, "登録", {}, services_,
      [store = PeopleStore(services_.people_dir()), birth = chart_birth, entry = chart_entry](
          const QString& name) mutable { return store.add(name, birth, entry).error; });
  window->run();
}

void bioForm1::登録者一覧_Click() {
  if (demo_flg == kTrue) return;
  PeopleStore store(services_.people_dir());
  const PeopleResult people = store.read();
  if (!people.ok()) {
    services_.message_box(people.error, "登録者一覧");
    return;
  }
  auto* window = new PeopleListWindow(this, services_, store, people.people);
  window->run();
  if (window->chosen()) show_person(*window->chosen());
}

void bioForm1::show_person(const StoredPerson& person) {
  if (person.entry == EntryKind::Western) {
    Option3->setChecked(true);
    DTPicker1->setValue(person.birth);
  } else {
    QRadioButton* option = person.entry == EntryKind::Heisei ? Option1 : Option2;
    // Selecting the option clears the boxes, as a click on it does.
    if (option->isChecked()) {
      option->click();
    } else {
      option->setChecked(true);
    }
    const EraFields fields = era_fields(person.birth, person.entry);
    Text年->setText(QString::fromStdString(fields.year));
    Text月->setText(QString::fromStdString(fields.month));
    Text日->setText(QString::fromStdString(fields.day));
  }
  Command実行_Click();
  if (chart_readout->shows_chart() && chart_birth == person.birth) chart_name = person.name;
}
