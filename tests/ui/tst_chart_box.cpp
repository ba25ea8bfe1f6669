// The chart box of the main window beyond the chart's strokes: the tooltip
// of the day under the pointer, the accessible description, and its lines
// on a screen at scale factor 2 (this test runs with QT_SCALE_FACTOR=2).
#include <QAccessible>
#include <QToolTip>
#include <QtTest>

#include "biorhythm.h"
#include "biorythm.h"
#include "chart_reading.h"
#include "drawing_box.h"
#include "form_fixture.h"

using namespace norvane;

namespace {

constexpr double kElapsed = 6808;

struct Chart : FormFixture {
  DrawingBox* box = form->sinPicture1;
  Chart() {
    box->Scale({0, 128}, {360, 0});
    form->show();
    // The read-outs follow the latest drawing, not the first.
    Biorythm::draw_biorhythm(*form, 100, ymd(2000, 1, 1));
    Biorythm::draw_biorhythm(*form, kElapsed, ymd(2026, 12, 6));
  }
  QString tooltip_at(double user_x) {
    const QPoint pos = box->to_widget({user_x, 64}).toPoint();
    QHelpEvent event(QEvent::ToolTip, pos, box->mapToGlobal(pos));
    QCoreApplication::sendEvent(box, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  }
  QString description() const {
    return QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
  }
};

}  // namespace

class TestChartBox : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void tooltip_data() {
    QTest::addColumn<double>("x");  // chart units, 12 a day
    QTest::addColumn<int>("day");
    QTest::newRow("on the frame, left of the chart") << -1.0 << 0;
    QTest::newRow("nearer day 5") << 12 * 5.3 << 5;
    QTest::newRow("nearer day 6") << 12 * 5.7 << 6;
    QTest::newRow("right edge") << 360.0 << 30;
  }
  void tooltip() {
    QFETCH(double, x);
    QFETCH(int, day);
    Chart c;
    const QImage before = c.box->grab().toImage();
    const auto reading = chart_day_reading(kElapsed, ymd(2026, 12, 6), day);
    QCOMPARE(c.tooltip_at(x), QString::fromStdU16String(chart_day_caption(reading)));
    QCOMPARE(c.box->grab().toImage(), before);  // only read, never drawn
  }

  void description_and_blank_box() {
    Chart c;
    QCOMPARE(c.description(),
             "31日間のバイオリズムのグラフ。初日 2026/12/06（日）　身体 +0%（注意日）　感情 "
             "+78%　知性 +95%。Alt+A キーで相性を、Alt+C キーで注意日一覧を開きます");
    QVERIFY(!c.tooltip_at(180).isEmpty());
    c.box->setVisible(false);
    c.box->setVisible(true);
    QCOMPARE(c.description(), "グラフは空白です");
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QCOMPARE(c.tooltip_at(180), QString());
  }

  void lines_at_device_resolution() {
    Chart c;
    QVERIFY(QTest::qWaitForWindowExposed(c.form.get()));
    const QImage image = c.box->grab().toImage();
    QCOMPARE(image.size(), c.box->size() * 2);
    const auto device = [&](double x, double y) {
      return (c.box->to_widget({x, y}) * 2).toPoint();
    };

    // A quarter into each day, clear of the grid and of where the curves
    // cross the axis, the axis is the only black down the column: one
    // device pixel, not a logical pixel scaled up.
    for (int day = 0; day < 30; ++day) {
      const QPoint axis = device(12.0 * day + 3, 64);
      QList<int> rows;
      for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(axis.x(), y) == QColor(Qt::black)) rows << y;
      }
      QCOMPARE(rows, QList<int>{axis.y()});
    }
    // The physical curve, drawn last, passes through the device pixel
    // nearest each of its points, many of them between logical rows.
    int between_logical_rows = 0;
    for (int day = 0; day <= 30; ++day) {
      const QPoint point = device(12.0 * day, rhythm_y(kElapsed + day, 23));
      QCOMPARE(image.pixelColor(point), QColor(255, 128, 128));
      between_logical_rows += point.y() % 2;
    }
    QVERIFY(between_logical_rows > 5);
  }
};

QTEST_MAIN(TestChartBox)
#include "tst_chart_box.moc"
