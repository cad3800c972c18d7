#include "views.h"

#include "app/main_window.h"
#include "app/program_windows.h"
#include "find_control.h"
#include "message_box_catcher.h"
#include "sheet/calc_sheet.h"
#include "user_actions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <functional>

namespace testsupport {

namespace {

// The user at the program's windows.
class User
{
public:
    User(ProgramWindows& windows, MainWindow* window)
        : m_windows(windows)
        , m_window(window)
    { }

    QWidget* main() const { return m_window; }
    // Turns to a page of the main window.
    QWidget* page(MainWindow::Page page) const
    {
        m_window->tabs()->setCurrentIndex(page);
        return m_window;
    }
    // A missing control fails the test at the step that names it.
    [[nodiscard]] bool click(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return clickOnMark(findControl<QAbstractButton>(m_window, name, where));
    }
    void type(const QString& box, const QString& text,
        std::source_location where = std::source_location::current()) const
    {
        typeIn(m_window, box, text, where);
    }
    [[nodiscard]] bool choose(const QString& list, const QString& item,
        std::source_location where = std::source_location::current()) const
    {
        return chooseFromList(findControl<QComboBox>(m_window, list, where), item);
    }
    // In a window of its own: a box, or the text box of an editable list.
    static void typeIn(QWidget* window, const QString& box, const QString& text,
        std::source_location where = std::source_location::current())
    {
        QWidget* control = findControl(window, box, where);
        auto* list = qobject_cast<QComboBox*>(control);
        QLineEdit* edit = list ? list->lineEdit() : qobject_cast<QLineEdit*>(control);
        if (!edit)
            edit = findControl<QLineEdit>(window, box, where);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    QWidget* about() const
    {
        m_window->showAbout();
        QWidget* about = shownWindow(QStringLiteral("AboutRudu_Vovor"));
        return QTest::qWaitForWindowExposed(about) ? about : nullptr;
    }
    QWidget* sheet() const { return m_windows.calcSheet(); }
    // Tools ▸ Raceway Fill, a window of its own that the main window owns.
    QWidget* racewayFill() const
    {
        m_window->showRacewayFill();
        QWidget* tool = shownWindow(QStringLiteral("RacewayFill"));
        return tool && QTest::qWaitForWindowExposed(tool) ? tool : nullptr;
    }
    // Fills a group of the Raceway Fill window as its user does.
    [[nodiscard]] bool fillGroup(
        int row, const QString& count, const QString& size, const QString& insulation) const
    {
        if (!choose(QStringLiteral("rfSize(%1)").arg(row), size)
            || !choose(QStringLiteral("rfInsulation(%1)").arg(row), insulation))
            return false;
        type(QStringLiteral("rfCount(%1)").arg(row), count);
        return true;
    }
    // Tools ▸ Circuit Check, with `typed` (box and text, one after the other) typed in.
    QWidget* circuitCheck(const QStringList& typed = {}) const
    {
        m_window->showCircuitCheck();
        QWidget* window = shownWindow(QStringLiteral("CircuitCheck"));
        if (!window || !QTest::qWaitForWindowExposed(window))
            return nullptr;
        for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
            typeIn(window, typed[i], typed[i + 1]);
        // The reasons shown lay the window out again, once the events of the typing are in.
        QTest::qWait(20);
        return window;
    }

private:
    ProgramWindows& m_windows;
    MainWindow* m_window;
};

struct View
{
    const char* name;
    // Brings the view forward and returns its window; null when a step failed.
    std::function<QWidget*(const User&)> bringForward;
};

// Long inputs and results: a history of ten slots with two-digit drops, the longest
// caution, the largest sizes, six-digit currents.
const View kViews[] = {
    {"voltage drop, size search",
        [](const User& user) { return user.page(MainWindow::VoltageDropTab); }},
    {"voltage drop, fixed size in parallel",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::VoltageDropTab);
            if (!user.click(QStringLiteral("VD_CALC(0)"))
                || !user.click(QStringLiteral("ckWiresParallel")))
                return nullptr;
            user.type(QStringLiteral("txtNumberOfWires"), QStringLiteral("12"));
            return user.main();
        }},
    {"voltage drop, direct current",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::VoltageDropTab);
            if (!user.click(QStringLiteral("VD_CALC(0)"))
                || !user.click(QStringLiteral("VD_PHASE(2)"))
                || !user.click(QStringLiteral("rbTemp(1)"))
                || !user.choose(QStringLiteral("cbWireSize"), QStringLiteral("   16 awg")))
                return nullptr;
            user.type(QStringLiteral("txtLength"), QStringLiteral("150"));
            return user.main();
        }},
    {"voltage drop, history",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::VoltageDropTab);
            if (!user.choose(QStringLiteral("cbVolts"), QStringLiteral("120")))
                return nullptr;
            user.type(QStringLiteral("txtLoad"), QStringLiteral("20"));
            user.type(QStringLiteral("txtLength"), QStringLiteral("2000"));
            if (!user.click(QStringLiteral("btnCalculate")))
                return nullptr;
            return user.main();
        }},
    {"conduit sizer",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::ConduitSizerTab);
            for (int i = 0; i < 10; ++i) {
                if (!user.choose(
                        QStringLiteral("cbCondWireSize(%1)").arg(i), QStringLiteral("  750 kcmil")))
                    return nullptr;
                user.type(QStringLiteral("txCondWireNumber(%1)").arg(i), QStringLiteral("40"));
            }
            if (!user.click(QStringLiteral("cmdCalcCondSize")))
                return nullptr;
            return user.main();
        }},
    {"short circuit, breaker",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::ShortCircuitTab);
            user.type(QStringLiteral("txtFaultUtility"), QStringLiteral("1000000"));
            if (!user.choose(QStringLiteral("cmbFaultWireSize"), QStringLiteral("1000 kcmil"))
                || !user.click(QStringLiteral("cmdCalcFault")))
                return nullptr;
            return user.main();
        }},
    {"short circuit, transformer",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::ShortCircuitTab);
            if (!user.click(QStringLiteral("opShortType(0)"))
                || !user.choose(QStringLiteral("cmbFaultWireSize"), QStringLiteral("1000 kcmil"))
                || !user.click(QStringLiteral("cmdCalcFault")))
                return nullptr;
            return user.main();
        }},
    {"short circuit, known primary",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::ShortCircuitTab);
            if (!user.click(QStringLiteral("opShortType(0)"))
                || !user.click(QStringLiteral("opAvalible(1)")))
                return nullptr;
            user.type(QStringLiteral("txtFaultUtility"), QStringLiteral("1000000"));
            if (!user.click(QStringLiteral("cmdCalcFault")))
                return nullptr;
            return user.main();
        }},
    {"design data, transformers",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::DesignDataTab);
            if (!user.click(QStringLiteral("cmdTransfomers")))
                return nullptr;
            return user.main();
        }},
    {"design data, motors",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::DesignDataTab);
            if (!user.click(QStringLiteral("cmdMotors")))
                return nullptr;
            return user.main();
        }},
    {"design data, wire ampacities",
        [](const User& user) { return user.page(MainWindow::DesignDataTab); }},
    {"introduction", [](const User& user) { return user.page(MainWindow::IntroductionTab); }},
    {"about", [](const User& user) { return user.about(); }},
    {"raceway fill, empty", [](const User& user) { return user.racewayFill(); }},
    {"raceway fill, three groups",
        [](const User& user) -> QWidget* {
            QWidget* tool = user.racewayFill();
            if (!tool
                || !user.choose(QStringLiteral("rfRaceway"), QStringLiteral("PVC Schedule 80"))
                || !user.fillGroup(0, QStringLiteral("3"), QStringLiteral("500 kcmil"),
                    QStringLiteral("THHN/THWN-2"))
                || !user.fillGroup(
                    1, QStringLiteral("1"), QStringLiteral("1/0 AWG"), QStringLiteral("Bare"))
                || !user.fillGroup(
                    2, QStringLiteral("2"), QStringLiteral("12 AWG"), QStringLiteral("XHHW-2")))
                return nullptr;
            return tool;
        }},
    {"raceway fill, rows marked",
        [](const User& user) -> QWidget* {
            QWidget* tool = user.racewayFill();
            if (!tool
                || !user.fillGroup(0, QStringLiteral("10"), QStringLiteral("12 AWG"),
                    QStringLiteral("THHN/THWN-2"))
                || !user.fillGroup(1, QStringLiteral("3"), QStringLiteral("2000 kcmil"),
                    QStringLiteral("THHN/THWN-2"))
                || !user.fillGroup(2, QStringLiteral("2.5"), QStringLiteral("12 AWG"),
                    QStringLiteral("THHN/THWN-2")))
                return nullptr;
            return tool;
        }},
    // Every row holds a thousand, and no trade size holds them.
    {"raceway fill, twenty rows",
        [](const User& user) -> QWidget* {
            QWidget* tool = user.racewayFill();
            for (int i = 0; tool && i < 10; ++i) {
                if (!user.click(QStringLiteral("rfAddGroup")))
                    return nullptr;
            }
            if (!tool
                || !user.choose(QStringLiteral("rfRaceway"), QStringLiteral("PVC Schedule 80"))
                || !user.click(QStringLiteral("rfNipple")))
                return nullptr;
            for (int row = 0; row < 20; ++row)
                user.type(QStringLiteral("rfCount(%1)").arg(row), QStringLiteral("1000"));
            if (!user.fillGroup(19, QStringLiteral("1000"), QStringLiteral("2000 kcmil"),
                    QStringLiteral("XHHW-2")))
                return nullptr;
            return tool;
        }},
    {"circuit check, empty", [](const User& user) { return user.circuitCheck(); }},
    {"circuit check, feeder",
        [](const User& user) {
            return user.circuitCheck({"ccLoad", "400", "ccAmbient", "40", "ccLength", "250",
                "ccFaultAmps", "42000", "ccMotorAmps", "100"});
        }},
    // The narrowest room it reads in, with the longest verdict: a given device below the
    // load's and no raceway of the type that holds one set of 1000 kcmil.
    {"circuit check, 800 x 600, failing checks",
        [](const User& user) -> QWidget* {
            QWidget* window = user.circuitCheck({"ccLoad", "400", "ccLength", "250", "ccOcpd",
                "400", "ccSets", "1", "ccDropUpstream", "1.5"});
            if (!window
                || !chooseFromList(findControl<QComboBox>(window, QStringLiteral("ccRaceway")),
                    QStringLiteral("ENT")))
                return nullptr;
            // Larger text needs more room than that; the window keeps what its layout needs.
            const QSize room = QSize(800, 600).expandedTo(window->minimumSize());
            window->resize(room);
            return QTest::qWaitFor([window, room] { return window->size() == room; }) ? window
                                                                                      : nullptr;
        }},
    // The longest reasons, each at its field, and the list of them.
    {"circuit check, invalid inputs",
        [](const User& user) {
            return user.circuitCheck({"ccLoad", "400", "ccOcpd", "7000", "ccAmbient", "-300",
                "ccConductorCount", "61", "ccLength", "100001", "ccFaultAmps", "400000"});
        }},
    {"sheet",
        [](const User& user) -> QWidget* {
            user.page(MainWindow::ShortCircuitTab);
            if (!user.click(QStringLiteral("cmdCalcFault"))
                || !user.click(QStringLiteral("cmdPrint")))
                return nullptr;
            return user.sheet();
        }},
};

} // namespace

QStringList viewNames()
{
    QStringList names;
    for (const View& view : kViews)
        names << QLatin1String(view.name);
    return names;
}

QWidget* showView(ProgramWindows& windows, const QString& name)
{
    MainWindow* window = windows.showMainWindow();
    if (!QTest::qWaitForWindowActive(window))
        return nullptr;
    MessageBoxCatcher catcher; // refusals of long inputs are part of the walk
    for (const View& view : kViews) {
        if (name == QLatin1String(view.name))
            return view.bringForward(User(windows, window));
    }
    return nullptr;
}

} // namespace testsupport
