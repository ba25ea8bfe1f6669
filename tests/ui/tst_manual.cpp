// The manual as 操作方法 opens it from "BioManual.txt" in the current
// directory.
#include <sys/stat.h>

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "date_picker.h"
#include "drawing_box.h"
#include "form_fixture.h"
#include "manual_closer.h"
#include "text_file.h"

enum Setup { File, Edited, Missing, Directory, Fifo, Device, Dangling };

class TestManual : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void opening_data() {
    QTest::addColumn<int>("setup");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("caption");
    using B = QByteArray;
    QTest::newRow("up to ?") << int(File) << B("a\r\nb\r\n?\r\nc\r\n") << "a\rb\r";
    QTest::newRow("first line ?") << int(File) << B("?\r\na\r\n") << "";
    QTest::newRow("like ?") << int(File) << B(" ?\r\n??\r\n") + norvane::encode_shift_jis("？")
                            << " ?\r??\r？\r";
    QTest::newRow("empty line, last without end") << int(File) << B("a\r\n\r\nb") << "a\r\rb\r";
    QTest::newRow("lf") << int(File) << B("a\nb\n") << "a\rb\r";
    QTest::newRow("cr") << int(File) << B("a\rb\r") << "a\rb\r";
    QTest::newRow("bad shift-jis") << int(File) << B("\x8f\xba\x98\x61\xff") << "昭和\uFFFD\r";
    QTest::newRow("edited between openings") << int(Edited) << B("new") << "new\r";
    // The first MiB ends within a line of "b".
    QTest::newRow("first MiB only")
        << int(File) << (B(1023, 'a') + '\n').repeated(1023) + B(1025, 'b')
        << (QString(1023, 'a') + '\r').repeated(1023) + QString(1024, 'b') + '\r';
    QTest::newRow("empty") << int(File) << B() << "";
    QTest::newRow("NUL bytes") << int(File) << B("a\0b\n", 4) << QString("a") + QChar(0) + "b\r";
    QTest::newRow("a 1 MiB line without end")
        << int(File) << B(1 << 20, 'x') << QString(1 << 20, 'x') + '\r';
    QTest::newRow("100 MiB") << int(File) << (B(1023, 'x') + '\n').repeated(100 << 10)
                             << (QString(1023, 'x') + '\r').repeated(1 << 10);
    const char* unreadable[] = {"missing", "directory", "fifo", "device", "link to nothing"};
    for (int s = Missing; s <= Dangling; ++s)
      QTest::newRow(unreadable[s - Missing]) << s << B() << QString();
  }

  void opening() {
    QFETCH(int, setup);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, caption);
    QTemporaryDir dir;
    const QString path = dir.filePath("BioManual.txt");
    auto write = [&](const QByteArray& b) {
      QFile file(path);
      return file.open(QIODevice::WriteOnly) && file.write(b) == b.size();
    };
    FormFixture f;
    f.services.set_current_dir(dir.path());
    ManualCloser closer;
    QStringList captions;
    if (setup == Edited) {
      QVERIFY(write("old"));
      f.form->操作方法_Click();
      captions << "old\r";
    }
    if (setup <= Edited) {
      QVERIFY(write(bytes));
      captions << caption;
    }
    if (setup == Directory) QVERIFY(QDir(dir.path()).mkdir("BioManual.txt"));
    if (setup == Fifo) QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (setup == Device) QVERIFY(QFile::link("/dev/zero", path));
    if (setup == Dangling) QVERIFY(QFile::link(dir.filePath("nothing"), path));
    // The user's entry, which no opening may touch.
    bioForm1& w = *f.form;
    w.Text年->setText("63");
    w.Text月->setText("5");
    w.in_yy = "63";
    w.DTPicker1->setValue(ymd(1988, 5, 16));
    f.form->sinPicture1->Line({0, 0}, {360, 128});

    f.form->操作方法_Click();
    QCOMPARE(closer.captions, captions);
    QCOMPARE(f.services.messages.size(), std::size_t(setup > Edited));
    if (setup > Edited) {
      QCOMPARE(f.services.messages[0].caption, QString("マニュアル"));
      QCOMPARE(f.services.messages[0].text, "操作方法のファイルを読めません。\r" + path);
    }
    // Shown again, blank; and the program goes on.
    QVERIFY(!f.form->sinPicture1->isHidden() && f.form->sinPicture1->strokes().empty());
    QCOMPARE(f.services.end_calls, 0);
    QCOMPARE(w.Text年->text() + w.Text月->text() + w.in_yy, QString("63563"));
    QCOMPARE(w.DTPicker1->Value(), ymd(1988, 5, 16));
  }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
