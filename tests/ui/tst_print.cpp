// The chart and 注意日一覧's year on paper: printed to a PDF file and read
// back by poppler, as a user would read them, and the chart printed through
// a real CUPS queue when the suite sets one up.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <map>

#include "caution_window.h"
#include "chart_print.h"
#include "chart_readout.h"
#include "date_text.h"
#include "form_fixture.h"
#include "qt_services.h"

using namespace norvane;

namespace {

QString run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) {
    qWarning() << program << args << p.readAllStandardError();
    return {};
  }
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The first line of pdffonts' list that is not an embedded face mapped
// back to Unicode; empty when every one is.
QString font_fault(const QString& pdf) {
  const QStringList fonts = run("pdffonts", {pdf}).split('\n').mid(2);
  if (fonts.isEmpty() || fonts.first().isEmpty()) return "no fonts";
  for (const QString& font : fonts)
    if (!font.isEmpty() && !font.contains(QRegularExpression("yes\\s+(yes|no)\\s+yes")))
      return font;
  return {};
}

// The chart of Showa 63/05/12 from 2026/12/06, as 実行 drew it.
struct ChartFixture : FormFixture {
  ChartFixture() {
    load();
    show_active();
    tick_then_type_birth(false);
    QTest::keyClick(form->Text年, Qt::Key_Return, Qt::ControlModifier);
  }
  void print() { form->findChild<QAction*>("印刷_action")->trigger(); }
};

// What the page shows of chart day `day`: the copy's cells, then the
// rhythms at a caution day.
QRegularExpression table_row(const ChartReadout& readout, int day) {
  QStringList cells = readout.table_text().split('\n')[day + 1].split('\t');
  QStringList caution;
  for (const RhythmReading& r : readout.reading(day).rhythms)
    if (r.caution) caution << QString::fromUtf16(r.word.data(), r.word.size());
  if (!caution.isEmpty()) cells << caution.join("・");
  return QRegularExpression("^\\s*" + cells.join("\\s+") + "\\s*$",
                            QRegularExpression::MultilineOption);
}

}  // namespace

class TestPrint : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void pdf_as_poppler_reads_it_data() {
    QTest::addColumn<QString>("file");  // in a fresh folder holding a file "file"
    QTest::newRow("written") << "chart.pdf";
    // A folder whose parent is a file cannot be made, as root too.
    QTest::newRow("under a file") << "file/chart.pdf";
  }
  void pdf_as_poppler_reads_it() {
    QFETCH(QString, file);
    QTemporaryDir dir;
    QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
    ChartFixture f;
    bioForm1& w = *f.form;
    f.services.print_pdf_path = dir.filePath(file);
    f.print();
    if (file.startsWith("file/")) {
      QCOMPARE(f.services.messages.size(), 1u);
      QCOMPARE(f.services.messages[0].caption, "印刷");
      QVERIFY(f.services.messages[0].text.startsWith("PDF のファイル " + f.services.print_pdf_path +
                                                     " に書き込めませんでした（"));
      QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), {"file"});
      return;
    }
    QVERIFY(f.services.messages.empty());

    const QString text = run("pdftotext", {"-layout", f.services.print_pdf_path, "-"});
    QVERIFY(text.contains(
        QRegularExpression("生年月日 昭和63年05月12日\\s+表示開始日 2026/12/06（日）")));
    for (const QLabel* result : {w.Label日数, w.Label曜日, w.Label年齢, w.LabelMsg1})
      QVERIFY2(text.contains(result->text()), qPrintable(result->text()));
    for (int day = 0; day <= kChartDays; ++day) {
      const QRegularExpression row = table_row(*w.chart_readout, day);
      QVERIFY2(row.match(text).hasMatch(), qPrintable(row.pattern()));
    }
    QCOMPARE(font_fault(f.services.print_pdf_path), QString());

    // The physical curve, drawn last, passes where the formula puts it on
    // the chart, found on the page inside its dark frame.
    const QString png = dir.filePath("page");
    run("pdftoppm", {"-r", "150", "-png", "-singlefile", f.services.print_pdf_path, png});
    const QImage page(png + ".png");
    QVERIFY(!page.isNull());
    const QColor dark(64, 64, 64);
    // The frame's and the zero line's rows are dark across more than half the page.
    QRect panel;
    for (int y = 0; y < page.height(); ++y) {
      QRect row;
      for (int x = 0; x < page.width(); ++x)
        if (page.pixelColor(x, y) == dark) row |= QRect(x, y, 1, 1);
      if (row.width() > page.width() / 2) panel |= row;
    }
    const QRectF chart(panel);
    const double elapsed = days_between(w.chart_readout->birth(), w.chart_readout->start());
    for (int day = 0; day <= kChartDays; ++day) {
      const QPointF at(chart.x() + chart.width() * chart_x(day) / kChartRight,
                       chart.y() + chart.height() * (1 - rhythm_y(elapsed + day, 23) / kChartTop));
      bool found = false;
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
          const QColor c = page.pixelColor(qRound(at.x()) + dx, qRound(at.y()) + dy);
          // Red, darkened to read on white.
          found |= c.red() > c.green() + 40 && c.red() > c.blue() + 40;
        }
      QVERIFY2(found, qPrintable(QString("day %1 at %2,%3").arg(day).arg(at.x()).arg(at.y())));
    }
  }

  void pages_as_poppler_reads_them_data() {
    QTest::addColumn<QString>("page");   // "year": 注意日一覧's calendar; "chart": the chart's
    QTest::addColumn<QString>("name");   // whom 登録者一覧 showed the chart for, or empty
    QTest::addColumn<QString>("first");  // the chart's first day
    QTest::addColumn<QString>("file");   // in a fresh folder holding a file "file"
    // 12/03 (感) before the first day; the list's last days, in a thirteenth
    // month, under the grids.
    QTest::newRow("year of a registered person") << "year"
                                                 << "母"
                                                 << "2026/12/06"
                                                 << "page.pdf";
    // 366 days in the twelve months: 2028/11/30 (身感) after the last.
    QTest::newRow("year of an entered date") << "year"
                                             << ""
                                             << "2027/12/01"
                                             << "page.pdf";
    // On white, in three line styles, whose chart it is in the heading.
    QTest::newRow("chart of a registered person") << "chart"
                                                  << "母"
                                                  << "2026/12/06"
                                                  << "page.pdf";
    QTest::newRow("chart of an entered date") << "chart"
                                              << ""
                                              << "2026/12/06"
                                              << "page.pdf";
    QTest::newRow("year under a file") << "year"
                                       << ""
                                       << "2026/12/06"
                                       << "file/page.pdf";
  }
  void pages_as_poppler_reads_them() {
    QFETCH(QString, page);
    QFETCH(QString, name);
    QFETCH(QString, first);
    QFETCH(QString, file);
    QTemporaryDir dir;
    if (page == "chart") {
      ChartFixture f;
      f.form->chart_name = name;
      f.services.print_pdf_path = dir.filePath(file);
      f.print();
      const QString pdf = f.services.print_pdf_path;
      const QString text = run("pdftotext", {"-layout", pdf, "-"});
      QVERIFY(text.contains(QRegularExpression(
          name.isEmpty() ? "生年月日 昭和63年05月12日" : name + "[\\s　]+昭和63年05月12日生")));
      // Mean ink over the page, as a grey render of it reads.
      run("pdftoppm", {"-r", "50", "-gray", "-singlefile", pdf, dir.filePath("grey")});
      QFile grey(dir.filePath("grey.pgm"));
      QVERIFY(grey.open(QIODevice::ReadOnly));
      const QByteArray pgm = grey.readAll();
      const QByteArray pixels = pgm.right(pgm.size() - pgm.indexOf("\n255\n") - 5);
      double ink = 0;
      for (const char p : pixels) ink += 255 - static_cast<unsigned char>(p);
      QVERIFY2(ink / 255 / pixels.size() <= 0.06,
               qPrintable(QString::number(ink / 255 / pixels.size())));
      // The three curves, the widest strokes, each in a dash pattern of its own.
      const QString svg = run("pdftocairo", {"-svg", pdf, "-"});
      // As a style (poppler 22) or as attributes (poppler 25).
      const QRegularExpression stroke(
          "stroke-width[:=]\"?([\\d.]+)[^>]*?stroke[:=]\"?(rgb\\([^)]*\\))[^>]*?"
          "stroke-opacity[:=]\"?[\\d.]+\"?;? ?(?:stroke-dasharray[:=]\"?([\\d., ]+))?");
      std::map<double, std::map<QString, QString>> by_width;
      for (const QRegularExpressionMatch& m : stroke.globalMatch(svg))
        by_width[m.captured(1).toDouble()][m.captured(2)] = m.captured(3);
      QVERIFY(!by_width.empty());
      QSet<QString> patterns;
      for (const auto& [colour, dashes] : by_width.rbegin()->second) patterns << dashes;
      QCOMPARE(by_width.rbegin()->second.size(), 3u);
      QCOMPARE(patterns.size(), 3);
      QVERIFY(patterns.contains(QString()));  // one solid
      return;
    }
    QVERIFY(page == "year");
    QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
    FakeServices services;
    services.print_pdf_path = dir.filePath(file);
    const Date birth = ymd(1988, 5, 12), start = *parse_date_text(first.toStdString());
    CautionListWindow w(nullptr, services, birth, start, name);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.List注意日, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(services.print_dialogs, 1);
    if (file.startsWith("file/")) {
      QCOMPARE(services.messages.size(), 1u);
      QCOMPARE(services.messages[0].caption, "印刷");
      QVERIFY(services.messages[0].text.startsWith("PDF のファイル " + services.print_pdf_path +
                                                   " に書き込めませんでした（"));
      return;
    }
    QVERIFY(services.messages.empty());

    QString text = run("pdftotext", {"-layout", services.print_pdf_path, "-"});
    const QRegularExpression heading("^\\s*注意日カレンダー[\\s　]*" + name + "\\s*$",
                                     QRegularExpression::MultilineOption);
    QVERIFY2(heading.match(text).hasMatch(), qPrintable(text.left(200)));
    QVERIFY(text.contains(w.Label三重->text()));
    const std::chrono::year_month month = to_ymd(start).year() / to_ymd(start).month();
    qsizetype long_months = 0;
    for (int i = 0; i < 12; ++i) {
      const std::chrono::year_month m = month + std::chrono::months(i);
      const QString title = QString("%1年%2月").arg(int(m.year())).arg(unsigned(m.month()));
      QVERIFY2(text.contains(title), qPrintable(title));
      long_months += (m / std::chrono::last).day() == std::chrono::day(31);
    }
    QCOMPARE(text.count(QRegularExpression("(?<!\\d)31(?!\\d)")), long_months);
    // Each caution day of the list marked once by its rhythms' initials,
    // the legend aside.
    text.remove(QRegularExpression("^.*身＝身体.*$", QRegularExpression::MultilineOption));
    const std::vector<CautionDay> days = caution_days(birth, start, CautionListWindow::kDays);
    for (std::size_t r = 0; r < 3; ++r) {
      const auto marked = std::count_if(days.begin(), days.end(),
                                        [r](const CautionDay& d) { return d.rhythms[r]; });
      QCOMPARE(text.count(QString("身感知")[r]), marked);
    }
    QCOMPARE(font_fault(services.print_pdf_path), QString());
  }

  // Two keys with the real print dialog and no printer (no CUPS to reach):
  // Ctrl+P, then Return prints to a PDF file in the home folder, which
  // has no documents folder.
  void ctrl_p_then_return() {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("CUPS_SERVER", home.filePath("no-cups").toUtf8());
    QtServices services;
    bioForm1 w(services);
    w.Timer1->stop();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.Option3->click();
    QTest::keyClick(w.Command実行, Qt::Key_Space);
    QVERIFY(w.chart_readout->shows_chart());
    QTimer::singleShot(100,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    QTest::keySequence(&w, QKeySequence::Print);
    QCOMPARE(QDir(home.path()).entryList({"*.pdf"}).size(), 1);
  }

  // Run by the suite's CUPS script, with its queue named.
  void printsThroughCups() {
    const QString queue = qEnvironmentVariable("NORVANE_CUPS_QUEUE");
    if (queue.isEmpty()) QSKIP("needs the private CUPS queue tests/app/cups_print.sh sets up");
    ChartFixture f;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    QVERIFY(printer.isValid());
    QCOMPARE(print_chart(printer, *f.form), QString());
  }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
