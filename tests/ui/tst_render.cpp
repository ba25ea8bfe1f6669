// The windows rendered headless: every caption has real glyphs, and the
// shipped manual fits its label.
#include <QAbstractButton>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QScrollBar>
#include <QTextLayout>
#include <QtTest>
#include <functional>

#include "caption_label.h"
#include "date_picker.h"
#include "form_fixture.h"
#include "manual_window.h"
#include "twips.h"

class TestRender : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void captions_have_glyphs() {
    FormFixture f;
    f.load();
    f.form->Timer1_Timer();
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));

    // Saved for a person to look at; the path is printed.
    const QString png = QDir(QDir::tempPath()).filePath("norvane-main-window.png");
    QVERIFY(f.form->grab().save(png));
    qInfo("rendered to %s", qPrintable(png));

    int checked = 0;
    for (QWidget* w : f.form->findChildren<QWidget*>()) {
      QString text;
      if (auto* l = qobject_cast<QLabel*>(w))
        text = l->text();
      else if (auto* b = qobject_cast<QAbstractButton*>(w))
        text = b->text();
      else if (auto* g = qobject_cast<QGroupBox*>(w))
        text = g->title();
      text.remove(QRegularExpression("[\\r\\n ]"));
      if (text.isEmpty() || !w->isVisible()) continue;
      // Shape the caption as Qt will and look for missing glyphs (index 0).
      QTextLayout layout(text, w->font());
      layout.beginLayout();
      layout.createLine();
      layout.endLayout();
      for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 index : run.glyphIndexes())
          QVERIFY2(index != 0, qPrintable(w->objectName() + ": " + text));
      }
      ++checked;
    }
    QVERIFY(checked > 50);
  }

  // Labels laid at the pitch of their row, a pixel short of their place
  // on the form, lose no ink of any caption they can show.
  void captions_fit_the_pitch() {
    FormFixture f;
    QList<QLabel*> labels(f.form->L_date.begin(), f.form->L_date.end());
    labels << f.form->Label6;
    for (QLabel* label : labels) {
      QStringList captions{label->text()};
      if (label != f.form->Label6) {
        for (int day = 1; day <= 31; ++day) captions << QString::number(day);
      }
      for (const QString& caption : captions) {
        QLabel copy(caption);
        copy.setFont(label->font());
        copy.setAlignment(label->alignment());
        copy.resize(label->size() + QSize(1, 1));
        QImage ink(copy.size(), QImage::Format_ARGB32_Premultiplied);
        ink.fill(Qt::transparent);
        copy.render(&ink, QPoint(), QRegion(), QWidget::DrawChildren);
        for (int y = 0; y < ink.height(); ++y) {
          for (int x = 0; x < ink.width(); ++x) {
            if (qAlpha(ink.pixel(x, y)) == 0) continue;
            QVERIFY2(
                label->rect().contains(x, y),
                qPrintable(
                    QString("%1 \"%2\" at %3,%4").arg(label->objectName(), caption).arg(x).arg(y)));
          }
        }
      }
    }
  }

  // What the window's partial repaints leave on screen is what painting
  // it all afresh shows: no stale pixels where an update fell short.
  void screen_matches_a_full_render() {
    FormFixture f;
    bioForm1& w = *f.form;
    f.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const struct {
      const char* name;
      int times;
      std::function<void()> step;
    } rows[] = {
        {"demonstration ticks", 40, [&] { w.Timer1_Timer(); }},
        {"Execute", 2,
         [&] {
           w.Text年->setText("45");
           w.Text月->setText("6");
           w.Text日->setText("7");
           w.Command実行->click();
         }},
        {"scroll steps", 5, [&] { w.HScroll1->setValue(w.HScroll1->value() + 1); }},
    };
    for (const auto& row : rows) {
      for (int i = 0; i < row.times; ++i) {
        row.step();
        QCoreApplication::processEvents();
      }
      const QImage shown = w.screen()->grabWindow(w.winId()).toImage();
      QVERIFY2(shown == w.grab().toImage().convertToFormat(shown.format()), row.name);
      // Each day of the strip, within the strip's pitch, is what its label
      // draws by itself over the window's picture.
      for (QLabel* label : w.L_date) {
        const QRect at(label->pos(), QSize(norvane::px(240), norvane::px(4680 - 4440)));
        QImage alone(at.size(), shown.format());
        alone.fill(w.palette().color(QPalette::Window));
        QPainter painter(&alone);
        painter.drawPixmap(-at.topLeft(), w.Picture());
        label->render(&painter, QPoint(), QRegion(at.translated(-label->pos())), {});
        painter.end();
        QVERIFY2(shown.copy(at) == alone, qPrintable(label->objectName() + " " + label->text()));
      }
    }
  }

  // The group box's frame read ahead for the style is the one the style
  // reads for itself.
  void group_box_frame_is_the_styles_own() {
    FormFixture f;
    f.load();
    const QImage ahead = f.form->Frame2->grab().toImage();
    QPixmapCache::remove(QStringLiteral("fusion_groupbox"));
    QCOMPARE(f.form->Frame2->grab().toImage(), ahead);
  }

  // The shipped manual shows whole: inside the label, and none of it in the
  // corner under 戻る (the label drawn alone, without the button).
  void shipped_manual_fits() {
    FormFixture f;
    f.services.set_current_dir(qEnvironmentVariable("NORVANE_SOURCE_DIR") + "/assets");
    Manual manual(*f.form);
    QVERIFY(manual.Form_Load());
    manual.show();
    QVERIFY(QTest::qWaitForWindowExposed(&manual));
    QLabel& label = *manual.Label1;
    const QRect text = label.fontMetrics().boundingRect(
        label.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label.text());
    QVERIFY(label.rect().contains(text));
    const QImage alone = label.grab().toImage();
    const QRect covered = manual.Com_戻る->geometry() & label.geometry();
    const QRgb blank = label.palette().color(QPalette::Window).rgb();
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
      for (int x = covered.left(); x <= covered.right(); ++x)
        QVERIFY2(alone.pixel(x, y) == blank, qPrintable(QString("%1, %2").arg(x).arg(y)));
    }
  }
};

QTEST_MAIN(TestRender)
#include "tst_render.moc"
