// The chart box of the main window beyond the chart's strokes: the tooltip
// of the day under the pointer and the accessible description.
#include <QAccessible>
#include <QToolTip>
#include <QtTest>

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
             "+78%　知性 +95%");
    QVERIFY(!c.tooltip_at(180).isEmpty());
    c.box->setVisible(false);
    c.box->setVisible(true);
    QCOMPARE(c.description(), "グラフは空白です");
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QCOMPARE(c.tooltip_at(180), QString());
  }
};

QTEST_MAIN(TestChartBox)
#include "tst_chart_box.moc"
