// The icon the program shows is the icon's drawing, at both sizes.
#include <QtTest>

#include "app_icon.h"
#include "icon_art.h"

class TestAppIcon : public QObject {
  Q_OBJECT
 private slots:
  void shows_the_drawing_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("small") << 16;
    QTest::newRow("large") << 32;
  }
  void shows_the_drawing() {
    QFETCH(int, size);
    const QIcon icon = norvane::app_icon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage shown = icon.pixmap(QSize(size, size))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown, norvane::draw_app_icon(size));
  }
};

QTEST_MAIN(TestAppIcon)
#include "tst_app_icon.moc"
