#include <QPainter>
#include <QtTest>
#include <functional>
#include <vector>

#include "drawing_box.h"

using norvane::DrawingBox;

namespace {

const QColor kBackground(64, 64, 64);

// A box the size of the chart surface, with the chart's scale.
void set_up_chart(DrawingBox& box) {
  box.resize(489, 185);
  QPalette palette = box.palette();
  palette.setColor(QPalette::Window, kBackground);
  box.setPalette(palette);
  box.Scale({0, 128}, {360, 0});
}

// A chart-like drawing: a dotted grid and axis, then one curve.
void draw_chart(DrawingBox& box, double phase, const QColor& grid = Qt::black) {
  box.Cls();
  box.setForeColor(grid);
  box.setDrawStyle(DrawingBox::Style::Dot);
  for (int i = 1; i <= 30; ++i) box.Line({12.0 * i, 0}, {12.0 * i, 128});
  box.setDrawStyle(DrawingBox::Style::Solid);
  box.Line({0, 64}, {360, 64});
  box.setForeColor(Qt::red);
  for (int i = 0; i <= 30; ++i) {
    const QPointF point(12.0 * i, 64 + 60 * std::sin(phase + i / 3.0));
    if (i == 0) {
      box.PSet(point);
    } else {
      box.Line(point);
    }
  }
}

QColor pixel(DrawingBox& box, QPointF user) {
  return box.grab().toImage().pixelColor(box.to_widget(user).toPoint());
}

}  // namespace

class TestDrawingBox : public QObject {
  Q_OBJECT
 private slots:
  void scaleMapsToInnerArea_data() {
    QTest::addColumn<QPointF>("user");
    QTest::addColumn<QPointF>("widget");
    // The 2-pixel frame leaves the inner pixels 2..486 by 2..182.
    QTest::newRow("left top") << QPointF(0, 128) << QPointF(2, 2);
    QTest::newRow("right top") << QPointF(360, 128) << QPointF(486, 2);
    QTest::newRow("left bottom") << QPointF(0, 0) << QPointF(2, 182);
    QTest::newRow("right bottom") << QPointF(360, 0) << QPointF(486, 182);
    QTest::newRow("middle") << QPointF(180, 64) << QPointF(244, 92);
  }
  void scaleMapsToInnerArea() {
    QFETCH(QPointF, user);
    QFETCH(QPointF, widget);
    DrawingBox box;
    set_up_chart(box);
    QCOMPARE(box.to_widget(user), widget);
  }

  void strokesRecordPositionColourAndStyle() {
    DrawingBox box;
    box.setForeColor(Qt::red);
    box.Line({10, 20}, {30, 40});
    QCOMPARE(box.CurrentPoint(), QPointF(30, 40));
    box.setForeColor(Qt::blue);
    box.setDrawStyle(DrawingBox::Style::Dot);
    box.Line({50, 60});
    QCOMPARE(box.CurrentPoint(), QPointF(50, 60));
    box.PSet({70, 80});
    box.Print(QStringLiteral("晴"));
    QCOMPARE(box.CurrentPoint(), QPointF(70, 80));

    const auto& s = box.strokes();
    QCOMPARE(s.size(), 4u);
    QCOMPARE(s[0].color, QColor(Qt::red));
    QCOMPARE(s[0].style, DrawingBox::Style::Solid);
    QCOMPARE(s[1].from, QPointF(30, 40));
    QCOMPARE(s[1].color, QColor(Qt::blue));
    QCOMPARE(s[1].style, DrawingBox::Style::Dot);
    QCOMPARE(s[3].to, QPointF(70, 80));

    box.Cls();
    QVERIFY(box.strokes().empty());
    QCOMPARE(box.CurrentPoint(), QPointF(0, 0));
  }

  void drawingRendersAndSurvivesRepaint() {
    DrawingBox box;
    set_up_chart(box);
    box.show();
    box.setForeColor(Qt::red);
    box.Line({0, 64}, {360, 64});
    box.setForeColor(Qt::green);
    box.PSet({90, 100});

    for (int pass = 0; pass < 2; ++pass) {
      for (double x : {0.0, 1.0, 180.0, 359.0, 360.0})
        QCOMPARE(pixel(box, {x, 64}), QColor(Qt::red));
      QCOMPARE(pixel(box, {90, 100}), QColor(Qt::green));
      QCOMPARE(pixel(box, {180, 70}), kBackground);
      box.update();
      QCoreApplication::processEvents();
    }
  }

  // However the drawing got there, the box shows what a box that draws it
  // all at once shows.
  void repaintsMatchAFreshDrawing() {
    using Step = std::function<void(DrawingBox&)>;
    const auto chart = [](double phase) { return [=](DrawingBox& b) { draw_chart(b, phase); }; };
    const Step prompt = [](DrawingBox& b) {
      b.Print(QStringLiteral("「何かキーを押してください」"));
    };
    const Step rescale = [](DrawingBox& b) { b.Scale({0, 100}, {300, 0}); };
    const Step cut_prompt = [&](DrawingBox& b) {
      draw_chart(b, 0);
      b.PSet({300, 4});
      prompt(b);
    };
    const struct {
      const char* name;
      std::vector<Step> steps;
    } rows[] = {
        {"new curves over the same grid", {chart(0), chart(1), chart(2)}},
        {"the same drawing again", {chart(0), chart(0)}},
        {"a prompt after the curves", {chart(0), prompt, chart(1), prompt}},
        {"a prompt cut by the edge", {cut_prompt, cut_prompt}},
        {"the grid in another colour",
         {chart(0), chart(1), [](DrawingBox& b) { draw_chart(b, 1, Qt::white); }}},
        {"a new scale", {chart(0), chart(1), rescale}},
        {"a new background",
         {chart(0), chart(1),
          [](DrawingBox& b) {
            QPalette p = b.palette();
            p.setColor(QPalette::Window, Qt::darkBlue);
            b.setPalette(p);
          }}},
        {"a new size", {chart(0), chart(1), [](DrawingBox& b) { b.resize(400, 150); }}},
        {"cleared, then drawn again",
         {chart(0), chart(1), [](DrawingBox& b) { b.Cls(); }, chart(2)}},
    };
    for (const auto& row : rows) {
      DrawingBox box;
      set_up_chart(box);
      box.show();
      for (const Step& step : row.steps) {
        step(box);
        QCoreApplication::processEvents();
      }
      DrawingBox fresh;
      fresh.resize(box.size());
      fresh.setPalette(box.palette());
      fresh.Scale(box.ScaleLeftTop(), box.ScaleRightBottom());
      for (const auto& s : box.strokes()) {
        fresh.setForeColor(s.color);
        fresh.setDrawStyle(s.style);
        if (s.kind == DrawingBox::Stroke::Kind::Line) fresh.Line(s.from, s.to);
        if (s.kind == DrawingBox::Stroke::Kind::Point) fresh.PSet(s.to);
        if (s.kind == DrawingBox::Stroke::Kind::Text) fresh.Print(s.text);
      }
      QVERIFY2(box.grab().toImage() == fresh.grab().toImage(), row.name);
    }
  }

  // Text stands with its baseline a whole ascent below the drawing position.
  void textStandsWhereDrawTextPutsIt() {
    DrawingBox box;
    set_up_chart(box);
    box.setForeColor(Qt::yellow);
    box.PSet({140, 70});
    box.Print(QStringLiteral("「何かキーを押してください」"));
    const QImage drawn = box.grab().toImage().convertToFormat(QImage::Format_RGB32);

    QImage expected(box.size(), QImage::Format_RGB32);
    expected.fill(kBackground);
    QPainter painter(&expected);
    const QPointF at = box.to_widget({140, 70}).toPoint();
    painter.setPen(Qt::yellow);
    painter.setFont(box.font());
    painter.drawPoint(at);
    painter.drawText(QPointF(at.x(), at.y() + QFontMetrics(box.font()).ascent()),
                     QStringLiteral("「何かキーを押してください」"));
    painter.end();
    const QRect inner = box.contentsRect();
    QCOMPARE(drawn.copy(inner), expected.copy(inner));
  }

  void dottedLineHasGaps() {
    DrawingBox box;
    set_up_chart(box);
    box.setForeColor(Qt::red);
    box.setDrawStyle(DrawingBox::Style::Dot);
    box.Line({0, 64}, {360, 64});
    const QImage image = box.grab().toImage();
    int red = 0;
    int gaps = 0;
    for (int x = 2; x <= 486; ++x) {
      const QColor c = image.pixelColor(x, 92);
      red += c == QColor(Qt::red);
      gaps += c == kBackground;
    }
    QVERIFY(red > 50);
    QVERIFY(gaps > 50);
  }

  void hidingFromCodeForgetsDrawing() {
    QWidget window;
    auto* box = new DrawingBox(&window);
    set_up_chart(*box);
    window.show();
    box->Line({0, 64}, {360, 64});

    // Hiding the whole window stands for minimising it: the drawing stays.
    window.hide();
    window.show();
    QCOMPARE(box->strokes().size(), 1u);

    box->setVisible(false);
    box->setVisible(true);
    QVERIFY(box->strokes().empty());
    const QRect inner = box->contentsRect();
    QImage blank(inner.size(), QImage::Format_RGB32);
    blank.fill(kBackground);
    QCOMPARE(box->grab().toImage().copy(inner).convertToFormat(QImage::Format_RGB32), blank);
  }
};

QTEST_MAIN(TestDrawingBox)
#include "tst_drawing_box.moc"
