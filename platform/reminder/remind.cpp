#include "remind.h"

#include "caution.h"
#include "notifications.h"
#include "people_store.h"

namespace norvane {

int run_reminder(const PeopleStore& store, Date today, const Notifications& notifications,
                 QString& error) {
  error = notifications.unavailable();
  if (!error.isEmpty()) return 1;
  QList<std::pair<QString, QString>> reminders;
  const PeopleResult people = store.read();
  if (!people.ok()) {
    // The store's message names the file; a notification has no carriage
    // returns.
    QString body = people.error;
    reminders.append({"注意日を知らせられません", body.replace('\r', '\n')});
  }
  for (const StoredPerson& p : people.people) {
    if (const auto line = reminder_line(p.birth, today)) {
      reminders.append({"注意日　" + p.name, QString::fromStdU16String(*line)});
    }
  }
  error = notifications.notify(reminders);
  return error.isEmpty() ? 0 : 1;
}

}  // namespace norvane
