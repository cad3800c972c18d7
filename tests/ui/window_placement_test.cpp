#include "test_main.h"
#include "ui/window_placement.h"

class WindowPlacementTest : public QObject
{
    Q_OBJECT
private slots:
    void besideWindow_data();
    void besideWindow();
};

void WindowPlacementTest::besideWindow_data()
{
    QTest::addColumn<QRect>("anchorFrame");
    QTest::addColumn<QRect>("anchorInside");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");

    // A 1024-pixel screen. The anchor's frame is 4 pixels on each side, 24 on top.
    const QRect anchorInside(104, 124, 582, 454);
    const QRect anchorFrame = anchorInside.adjusted(-4, -24, 4, 4);
    QTest::newRow("room on the right")
        << anchorFrame << anchorInside << QSize(300, 400) << QPoint(698, 100); // 690 + 8
    // 619 + 8 frame = 627 wide: it must start at 1024 - 627 = 397 to end at 1023.
    QTest::newRow("moved left by its frame too")
        << anchorFrame << anchorInside << QSize(619, 512) << QPoint(397, 100);
    QTest::newRow("ends exactly at the edge")
        << anchorFrame << anchorInside << QSize(318, 512) << QPoint(698, 100); // 698 + 326
    QTest::newRow("one pixel more moves it")
        << anchorFrame << anchorInside << QSize(319, 512) << QPoint(697, 100);
    QTest::newRow("never past the left edge")
        << anchorFrame << anchorInside << QSize(1100, 512) << QPoint(0, 100);
    QTest::newRow("no frame") << anchorInside << anchorInside << QSize(619, 512)
                              << QPoint(405, 124);
}

void WindowPlacementTest::besideWindow()
{
    QFETCH(QRect, anchorFrame);
    QFETCH(QRect, anchorInside);
    QFETCH(QSize, size);
    QTEST(ui::besideWindow(anchorFrame, anchorInside, size, QRect(0, 0, 1024, 768)), "position");
}

TAVILON_ENGINE_TEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
