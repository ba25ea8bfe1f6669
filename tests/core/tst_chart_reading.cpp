// The chart's readings: one day's date and the three values the curves pass
// through on it, in the legend's order; caution days, where each rhythm
// meets zero, with the days of two or three at once and the next of three,
// and their calendar file as a calendar program reads it; and 相性, two
// people's rhythms side by side.
#include <QtTest>
#include <cmath>

#include "biorhythm.h"
#include "calendar_file.h"
#include "caution.h"
#include "chart_reading.h"
#include "compatibility.h"

using namespace norvane;

namespace {

Date date_of(QDate d) {
  return *date_serial(d.year(), d.month(), d.day());
}

}  // namespace

class TestChartReading : public QObject {
  Q_OBJECT
 private slots:
  void reading_data() {
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("caption");
    const QDate dec6(2026, 12, 6);
    QTest::newRow("physical on the axis")
        << 6808.0 << dec6 << 0 << "2026/12/06（日）　身体 +0%（注意日）　感情 +78%　知性 +95%";
    QTest::newRow("physical half way, between two days")
        << 6808.0 << dec6 << 11 << "2026/12/17（木）　身体 +14%（注意日）　感情 -22%　知性 -76%";
    QTest::newRow("last day, next year")
        << 6808.0 << dec6 << 30 << "2027/01/05（火）　身体 +94%　感情 +97%　知性 +97%";
    QTest::newRow("emotional half way")
        << 0.0 << dec6 << 14 << "2026/12/20（日）　身体 -63%　感情 +0%（注意日）　知性 +46%";
    QTest::newRow("day before birth")
        << -1.0 << QDate(2024, 2, 28) << 0 << "2024/02/28（水）　身体 -27%　感情 -22%　知性 -19%";
  }
  void reading() {
    QFETCH(double, elapsed);
    QFETCH(QDate, start);
    QFETCH(int, day);
    QFETCH(QString, caption);
    const ChartDayReading r = chart_day_reading(elapsed, date_of(start), day);
    QCOMPARE(QString::fromStdU16String(chart_day_caption(r)), caption);
    // The same curve the chart draws.
    const int periods[] = {23, 28, 33};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(r.rhythms[i].period, periods[i]);
      QCOMPARE(r.rhythms[i].percent, std::lround(rhythm_value(elapsed + day, periods[i]) * 2));
    }
  }

  void caution_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("row");   // the list's row for that day, or empty
    QTest::addColumn<QDate>("triple");  // the next triple caution day from it
    const QDate birth(1988, 5, 12);
    const QDate triple(2008, 2, 7);
    QTest::newRow("birth day: all three")
        << birth << "1988/05/12（木）\t身体・感情・知性\t三重" << birth;
    QTest::newRow("23: d = 11, meets zero before 12")
        << birth.addDays(11) << "1988/05/23（月）\t身体\t" << triple;
    QTest::newRow("23: d = 12") << birth.addDays(12) << "" << triple;
    QTest::newRow("23: d = 22") << birth.addDays(22) << "" << triple;
    QTest::newRow("23: d = -12, before birth")
        << birth.addDays(-12) << "1988/04/30（土）\t身体\t" << birth;
    QTest::newRow("28: d = 13") << birth.addDays(13) << "" << triple;
    QTest::newRow("28: d = 14") << birth.addDays(14) << "1988/05/26（木）\t感情\t" << triple;
    QTest::newRow("28: d = 15") << birth.addDays(15) << "" << triple;
    QTest::newRow("33: d = 15") << birth.addDays(15) << "" << triple;
    QTest::newRow("33: d = 16, meets zero before 17")
        << birth.addDays(16) << "1988/05/28（土）\t知性\t" << triple;
    QTest::newRow("33: d = 17") << birth.addDays(17) << "" << triple;
    QTest::newRow("double") << QDate(2027, 1, 28) << "2027/01/28（木）\t感情・知性\t二重"
                            << QDate(2037, 3, 12);
    QTest::newRow("a chart's first day")
        << QDate(2026, 12, 6) << "2026/12/06（日）\t身体\t" << QDate(2037, 3, 12);
  }
  void caution() {
    QFETCH(QDate, day);
    QFETCH(QString, row);
    QFETCH(QDate, triple);
    const Date birth = date_of(QDate(1988, 5, 12));
    const QString text =
        QString::fromStdU16String(caution_table_text(caution_days(birth, date_of(day), 1)));
    QCOMPARE(text, "日付\tリズム\t重なり\n" + (row.isEmpty() ? "" : row + "\n"));
    QCOMPARE(next_triple_caution(birth, date_of(day)), date_of(triple));
  }

  void calendar_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("event");  // its lines from DTEND to SUMMARY
    QTest::newRow("one, into the next year")
        << QDate(2026, 12, 31) << "DTEND;VALUE=DATE:20270101|SUMMARY:注意日 感情";
    QTest::newRow("two, into the next month")
        << QDate(2028, 11, 30) << "DTEND;VALUE=DATE:20281201|SUMMARY:注意日 身体・感情（二重）";
    QTest::newRow("three") << QDate(2008, 2, 7)
                           << "DTEND;VALUE=DATE:20080208|SUMMARY:注意日 身体・感情・知性（三重）";
  }
  void calendar() {
    QFETCH(QDate, day);
    QFETCH(QString, event);
    using namespace std::chrono;
    const Date birth = date_of(QDate(1988, 5, 12));
    const std::string text = caution_calendar(birth, caution_days(birth, date_of(day), 1),
                                              sys_days{2026y / 12 / 6} + 15h + 4min + 5s);
    QCOMPARE(QString::fromStdString(text),
             QString("BEGIN:VCALENDAR|VERSION:2.0|PRODID:-//Norvane//Norvane//JA|"
                     "CALSCALE:GREGORIAN|BEGIN:VEVENT|UID:19880512-%1@norvane|"
                     "DTSTAMP:20261206T150405Z|DTSTART;VALUE=DATE:%1|%2|TRANSP:TRANSPARENT|"
                     "BEGIN:VALARM|ACTION:DISPLAY|DESCRIPTION:%3|TRIGGER:-PT15H|END:VALARM|"
                     "END:VEVENT|END:VCALENDAR|")
                 .arg(day.toString("yyyyMMdd"), event, event.section("SUMMARY:", 1))
                 .replace('|', "\r\n"));
  }

  void content_line_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("line");  // unfolded, when not the value itself
    QTest::addColumn<int>("lines");        // physical
    QTest::newRow("escaped") << QByteArray("C:\\新;a,b\r\nc\rd\ne")
                             << QByteArray("C:\\\\新\\;a\\,b\\nc\\nd\\ne") << 1;
    QTest::newRow("75 octets") << QByteArray(75, 'a') << QByteArray() << 1;
    QTest::newRow("150 octets") << QByteArray(150, 'a') << QByteArray() << 3;
    for (const QByteArray start : {"", "a", "aa"})
      QTest::addRow("kanji after %d octets", int(start.size()))
          << start + QString(100, u'日').toUtf8() << QByteArray() << 5;
    QTest::newRow("four-octet characters")
        << "a" + QString("😀").repeated(30).toUtf8() << QByteArray() << 2;
    QTest::newRow("not UTF-8: cut at the limit") << QByteArray(100, '\x80') << QByteArray() << 2;
  }
  void content_line() {
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, line);
    QFETCH(int, lines);
    QByteArray folded = QByteArray::fromStdString(folded_line(escape_text(value.toStdString())));
    const QList<QByteArray> physical = folded.split('\n');
    QCOMPARE(physical.size(), lines + 1);
    for (int i = 0; i < lines; ++i) {
      QVERIFY(physical[i].endsWith('\r') && physical[i].size() <= 76);
      QVERIFY(QByteArrayView(physical[i]).isValidUtf8() || !QByteArrayView(value).isValidUtf8());
      QCOMPARE(physical[i].startsWith(' '), i > 0);
    }
    QCOMPARE(folded.replace("\r\n ", "").chopped(2), line.isEmpty() ? value : line);
  }

  // khal imports the year's file with its reminders, and a later one for
  // the same person updates its events instead of adding to them.
  void calendar_in_khal() {
    QTemporaryDir dir;
    QFile config(dir.filePath("config"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(
        QString("[calendars]\n[[注意日]]\npath = %1/cal\n[sqlite]\npath = %1/db\n[locale]\n"
                "local_timezone = Asia/Tokyo\ndefault_timezone = Asia/Tokyo\n"
                "dateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n")
            .arg(dir.path())
            .toUtf8());
    config.close();
    const auto khal = [&](const QStringList& args) {
      QProcess p;
      p.start("khal", QStringList{"-c", config.fileName()} + args);
      return p.waitForFinished() && p.exitCode() == 0 ? p.readAllStandardOutput()
                                                      : "khal failed: " + p.readAllStandardError();
    };
    const Date birth = date_of(QDate(1988, 5, 12));
    for (int made : {0, 1}) {
      QFile file(dir.filePath(QString("%1.ics").arg(made)));
      const std::string text =
          caution_calendar(birth, caution_days(birth, date_of(QDate(2026, 12, 6)), 365),
                           std::chrono::sys_days{} + std::chrono::days(made));
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text.c_str()) == qint64(text.size()));
      file.close();
      QCOMPARE(khal({"import", "--batch", file.fileName()}), QByteArray());
    }
    const QByteArray year =
        khal({"list", "-df", "", "-f", "{start-date} {title}{alarm-symbol}", "2026-12-06", "365d"});
    QCOMPARE(year.count('\n'), 75);
    // The clock: khal read the event's reminder as one it can show.
    QVERIFY2(year.contains("\n2027-01-28 注意日 感情・知性（二重） ⏰\n"), year.constData());
  }

  void compatibility_reading_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QString>("text");
    const QDate birth(1988, 5, 12);
    // The chart starts 2026/12/06, 14087 days after the first birth day.
    QTest::newRow("same day: in phase, every caution day shared")
        << birth << birth
        << "身体（23日）　100%\n感情（28日）　100%\n知性（33日）　100%\n平均　100%\n"
           "共通の注意日　12/06 身体、12/10 知性、12/17 感情、12/18 身体、12/26 知性、12/29 身体、"
           "12/31 感情\n";
    QTest::newRow("14 days: emotional opposite, its caution days still shared")
        << birth << birth.addDays(14)
        << "身体（23日）　11%\n感情（28日）　0%\n知性（33日）　6%\n平均　6%\n"
           "共通の注意日　12/17 感情、12/31 感情\n";
    QTest::newRow("7 days: emotional a quarter period")
        << birth << birth.addDays(7)
        << "身体（23日）　33%\n感情（28日）　50%\n知性（33日）　62%\n平均　48%\n"
           "共通の注意日　なし\n";
    QTest::newRow("704 days apart")
        << birth << QDate(1990, 4, 16)
        << "身体（23日）　11%\n感情（28日）　81%\n知性（33日）　25%\n平均　39%\n"
           "共通の注意日　なし\n";
    QTest::newRow("second born first")
        << QDate(1990, 4, 16) << birth
        << "身体（23日）　11%\n感情（28日）　81%\n知性（33日）　25%\n平均　39%\n"
           "共通の注意日　なし\n";
  }
  void compatibility_reading() {
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(QString, text);
    const Date start = date_of(QDate(2026, 12, 6));
    QCOMPARE(QString::fromStdU16String(compatibility_text(date_of(first), date_of(second), start)),
             text);
  }
};

QTEST_GUILESS_MAIN(TestChartReading)
#include "tst_chart_reading.moc"
