// The people's file through the changes a user makes: what is read back,
// what another program's changes leave, and every fault leaving the file
// as it was.
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <QLockFile>
#include <QSysInfo>
#include <QtTest>
#include <csignal>

#include "people_store.h"

using namespace norvane;

namespace {

QByteArray people_json(int count, const QByteArray& first = {}) {
  QByteArray entries = first;
  for (int i = 0; i < count; ++i) {
    entries +=
        (entries.isEmpty() ? "" : ",") +
        QString(R"({"id":"p%1","name":"人%1","birth":"1960-01-02","entry":"S"})").arg(i).toUtf8();
  }
  return R"({"format":1,"people":[)" + entries + "]}";
}

int mode_of(const QString& path) {
  struct stat st = {};
  stat(QFile::encodeName(path).constData(), &st);
  return int(st.st_mode & 0777);
}

}  // namespace

class TestPeopleStore : public QObject {
  Q_OBJECT
 private slots:
  void changes_data() {
    QTest::addColumn<QByteArray>("file");  // its bytes, "dir", "fifo" or none
    // "held", "stale", "full", "under-file"; "no-space" and "read-only" on a
    // file system of the test's own (unshare -m -r)
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("steps");  // "other" before a step: a second store's
    QTest::addColumn<QString>("seen");   // a pattern: each outcome, then ";"
    const QByteArray one = people_json(1);
    QTest::newRow("round trip") << QByteArray() << ""
                                << "add  花子 ;add 一郎;rename 花子 ハナ;remove 一郎;read"
                                << "^花子:1988:S;一郎:1988:S,花子:1988:S;ハナ:1988:S,一郎:1988:S;"
                                   "ハナ:1988:S;ハナ:1988:S;$";
    QTest::newRow("unknown fields and unusable entries kept")
        << people_json(1, R"(5,{"id":"b","name":"","birth":"1990-01-01","entry":"W"},)"
                          R"({"id":"c","name":"月","birth":"1988-02-30","entry":"W"},)"
                          R"({"id":"d","name":"星","birth":"1988-05-12","entry":"H"})")
               .replace("\"format\"", R"("later":{"x":1},"format")")
               .replace("\"S\"}]", R"("S","note":"n"}])")
        << ""
        << "read;rename 人0 次郎;file"
        << R"(^人0:1960:S;次郎:1960:S;.*"later".*"name": "".*1988-02-30.*"id": "d".*"note": "n")";
    QTest::newRow("two programs in turn")
        << one << ""
        << "other add 花子;add 一郎;other remove 人0;rename 人0 次郎;read"
        << "^人0:1960:S,花子:1988:S;一郎:1988:S,人0:1960:S,花子:1988:S;一郎:1988:S,花子:1988:S;"
           "一郎:1988:S,花子:1988:S !.*ほかの Norvane で削除.*;一郎:1988:S,花子:1988:S;$";
    for (const QByteArray& bytes :
         {QByteArray(R"({"format":1,)"), QByteArray(R"({"format":2,"people":[]})"),
          QByteArray(R"({"format":"1","people":[]})"), QByteArray(R"({"format":1,"people":{}})"),
          QByteArray("[1]"), QByteArray("dir"), QByteArray("fifo"),
          people_json(1).append(PeopleStore::kMaxFileBytes, ' ')}) {
      const bool special = bytes == "dir" || bytes == "fifo";
      const char* why = special ? "は通常のファイルではありません" : "は壊れています";
      QTest::newRow(bytes.left(30).constData())
          << bytes << ""
          << "read;add 花子;same" << QString("^ !.*%1.*; !.*別の場所へ移すと.*;same;$").arg(why);
    }
    QTest::newRow("folder under a regular file") << QByteArray() << "under-file"
                                                 << "add 花子;read"
                                                 << "^ !.*フォルダを作れません.*;;$";
    QTest::newRow("file too large: the system's text")
        << one << "full"
        << "add 花子;same"
        << "^人0:1960:S !.*書き込めませんでした（File too large）.*;same;$";
    QTest::newRow("no space left") << one << "no-space"
                                   << "add 花子;same"
                                   << "^人0:1960:S !.*（ディスクの空きが足りません）.*;same;$";
    QTest::newRow("read-only") << one << "read-only"
                               << "add 花子;same"
                               << "^ !.*（書き込みが許可されていません）.*;same;$";
    QTest::newRow("an entry never read back refused")
        << one << ""
        << "addH 花子;same"
        << "^人0:1960:S !この生年月日は登録できません（平成の範囲外です）。;same;$";
    QTest::newRow("lock held") << one << "held"
                               << "add 花子;same"
                               << "^ !.*ほかの Norvane が使っています.*;same;$";
    QTest::newRow("stale lock taken over") << one << "stale"
                                           << "add 花子"
                                           << "^人0:1960:S,花子:1988:S;$";
    QTest::newRow("the 1001st refused") << people_json(1000) << ""
                                        << "add 花子;remove 人7;add 花子"
                                        << "^1000 !.*1000 人まで.*;999;1000;$";
  }

  void changes() {
    QFETCH(QByteArray, file);
    QFETCH(QString, setup);
    QFETCH(QString, steps);
    QFETCH(QString, seen);
    QTemporaryDir tmp;
    const QByteArray top = QFile::encodeName(tmp.path());
    const bool own_fs = setup == "no-space" || setup == "read-only";
    // Four inodes: the top, the folder, the file and the lock; no room for the new file.
    if (own_fs && mount("tmpfs", top.constData(), "tmpfs", 0, "nr_inodes=4") != 0) {
      QSKIP("no mount namespace of the test's own");
    }
    const auto unmount = qScopeGuard([&] {
      if (own_fs) umount2(top.constData(), MNT_DETACH);
    });
    // A folder whose parent is a file cannot be made, as root too.
    if (setup == "under-file") QVERIFY(QFile(tmp.filePath("f")).open(QIODevice::WriteOnly));
    const QString dir = tmp.filePath(setup == "under-file" ? "f/norvane" : "norvane");
    QDir().mkpath(dir);
    PeopleStore store(dir, 100), other(dir, 100);
    const QString path = store.path();
    QFile f(path);
    if (file == "dir") QVERIFY(QDir().mkpath(path));
    if (file == "fifo") QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (!file.isEmpty() && file != "dir" && file != "fifo") {
      QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
      f.close();
    }
    if (setup == "read-only") {
      QCOMPARE(mount(nullptr, top.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    }
    QLockFile held(path + ".lock");
    if (setup == "held") QVERIFY(held.tryLock());
    QFile lock(path + ".lock");
    // A program that died with the lock: a pid that runs nothing.
    if (setup == "stale" && lock.open(QIODevice::WriteOnly)) {
      lock.write("4194000\nnorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
      lock.close();
    }
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit full = before;
    full.rlim_cur = file.size() + 20;  // room for the lock, not for the file grown
    std::signal(SIGXFSZ, SIG_IGN);
    if (setup == "full") QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);

    QString got;
    for (QString step : steps.split(';')) {
      PeopleStore& s = step.startsWith("other ") ? other : store;
      step.remove(QRegularExpression("^other "));
      const QStringList words = step.split(' ');
      QString id;
      for (const StoredPerson& p : s.read().people)
        if (p.name == words.value(1)) id = p.id;
      const QString arg = step.section(' ', words[0] == "rename" ? 2 : 1);
      PeopleResult r;
      if (words[0] == "read") r = s.read();
      if (words[0].startsWith("add")) {
        r = s.add(arg, *date_serial(1988, 5, 12),
                  words[0] == "addH" ? EntryKind::Heisei : EntryKind::Showa);
      }
      if (words[0] == "rename") r = s.rename(id, arg);
      if (words[0] == "remove") r = s.remove(id);
      QStringList rows;
      for (const StoredPerson& p : r.people)
        rows << QString("%1:%2:%3").arg(p.name).arg(year_of(p.birth)).arg(entry_letter(p.entry));
      got += rows.size() > 5 ? QString::number(rows.size()) : rows.join(',');
      if (!r.ok()) got += " !" + r.error;
      const bool readable = QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly);
      const QByteArray now = readable ? f.readAll() : QByteArray();
      f.close();
      if (words[0] == "file") got += now;
      if (words[0] == "same") got += now == file || !readable ? "same" : "changed";
      got += ";";
    }
    setrlimit(RLIMIT_FSIZE, &before);

    const QRegularExpression pattern(seen, QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(pattern.match(got).hasMatch(), qPrintable(got.left(300)));
    QVERIFY(!QFileInfo::exists(path + ".lock") || setup == "held");
    // Birth dates are personal: a file written is its owner's alone.
    if (QFileInfo(path).isFile() && (file.isEmpty() || steps.contains("rename"))) {
      QCOMPARE(mode_of(path), 0600);
      QCOMPARE(mode_of(dir), 0700);
    }
  }
};

QTEST_MAIN(TestPeopleStore)
#include "tst_people_store.moc"
