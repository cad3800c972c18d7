#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/voltage_drop_settings.h"
#include "sheet/calc_sheet.h"
#include "test_main.h"

#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

// The Print buttons of the calculator pages, through to the results sheet.
class ReportFlowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void faultReportGoesToTheSheet();

private:
    QPushButton* button(const char* name) const
    {
        return m_windows->mainWindow()->findChild<QPushButton*>(QLatin1String(name));
    }
    QString sheetText() const { return m_windows->calcSheet()->document()->toPlainText(); }

    VoltageDropSettings m_settings;
    ProgramWindows* m_windows = nullptr;
};

void ReportFlowTest::init()
{
    m_settings = {};
    m_windows = new ProgramWindows(m_settings);
    QVERIFY(QTest::qWaitForWindowExposed(m_windows->showMainWindow()));
}

void ReportFlowTest::cleanup()
{
    // Windows own popups that are top-level widgets too: delete through guards.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget>& window : windows)
        delete window;
    delete m_windows;
}

void ReportFlowTest::faultReportGoesToTheSheet()
{
    m_windows->mainWindow()->tabs()->setCurrentIndex(MainWindow::ShortCircuitTab);
    QTest::mouseClick(button("cmdCalcFault"), Qt::LeftButton);
    QVERIFY(!m_windows->calcSheet());
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    QVERIFY(m_windows->calcSheet());
    QVERIFY(m_windows->calcSheet()->isVisible());

    const QString report = QStringLiteral("Calculation Type: Short Circuit Current\n\n");
    const QString body
        = QStringLiteral("\n\n\n\nThree Phase System\n\n\n"
                         "13,000 Fault Amperes Available at Breaker\n\n\n"
                         "208 V Secondary Line-to-Line Voltage\n"
                         "Wire Size:         Terminals\n"
                         "Wires per Phase: 1\n"
                         "Length of Run:    0 Feet\n"
                         "Conduit Type:    Magnetic\n"
                         "Wire Type:    Three Single Conductors\n\n"
                         "13,000 Amps Fault Available at End of Circuit\n\n\n\n\n\n"
                         "Calculations Methods per COOPER BUSSMANN Bulletin EPR-1\n"
                         "Point-To-Point Method of Short-Circuit Calculation Formulas and Example");
    QString text = sheetText();
    QVERIFY2(text.contains(QStringLiteral("Equipment No:\n\n\n\n") + report), qPrintable(text));
    QVERIFY2(text.endsWith(body), qPrintable(text));
    QCOMPARE(text.count(QStringLiteral("Calculation Type:")), 1);

    // A second press appends the report again, right after the first.
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    text = sheetText();
    QCOMPARE(text.count(QStringLiteral("Calculation Type: Short Circuit Current")), 2);
    QVERIFY(text.contains(QStringLiteral("Example") + report));
}

TAVILON_WIDGET_TEST_MAIN(ReportFlowTest)
#include "report_flow_test.moc"
