// A label that keeps its captions' layouts and ink paints exactly as a
// QLabel does.
#include <QtTest>

#include "fonts.h"
#include "kept_ink.h"
#include "static_text_label.h"

namespace {

template <typename Label>
QImage rendered(const QString& caption, Qt::Alignment align, QColor colour,
                const QFont* font = nullptr) {
  QWidget window;
  window.resize(200, 60);
  QPalette p = window.palette();
  p.setColor(QPalette::Window, QColor(64, 64, 64));
  window.setPalette(p);
  auto* label = new Label(&window);
  label->setText(caption);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(align);
  label->setGeometry(10, 10, 180, 40);
  if (font) label->setFont(*font);
  QPalette lp = label->palette();
  lp.setColor(QPalette::WindowText, colour);
  label->setPalette(lp);
  window.grab();  // a label's first paint draws in place; later ones blit
  return window.grab().toImage();
}

}  // namespace

class TestStaticTextLabel : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QFont ui;
    ui.setFamilies(norvane::japanese_gothic_families() << "Sans Serif");
    ui.setPixelSize(12);
    QApplication::setFont(ui);
  }

  void paints_as_a_label_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("align");
    const int top_left = Qt::AlignLeft | Qt::AlignTop;
    QTest::newRow("day") << "7" << top_left;
    QTest::newRow("two digits") << "31" << top_left;
    QTest::newRow("Japanese") << "ﾊﾞｲｵﾘｽﾞﾑ表示開始日付" << top_left;
    QTest::newRow("empty") << "" << top_left;
    QTest::newRow("carriage return") << "月\r日" << top_left;
    QTest::newRow("two lines") << "身体\n感情" << top_left;
    QTest::newRow("ampersand") << "A&B" << top_left;
    QTest::newRow("centred") << "順調日(正)" << int(Qt::AlignHCenter | Qt::AlignTop);
  }
  void paints_as_a_label() {
    QFETCH(QString, caption);
    QFETCH(int, align);
    for (const QColor colour : {QColor(255, 128, 128), QColor(255, 255, 128)}) {
      // Twice: the second paint comes from the kept layout.
      for (int pass = 0; pass < 2; ++pass)
        QCOMPARE(rendered<norvane::StaticTextLabel>(caption, Qt::Alignment(align), colour),
                 rendered<QLabel>(caption, Qt::Alignment(align), colour));
    }
  }

  // Ink drawn on an image takes the image painter's font unless told.
  void paints_in_a_font_of_its_own() {
    QFont font = norvane::date_font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    const auto align = Qt::AlignLeft | Qt::AlignTop;
    QCOMPARE(rendered<norvane::StaticTextLabel>("2008/04/16", align, Qt::white, &font),
             rendered<QLabel>("2008/04/16", align, Qt::white, &font));
  }

  // Ink is kept for a caption only where blending it whole is exact: not
  // where glyphs are set closer than their face spaces them.
  void keeps_ink_unless_glyphs_are_set_closer_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<qreal>("spacing");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("kept");
    const int absolute = QFont::AbsoluteSpacing;
    const int percent = QFont::PercentageSpacing;
    QTest::newRow("face's own") << percent << 0.0 << "2008/04/16" << true;
    QTest::newRow("one pixel closer") << absolute << -1.0 << "2008/04/16" << false;
    QTest::newRow("one character closer") << absolute << -1.0 << "7" << true;
    QTest::newRow("one pixel apart") << absolute << 1.0 << "2008/04/16" << true;
    QTest::newRow("90 per cent") << percent << 90.0 << "2008/04/16" << false;
    QTest::newRow("110 per cent") << percent << 110.0 << "2008/04/16" << true;
  }
  void keeps_ink_unless_glyphs_are_set_closer() {
    QFETCH(int, type);
    QFETCH(qreal, spacing);
    QFETCH(QString, caption);
    QFETCH(bool, kept);
    QFont font = norvane::date_font();
    if (spacing != 0) font.setLetterSpacing(QFont::SpacingType(type), spacing);
    const QImage* ink =
        norvane::kept_ink(font, caption, qRgb(255, 255, 255), QSize(180, 40), QPointF(), 1);
    QCOMPARE(ink != nullptr, kept);
  }

  // Wide captions that never repeat outgrow the kept ink, which starts
  // over; every paint must still be right.
  void paints_as_a_label_past_the_kept_ink() {
    for (int days = 10000; days < 10060; ++days) {
      const QString caption = QString::number(days) + "日";
      QCOMPARE(rendered<norvane::StaticTextLabel>(caption, Qt::AlignLeft | Qt::AlignTop, Qt::white),
               rendered<QLabel>(caption, Qt::AlignLeft | Qt::AlignTop, Qt::white));
    }
  }
};

QTEST_MAIN(TestStaticTextLabel)
#include "tst_static_text_label.moc"
