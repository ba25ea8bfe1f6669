#include "people_store.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>
#include <cerrno>

#include "qt_date.h"
#include "saved_file.h"

namespace norvane {

namespace {

const QString kFileName = QStringLiteral("people.json");
constexpr int kFormat = 1;

struct Loaded {
  QJsonObject root;
  QList<StoredPerson> people;
  QString error;
};

std::optional<StoredPerson> usable(const QJsonValue& value) {
  const QJsonObject o = value.toObject();
  const QString id = o.value("id").toString();
  const QString name = o.value("name").toString();
  const QString birth = o.value("birth").toString();
  const std::optional<EntryKind> entry = entry_of_letter(o.value("entry").toString().toStdString());
  static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
  const QDate date = QDate::fromString(birth, Qt::ISODate);
  if (id.isEmpty() || !entry || !iso.match(birth).hasMatch() || !date.isValid() ||
      name != name.trimmed() || check_name(name.toStdU16String()) != NameCheck::Ok) {
    return std::nullopt;
  }
  StoredPerson p{id, name, from_qdate(date), *entry};
  if (!entry_fits(p.birth, p.entry)) return std::nullopt;
  return p;
}

QList<StoredPerson> usable_people(const QJsonArray& entries) {
  QList<StoredPerson> people;
  for (const auto& v : entries)
    if (std::optional<StoredPerson> p = usable(v)) people.append(std::move(*p));
  // As the user's language sorts names: かな in 五十音 order, not by code
  // units. The keys are made once, each compared many times.
  const QCollator collator;
  std::vector<std::pair<QCollatorSortKey, StoredPerson>> keyed;
  keyed.reserve(people.size());
  for (StoredPerson& p : people) keyed.emplace_back(collator.sortKey(p.name), std::move(p));
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
  people.clear();
  for (auto& [key, p] : keyed) people.append(std::move(p));
  return people;
}

// `why` tells what is wrong with it: "壊れています（…）".
QString damaged(const QString& path, const QString& why) {
  return QString(
             "登録者のファイル %1 は%2。\r"
             "このファイルには書き込みません。別の場所へ移すと、新しく登録できます。")
      .arg(QDir::toNativeSeparators(path), why);
}

QString not_written(const QString& path, const QString& why) {
  return QString(
             "登録者のファイル %1 に書き込めませんでした（%2）。\r"
             "ファイルは元のままです。")
      .arg(QDir::toNativeSeparators(path), why);
}

Loaded load(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) {
    return {QJsonObject{{"format", kFormat}, {"people", QJsonArray()}}, {}, {}};
  }
  // A folder or a FIFO is never opened: reading a FIFO would wait forever.
  if (!info.isFile()) return {{}, {}, damaged(path, "通常のファイルではありません")};
  if (info.size() > PeopleStore::kMaxFileBytes) {
    return {{}, {}, damaged(path, "壊れています（1 MiB を超えています）")};
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {{}, {}, damaged(path, "読めません（" + file.errorString() + "）")};
  }
  const QByteArray bytes = file.read(PeopleStore::kMaxFileBytes + 1);
  if (bytes.size() > PeopleStore::kMaxFileBytes) {
    return {{}, {}, damaged(path, "壊れています（1 MiB を超えています）")};
  }
  QJsonParseError parse{};
  const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
  if (parse.error != QJsonParseError::NoError) {
    return {{},
            {},
            damaged(path, "壊れています（JSON として読めません: " + parse.errorString() + "）")};
  }
  const QJsonObject root = doc.object();
  const QJsonValue format = root.value("format");
  if (!doc.isObject() || !format.isDouble() || !root.value("people").isArray()) {
    return {{}, {}, damaged(path, "壊れています（項目の型が違います）")};
  }
  if (format.toDouble() != kFormat) {
    return {{},
            {},
            damaged(path, QString("壊れています（知らない形式 %1 です）").arg(format.toDouble()))};
  }
  return {root, usable_people(root.value("people").toArray()), {}};
}

QString write(const QString& path, const QJsonObject& root) {
  const QString why = save_whole(path, QJsonDocument(root).toJson(QJsonDocument::Indented),
                                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return why.isEmpty() ? QString() : not_written(path, why);
}

// Why a trimmed name cannot be kept; empty when it can.
QString name_error(const QString& name, const QList<StoredPerson>& people,
                   const QString& own_id = {}) {
  switch (check_name(name.toStdU16String())) {
    case NameCheck::Empty:
      return "名前を入力してください。";
    case NameCheck::TooLong:
      return QString("名前は %1 文字までです。").arg(kMaxNameLength);
    case NameCheck::ControlCharacter:
      return "名前に制御文字（改行やタブなど）は使えません。";
    case NameCheck::Ok:
      break;
  }
  for (const StoredPerson& p : people)
    if (p.name == name && p.id != own_id) return "「" + name + "」はすでに登録されています。";
  return {};
}

qsizetype index_of(const QJsonArray& entries, const QString& id) {
  for (qsizetype i = 0; i < entries.size(); ++i)
    if (entries[i].toObject().value("id").toString() == id) return i;
  return -1;
}

// Another program removed the person since the list was read.
QString gone() {
  return "この人は一覧にありません。ほかの Norvane で削除されたようです。";
}

}  // namespace

PeopleStore::PeopleStore(QString dir, int lock_wait_ms)
    : dir_(std::move(dir)), lock_wait_ms_(lock_wait_ms) {}

QString PeopleStore::default_dir() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/norvane";
}

QString PeopleStore::path() const {
  return dir_ + '/' + kFileName;
}

PeopleResult PeopleStore::read() const {
  Loaded loaded = load(path());
  return {std::move(loaded.people), std::move(loaded.error)};
}

PeopleResult PeopleStore::change(const Change& apply) {
  const QString file = path();
  if (!QDir().mkpath(dir_)) return {{}, not_written(file, "フォルダを作れません")};
  // Birth dates are personal.
  QFile::setPermissions(dir_,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QLockFile lock(file + ".lock");
  errno = 0;
  if (!lock.tryLock(lock_wait_ms_)) {
    const QString why = write_failure_reason(errno);
    if (lock.error() == QLockFile::LockFailedError) {
      return {{},
              QString("登録者のファイル %1 はほかの Norvane が使っています。\r"
                      "しばらくしてからやり直してください。")
                  .arg(QDir::toNativeSeparators(file))};
    }
    return {{}, not_written(file, why.isEmpty() ? "ロックファイルを作れません" : why)};
  }
  Loaded now = load(file);
  if (!now.error.isEmpty()) return {{}, now.error};
  QJsonArray entries = now.root.value("people").toArray();
  if (const QString refused = apply(entries, now.people); !refused.isEmpty()) {
    return {now.people, refused};
  }
  now.root.insert("people", entries);
  if (const QString failed = write(file, now.root); !failed.isEmpty()) return {now.people, failed};
  return {usable_people(entries), {}};
}

PeopleResult PeopleStore::add(const QString& name_typed, Date birth, EntryKind entry) {
  const QString name = name_typed.trimmed();
  return change([&](QJsonArray& entries, const QList<StoredPerson>& people) -> QString {
    if (QString why = name_error(name, people); !why.isEmpty()) return why;
    if (people.size() >= kMaxPeople) {
      return QString("登録できるのは %1 人までです。").arg(kMaxPeople);
    }
    // Never write what read() would leave out: a person no one could see.
    if (!entry_fits(birth, entry)) {
      const char* era = entry == EntryKind::Heisei  ? "平成"
                        : entry == EntryKind::Showa ? "昭和"
                                                    : "西暦";
      return QString("この生年月日は登録できません（%1の範囲外です）。").arg(era);
    }
    entries.append(QJsonObject{{"id", QUuid::createUuid().toString(QUuid::WithoutBraces)},
                               {"name", name},
                               {"birth", to_qdate(birth).toString(Qt::ISODate)},
                               {"entry", QString(QChar(entry_letter(entry)))}});
    return {};
  });
}

PeopleResult PeopleStore::rename(const QString& id, const QString& name_typed) {
  const QString name = name_typed.trimmed();
  return change([&](QJsonArray& entries, const QList<StoredPerson>& people) -> QString {
    if (QString why = name_error(name, people, id); !why.isEmpty()) return why;
    const qsizetype i = index_of(entries, id);
    if (i < 0) return gone();
    QJsonObject o = entries[i].toObject();
    o.insert("name", name);
    entries[i] = o;
    return {};
  });
}

PeopleResult PeopleStore::remove(const QString& id) {
  return change([&](QJsonArray& entries, const QList<StoredPerson>& /*people*/) -> QString {
    const qsizetype i = index_of(entries, id);
    if (i < 0) return gone();
    entries.removeAt(i);
    return {};
  });
}

}  // namespace norvane
