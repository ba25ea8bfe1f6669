// The people's file through the changes a user makes: what is read back,
// what another program's changes leave, and every fault leaving the file
// as it was.
#include <sys/resource.h>
#include <sys/stat.h>
#include <QLockFile>
#include <QSysInfo>
#include <QtTest>
#include <csignal>

#include "people_store.h"

using namespace norvane;

namespace {

QByteArray people_json(int count) {
  QByteArray entries;
  for (int i = 0; i < count; ++i) {
    entries += QString(R"(%1{"id":"p%2","name":"人%2","birth":"1988-05-12","entry":"W"})")
                   .arg(i ? "," : "")
                   .arg(i)
                   .toUtf8();
  }
  return R"({"format":1,"people":[)" + entries + "]}";
}

const QByteArray kOne =
    R"({"format":1,"people":[{"id":"a","name":"太郎","birth":"1960-01-02","entry":"S"}]})";

// "name|year|letter" for each person, or how many for a long list; then
// the error, if any.
QString outcome(const PeopleResult& r) {
  QStringList rows;
  for (const StoredPerson& p : r.people) {
    rows << p.name + "|" + QString::number(year_of(p.birth)) + "|" + entry_letter(p.entry);
  }
  const QString list = rows.size() > 5 ? QString::number(rows.size()) + "人" : rows.join(',');
  return list + (r.ok() ? "" : " !" + r.error);
}

int mode_of(const QString& path) {
  struct stat st {};
  stat(QFile::encodeName(path).constData(), &st);
  return int(st.st_mode & 0777);
}

}  // namespace

class TestPeopleStore : public QObject {
  Q_OBJECT
 private slots:
  void changes_data() {
    QTest::addColumn<QByteArray>("file");  // its bytes, or "dir", "fifo", "none"
    QTest::addColumn<QString>("setup");    // "", "held", "stale", "full", "under-file"
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("seen");  // outcome of each; " !" then part of the error
    QTest::addColumn<QStringList>("kept");  // found in the file afterwards
    const QStringList damaged{"read", "add 花子"};
    const QStringList refused{" !壊れています", " !別の場所へ移すと"};

    QTest::newRow("round trip") << QByteArray("none") << ""
                                << QStringList{"add  花子 ", "add 一郎", "rename 花子 ハナ",
                                               "remove 一郎", "read"}
                                << QStringList{"花子|1988|S", "一郎|1988|S,花子|1988|S",
                                               "ハナ|1988|S,一郎|1988|S", "ハナ|1988|S",
                                               "ハナ|1988|S"}
                                << QStringList{R"("birth": "1988-05-12")", R"("entry": "S")"};
    QTest::newRow("refused names")
        << kOne << ""
        << QStringList{"add  ",    "add " + QString(41, QChar(u'あ')), "add a\tb",
                       "add 太郎", "add " + QString(40, QChar(u'あ')), "rename 太郎 太郎"}
        << QStringList{"太郎|1960|S !名前を入力",
                       "太郎|1960|S !40 文字まで",
                       "太郎|1960|S !制御文字",
                       "太郎|1960|S !すでに登録",
                       QString(40, QChar(u'あ')) + "|1988|S,太郎|1960|S",
                       QString(40, QChar(u'あ')) + "|1988|S,太郎|1960|S"}
        << QStringList();
    QTest::newRow("unknown fields and unusable entries kept")
        << QByteArray(R"({"format":1,"later":{"x":1},"people":[5,)"
                      R"({"id":"b","name":"","birth":"1990-01-01","entry":"W"},)"
                      R"({"id":"c","name":"月","birth":"1988-02-30","entry":"W"},)"
                      R"({"id":"d","name":"星","birth":"1988-05-12","entry":"H"},)"
                      R"({"id":"a","name":"太郎","birth":"1960-01-02","entry":"S","note":"n"}]})")
        << "" << QStringList{"read", "rename 太郎 次郎", "add 月"}
        << QStringList{"太郎|1960|S", "次郎|1960|S", "月|1988|S,次郎|1960|S"}
        << QStringList{R"("later")", R"("note": "n")", "1988-02-30", R"("name": "")",
                       R"("id": "d")"};
    QTest::newRow("two programs in turn")
        << kOne << "" << QStringList{"other add 花子", "add 一郎", "other remove 太郎", "read"}
        << QStringList{"太郎|1960|S,花子|1988|S", "一郎|1988|S,太郎|1960|S,花子|1988|S",
                       "一郎|1988|S,花子|1988|S", "一郎|1988|S,花子|1988|S"}
        << QStringList();
    QTest::newRow("renamed after the other removed")
        << kOne << "" << QStringList{"other remove 太郎", "rename 太郎 次郎"}
        << QStringList{"", " !ほかの Norvane で削除"} << QStringList();
    // Each left exactly as it was.
    for (const QByteArray& bytes :
         {QByteArray(R"({"format":1,)"), QByteArray(R"({"format":2,"people":[]})"),
          QByteArray(R"({"format":"1","people":[]})"), QByteArray(R"({"format":1,"people":{}})"),
          QByteArray(R"([1])"), people_json(1).append(PeopleStore::kMaxFileBytes, ' ')}) {
      QTest::newRow(bytes.left(30).constData())
          << bytes << "" << damaged << refused << QStringList{QString::fromUtf8(bytes)};
    }
    QTest::newRow("a folder") << QByteArray("dir") << "" << damaged
                              << QStringList{" !通常のファイルではありません", " !通常のファイル"}
                              << QStringList();
    QTest::newRow("a FIFO") << QByteArray("fifo") << "" << damaged
                            << QStringList{" !通常のファイルではありません", " !通常のファイル"}
                            << QStringList();
    QTest::newRow("folder under a regular file")
        << QByteArray("none") << "under-file" << QStringList{"add 花子", "read"}
        << QStringList{" !フォルダを作れません", ""} << QStringList();
    QTest::newRow("disk full") << kOne << "full" << QStringList{"add 花子", "read"}
                               << QStringList{"太郎|1960|S !書き込めませんでした", "太郎|1960|S"}
                               << QStringList{kOne};
    QTest::newRow("lock held") << kOne << "held" << QStringList{"add 花子", "read"}
                               << QStringList{" !ほかの Norvane が使っています", "太郎|1960|S"}
                               << QStringList{kOne};
    QTest::newRow("stale lock taken over")
        << kOne << "stale" << QStringList{"add 花子"} << QStringList{"太郎|1960|S,花子|1988|S"}
        << QStringList();
    QTest::newRow("the 1001st refused")
        << people_json(1000) << "" << QStringList{"add 花子", "remove p7", "add 花子"}
        << QStringList{"1000人 !1000 人まで", "999人", "1000人"} << QStringList{"花子"};
  }

  void changes() {
    QFETCH(QByteArray, file);
    QFETCH(QString, setup);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, seen);
    QFETCH(QStringList, kept);
    QTemporaryDir tmp;
    QString dir = tmp.path() + "/norvane";
    QDir().mkpath(dir);
    if (setup == "under-file") {
      QFile blocker(tmp.path() + "/blocker");
      QVERIFY(blocker.open(QIODevice::WriteOnly));
      dir = blocker.fileName() + "/norvane";
    }
    PeopleStore store(dir, 100);
    PeopleStore other(dir, 100);
    const QString path = store.path();
    if (file == "dir") {
      QDir().mkpath(path);
    } else if (file == "fifo") {
      QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (file != "none") {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(file);
    }
    QLockFile held(path + ".lock");
    if (setup == "held") QVERIFY(held.tryLock());
    if (setup == "stale") {
      // A program that died with the lock: a pid that runs nothing.
      QFile lock(path + ".lock");
      QVERIFY(lock.open(QIODevice::WriteOnly));
      lock.write("4194000\nnorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    if (setup == "full") {
      // Room for the lock, not for the file grown: as root too, writing fails.
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit full = before;
      full.rlim_cur = file.size() + 20;
      QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    }

    QStringList got;
    for (const QString& step : steps) {
      QStringList words = step.split(' ');
      PeopleStore& s = words[0] == "other" ? other : store;
      const QString name = step.section(' ', words[0] == "other" ? 2 : 1);
      if (words[0] == "other") words.removeFirst();
      // The id of a person named in the step, as the list shows it.
      const auto id_of = [&](const QString& name) {
        for (const StoredPerson& p : s.read().people)
          if (p.name == name) return p.id;
        return name;
      };
      const Date birth =
          words.value(1) == "太郎" ? *date_serial(1960, 1, 2) : *date_serial(1988, 5, 12);
      if (words[0] == "read") got << outcome(s.read());
      if (words[0] == "add") got << outcome(s.add(name, birth, EntryKind::Showa));
      if (words[0] == "rename") got << outcome(s.rename(id_of(words[1]), words[2]));
      if (words[0] == "remove") got << outcome(s.remove(id_of(words[1])));
    }
    setrlimit(RLIMIT_FSIZE, &before);

    QCOMPARE(got.size(), seen.size());
    for (int i = 0; i < seen.size(); ++i) {
      QCOMPARE(got[i].section(" !", 0, 0), seen[i].section(" !", 0, 0));
      QVERIFY2(got[i].section(" !", 1).contains(seen[i].section(" !", 1)), qPrintable(got[i]));
    }
    const QFileInfo info(path);
    QByteArray after;
    if (info.isFile()) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::ReadOnly));
      after = f.readAll();
    }
    for (const QString& k : kept) QVERIFY2(after.contains(k.toUtf8()), qPrintable(k.left(40)));
    QVERIFY(!QFileInfo::exists(path + ".lock") || setup == "held");
    // Birth dates are personal: a file written is its owner's alone.
    if (info.isFile() && after != file) {
      QCOMPARE(mode_of(path), 0600);
      QCOMPARE(mode_of(dir), 0700);
    }
  }
};

QTEST_MAIN(TestPeopleStore)
#include "tst_people_store.moc"
