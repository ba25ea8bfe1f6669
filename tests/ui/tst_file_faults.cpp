// Faulty data files in the current directory: the program goes on and the
// user's entry works.
#include <sys/stat.h>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "date_picker.h"
#include "form_fixture.h"
#include "qt_services.h"

using namespace norvane;

namespace {

QByteArray asset(const char* name) {
  QFile f(qEnvironmentVariable("NORVANE_SOURCE_DIR") + "/assets/" + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A small JPEG whose frame header claims width x height.
QByteArray jpeg_claiming(int width, int height) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImage(16, 16, QImage::Format_RGB32).save(&buffer, "JPG");
  const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
  bytes[sof + 5] = char(height >> 8);
  bytes[sof + 6] = char(height & 0xFF);
  bytes[sof + 7] = char(width >> 8);
  bytes[sof + 8] = char(width & 0xFF);
  return bytes;
}

enum class Kind { File, Missing, Fifo, Directory };

void make(const QString& path, Kind kind, const QByteArray& bytes) {
  switch (kind) {
    case Kind::File: {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(bytes);
      break;
    }
    case Kind::Fifo:
      QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
      break;
    case Kind::Directory:
      QVERIFY(QDir().mkdir(path));
      break;
    case Kind::Missing:
      break;
  }
}

}  // namespace

class TestFileFaults : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void picture_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");
    const QByteArray flower = asset("flower.jpg");
    QTest::newRow("the shipped picture") << int(Kind::File) << flower << true;
    QTest::newRow("missing") << int(Kind::Missing) << QByteArray() << false;
    QTest::newRow("zero bytes") << int(Kind::File) << QByteArray() << false;
    QTest::newRow("text") << int(Kind::File) << QByteArray("not a picture\n") << false;
    QTest::newRow("a directory") << int(Kind::Directory) << QByteArray() << false;
    QTest::newRow("a FIFO") << int(Kind::Fifo) << QByteArray() << false;
    QTest::newRow("truncated") << int(Kind::File) << flower.left(flower.size() / 3) << true;
    QTest::newRow("claims 30000 x 30000")
        << int(Kind::File) << jpeg_claiming(30000, 30000) << false;
    QTest::newRow("claims 9000 x 6000") << int(Kind::File) << jpeg_claiming(9000, 6000) << true;
  }

  void picture() {
    QFETCH(int, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shown);
    QTemporaryDir dir;
    make(dir.filePath("flower.jpg"), Kind(kind), bytes);
    FormFixture f;
    f.services.set_current_dir(dir.path());
    if (!shown) QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^norvane: .*flower\\.jpg"));
    QElapsedTimer clock;
    clock.start();
    f.form->Form_Load();
    f.form->Timer1->stop();
    QVERIFY2(clock.elapsed() < 10000, "loading the picture hung");
    QCOMPARE(!f.form->Picture().isNull(), shown);
    QVERIFY(f.form->Picture().width() <= 4096 && f.form->Picture().height() <= 4096);
    // Decoded ahead on a thread of its own, it is the same picture, or the
    // same failure.
    norvane::QtServices services;
    services.decode_picture_ahead(dir.filePath("flower.jpg"));
    const norvane::PictureResult ahead = services.load_picture(dir.filePath("flower.jpg"));
    QCOMPARE(ahead.pixmap.toImage(), f.form->Picture().toImage());
    QCOMPARE(ahead.error.isEmpty(), shown);
    // The entry still works.
    QTest::keyClicks(f.form->Text年, "63");
    QCOMPARE(QString::fromStdString(f.form->DTPicker1->ValueText()), QString("1988/04/16"));
  }
};

QTEST_MAIN(TestFileFaults)
#include "tst_file_faults.moc"
