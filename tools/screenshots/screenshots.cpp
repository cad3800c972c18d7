// Drives the real windows through the worked examples of the README and saves a picture
// of each page, Circuit Check, the About window and the results sheet.
//   tavilon_screenshots <output directory>

#include "app/application_setup.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "sheet/calc_sheet.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <utility>

namespace {

class Session
{
public:
    Session(const QString& directory)
        : m_windows(m_calculator)
        , m_directory(directory)
    {
        m_main = m_windows.showMainWindow();
        if (!QTest::qWaitForWindowExposed(m_main))
            qFatal("the main window did not show");
    }

    template<typename T = QWidget>
    T* find(const char* name, QWidget* window = nullptr) const
    {
        T* widget = (window ? window : m_main)->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control named %s", name);
        return widget;
    }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    void type(const char* name, const QString& text, QWidget* window = nullptr)
    {
        auto* box = find<QLineEdit>(name, window);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void choose(const char* name, const QString& item)
    {
        auto* list = find<QComboBox>(name);
        const int index = list->findText(item);
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
            view->visualRect(view->model()->index(index, 0)).center());
    }
    void page(MainWindow::Page page) { m_main->tabs()->setCurrentIndex(page); }
    void save(QWidget* window, const QString& name)
    {
        QTest::qWait(50);
        window->grab().save(QDir(m_directory).filePath(name + QStringLiteral(".png")));
    }
    void save(const QString& name) { save(m_main, name); }
    ProgramWindows& windows() { return m_windows; }

private:
    VoltageDropCalculator m_calculator;
    ProgramWindows m_windows;
    MainWindow* m_main = nullptr;
    QString m_directory;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    configureApplication(application);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(directory);
    Session session(directory);

    session.save(QStringLiteral("introduction"));

    // Voltage drop: 100 A at 480 V three-phase over 200 ft, the branch size at 3 %.
    session.page(MainWindow::VoltageDropTab);
    session.type("txtLoad", QStringLiteral("100"));
    session.type("txtLength", QStringLiteral("200"));
    session.click("btnCalculate");
    session.save(QStringLiteral("voltage-drop"));
    session.click("btnCalc_Sheet");

    // A load that needs parallel sets: 600 A over 500 ft.
    session.type("txtLoad", QStringLiteral("600"));
    session.type("txtLength", QStringLiteral("500"));
    session.click("btnCalculate");
    session.save(QStringLiteral("voltage-drop-parallel-sets"));

    // Conduit: three 12 awg THHN and two 10 awg THW.
    session.page(MainWindow::ConduitSizerTab);
    session.choose("cbCondWireSize(0)", QStringLiteral("   12 awg"));
    session.type("txCondWireNumber(0)", QStringLiteral("3"));
    session.choose("cbCondWireSize(1)", QStringLiteral("   10 awg"));
    session.click("Option1(3)");
    session.type("txCondWireNumber(1)", QStringLiteral("2"));
    session.click("cmdCalcCondSize");
    session.save(QStringLiteral("conduit-sizer"));

    // Fault current: 500 kVA, 5.2 %Z, 208 V from an infinite bus, 100 ft of 4/0 copper.
    session.page(MainWindow::ShortCircuitTab);
    session.save(QStringLiteral("short-circuit-breaker"));
    session.click("opShortType(0)");
    session.choose("cmbFaultWireSize", QStringLiteral("  4/0 awg"));
    session.type("txtFeet", QStringLiteral("100"));
    session.click("cmdCalcFault");
    session.save(QStringLiteral("short-circuit"));
    session.click("cmdPrint");

    session.page(MainWindow::DesignDataTab);
    session.save(QStringLiteral("design-data"));

    CalcSheet* sheet = session.windows().calcSheet();
    sheet->document()->verticalScrollBar()->setValue(0);
    session.save(sheet, QStringLiteral("results-sheet"));

    // Circuit Check: the 400 A feeder of the README, sent to the sheet.
    session.windows().mainWindow()->showCircuitCheck();
    QWidget* circuitCheck = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("CircuitCheck"))
            circuitCheck = window;
    if (!circuitCheck || !QTest::qWaitForWindowExposed(circuitCheck))
        qFatal("Circuit Check did not show");
    for (const auto& [box, text] : {std::pair {"ccLoad", "400"}, {"ccAmbient", "40"},
             {"ccLength", "250"}, {"ccFaultAmps", "42000"}, {"ccMotorAmps", "100"}})
        session.type(box, QLatin1String(text), circuitCheck);
    session.save(circuitCheck, QStringLiteral("circuit-check"));
    circuitCheck->close();

    session.page(MainWindow::IntroductionTab);
    session.windows().mainWindow()->showAbout();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("AboutRudu_Vovor"))
            session.save(window, QStringLiteral("about"));
    return 0;
}
