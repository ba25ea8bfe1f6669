#include <QtTest>

#include "fake_services.h"
#include "text_file.h"

using namespace Qt::StringLiterals;
using norvane::decode_shift_jis_lines;
using norvane::encode_shift_jis;

namespace {

constexpr QChar kBad(0xFFFD);

QString asset(const char* name) {
  return qEnvironmentVariable("NORVANE_SOURCE_DIR") + QStringLiteral("/assets/") +
         QLatin1String(name);
}

}  // namespace

class TestTextFile : public QObject {
  Q_OBJECT
 private slots:
  void decode_lines_data();
  void decode_lines();
  void round_trip_data();
  void round_trip();
  void missing_file_is_nullopt();
  void shipped_manual();
  void fake_records_message_verbatim();
  void shipped_picture_loads();
  void missing_picture_reports_error();
};

void TestTextFile::decode_lines_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QStringList>("lines");
  using B = QByteArray;
  const QString bad(kBad);

  QTest::newRow("crlf, final end adds nothing") << B("a\r\nb\r\n") << QStringList{"a", "b"};
  QTest::newRow("lf, last line without end") << B("a\nb") << QStringList{"a", "b"};
  QTest::newRow("lone cr") << B("a\rb\r") << QStringList{"a", "b"};
  QTest::newRow("empty middle line") << B("a\r\n\r\nb") << QStringList{"a", "", "b"};
  QTest::newRow("two lone cr") << B("a\r\rb") << QStringList{"a", "", "b"};
  QTest::newRow("cr before crlf") << B("a\r\r\nb") << QStringList{"a", "", "b"};
  QTest::newRow("only a line end") << B("\r\n") << QStringList{""};
  QTest::newRow("nothing") << B() << QStringList{};
  QTest::newRow("kanji") << B("\x8f\xba\x98\x61") << QStringList{u"昭和"_s};
  QTest::newRow("half-width kana") << B("\xca\xde\xb2") << QStringList{u"ﾊﾞｲ"_s};
  // The ICU table swaps these control codes; the files use them as ASCII.
  QTest::newRow("control codes as ascii") << B("x\x1a\x1c\x7fy") << QStringList{"x\x1a\x1c\x7fy"};
  QTest::newRow("lead before space") << B("\x81\x20z") << QStringList{bad + " z"};
  QTest::newRow("invalid single bytes") << B("\x80\xa0\xfd\xff") << QStringList{bad.repeated(4)};
  QTest::newRow("lead at the end") << B("ab\x82") << QStringList{"ab" + bad};
  QTest::newRow("lead before line end") << B("\x82\r\nb") << QStringList{bad, "b"};
  QTest::newRow("unassigned pair") << B("\x85\x40z") << QStringList{bad + "z"};
}

void TestTextFile::decode_lines() {
  QFETCH(QByteArray, bytes);
  QFETCH(QStringList, lines);
  QCOMPARE(decode_shift_jis_lines(bytes), lines);
}

void TestTextFile::round_trip_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("japanese") << u"生まれた曜日は土曜日です。"_s;
  QTest::newRow("mixed widths") << u"ﾊﾞｲｵﾘｽﾞﾑ表示開始日付 2026年（23×28×33）"_s;
  QTest::newRow("ascii with controls") << QStringLiteral("a\x1a~\\\x7f");
}

void TestTextFile::round_trip() {
  QFETCH(QString, text);
  const QByteArray bytes = encode_shift_jis(text);
  QVERIFY(!bytes.contains('\r') && !bytes.contains('\n'));
  QCOMPARE(decode_shift_jis_lines(bytes), QStringList{text});
}

void TestTextFile::missing_file_is_nullopt() {
  QVERIFY(!norvane::read_shift_jis_lines(asset("no-such-file.txt"), 1 << 20).has_value());
}

// The manual window shows the lines up to the "?" line only.
void TestTextFile::shipped_manual() {
  const norvane::FakeServices services;
  const auto lines = services.read_text_lines(asset("BioManual.txt"), 1 << 20);
  QVERIFY(lines.has_value());
  QVERIFY(lines->size() >= 3);
  for (const QString& line : *lines) QVERIFY2(!line.contains(kBad), qPrintable(line));
  QCOMPARE(lines->count(QStringLiteral("?")), 1);
  QCOMPARE(lines->indexOf(QStringLiteral("?")), lines->size() - 2);
  QVERIFY(!lines->first(lines->size() - 2).join(QString()).trimmed().isEmpty());
}

void TestTextFile::fake_records_message_verbatim() {
  norvane::FakeServices services;
  services.message_box(u"入力エラー\r再入力して下さい"_s, u"確認"_s);
  QCOMPARE(services.messages.size(), std::size_t{1});
  QCOMPARE(services.messages[0].caption, u"確認"_s);
  QCOMPARE(services.messages[0].text, u"入力エラー\r再入力して下さい"_s);
}

void TestTextFile::shipped_picture_loads() {
  const norvane::PictureResult result = norvane::FakeServices().load_picture(asset("flower.jpg"));
  QVERIFY2(!result.pixmap.isNull(), qPrintable(result.error));
  QVERIFY(result.error.isEmpty());
}

void TestTextFile::missing_picture_reports_error() {
  const norvane::PictureResult result =
      norvane::FakeServices().load_picture(asset("no-such-picture.jpg"));
  QVERIFY(result.pixmap.isNull());
  QVERIFY(!result.error.isEmpty());
}

QTEST_MAIN(TestTextFile)
#include "tst_text_file.moc"
