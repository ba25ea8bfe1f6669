#pragma once
// The registered people, kept in one JSON file. Every change is one step
// under a lock: the file read as it is now, the one change applied, the
// whole written through QSaveFile, so two running programs lose nothing
// and a failed write leaves the old file whole. What the program does not
// know (fields, entries, unusable people) is written back as it was.
#include <QJsonArray>
#include <QList>
#include <QString>
#include <functional>

#include "date.h"
#include "person.h"

namespace norvane {

struct StoredPerson {
  QString id;
  QString name;
  Date birth;
  EntryKind entry = EntryKind::Western;
};

struct PeopleResult {
  QList<StoredPerson> people;  // usable ones, sorted by name
  QString error;               // for a message box, naming the file; empty on success
  bool ok() const { return error.isEmpty(); }
};

class PeopleStore {
 public:
  static constexpr int kMaxPeople = 1000;
  static constexpr qint64 kMaxFileBytes = qint64(1024) * 1024;

  // The file is `dir`/people.json; a change waits at most `lock_wait_ms`
  // for another program's lock.
  explicit PeopleStore(QString dir, int lock_wait_ms = 3000);

  // $XDG_DATA_HOME/norvane, or its platform's equivalent.
  static QString default_dir();
  QString path() const;

  // Reads without the lock: a write replaces the file whole.
  PeopleResult read() const;
  // Each takes the name as typed, trimmed here. On failure the result holds
  // the list as read before it.
  PeopleResult add(const QString& name_typed, Date birth, EntryKind entry);
  PeopleResult rename(const QString& id, const QString& name_typed);
  PeopleResult remove(const QString& id);

 private:
  using Change = std::function<QString(QJsonArray&, const QList<StoredPerson>&)>;
  PeopleResult change(const Change& apply);

  QString dir_;
  int lock_wait_ms_;
};

}  // namespace norvane
