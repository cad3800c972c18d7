#include "test_main.h"
#include "ui/colours.h"

class ColoursTest : public QObject
{
    Q_OBJECT
private slots:
    void contrastRatio_data();
    void contrastRatio();
    void readableShade_data();
    void readableShade();
};

void ColoursTest::contrastRatio_data()
{
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("ratio");

    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("the same") << QColor(Qt::gray) << QColor(Qt::gray) << 1.0;
    QTest::newRow("either way round") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << 3.998;
    QTest::newRow("blue on white") << QColor(Qt::blue) << QColor(Qt::white) << 8.592;
    QTest::newRow("the lightest grey for text")
        << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.542;
}

void ColoursTest::contrastRatio()
{
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(ui::contrastRatio(first, second) - ratio) < 0.001,
        qPrintable(QString::number(ui::contrastRatio(first, second))));
}

void ColoursTest::readableShade_data()
{
    QTest::addColumn<QColor>("hue");
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<bool>("darker");

    QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << true;
    QTest::newRow("red on dark grey") << QColor(Qt::red) << QColor(49, 54, 59) << false;
    QTest::newRow("blue on dark grey") << QColor(Qt::blue) << QColor(62, 68, 74) << false;
    QTest::newRow("blue on white, readable as it is")
        << QColor(Qt::blue) << QColor(Qt::white) << false;
}

// The shade reads, keeps the hue, and goes no further than it must.
void ColoursTest::readableShade()
{
    QFETCH(QColor, hue);
    QFETCH(QColor, ground);
    QFETCH(bool, darker);

    const QColor shade = ui::readableShade(hue, {ground}, ui::kTextContrast);
    QVERIFY(ui::contrastRatio(shade, ground) >= ui::kTextContrast);
    QCOMPARE(shade.hslHue(), hue.hslHue());
    QCOMPARE(shade.hslSaturation(), hue.hslSaturation());
    if (ui::contrastRatio(hue, ground) >= ui::kTextContrast)
        QCOMPARE(shade, hue);
    else
        QCOMPARE(shade.lightness() < hue.lightness(), darker);
    if (shade != hue)
        QVERIFY(ui::contrastRatio(shade, ground) < ui::kTextContrast + 0.3);
}

TAVILON_ENGINE_TEST_MAIN(ColoursTest)
#include "colours_test.moc"
