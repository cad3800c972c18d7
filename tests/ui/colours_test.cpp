#include "test_main.h"
#include "ui/colours.h"

class ColoursTest : public QObject
{
    Q_OBJECT
private slots:
    void contrastRatio_data();
    void contrastRatio();
};

void ColoursTest::contrastRatio_data()
{
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("ratio");

    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("the same") << QColor(Qt::gray) << QColor(Qt::gray) << 1.0;
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

TAVILON_ENGINE_TEST_MAIN(ColoursTest)
#include "colours_test.moc"
