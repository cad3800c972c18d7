#include "app/main_window.h"
#include "fault/short_circuit_page.h"
#include "find_control.h"
#include "message_box_catcher.h"
#include "test_main.h"
#include "ui/twips.h"
#include "user_actions.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>

namespace {

enum class Mode
{
    Breaker,
    InfinitePrimary,
    KnownPrimary,
};

} // namespace

using testsupport::chooseFromList;
using testsupport::clickOnMark;

class ShortCircuitPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsInBreakerMode();
    void panelCoversTheTransformerFields();
    void modes_data();
    void modes();
    void phaseGuard_data();
    void phaseGuard();
    void conductorConstantFollowsTheChoices();
    void typedWireSizeIsEmptied();
    void infiniteTransformer();
    void knownPrimary();
    void singlePhaseTransformer();
    void breaker();
    void overflowKeepsTheRunsCaption();
    void numbersInTheUserLocale_data();
    void numbersInTheUserLocale();
    void refusals_data();
    void refusals();
    void printHandsOverThePage();
    void panelGoesHomeWithThePage();

private:
    // A new page, shown at its size in the main window and active.
    [[nodiscard]] bool openPage();
    // The page's controls. A missing one fails the test at the line that asked for it.
    template<typename T>
    T* find(const QString& name, std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<T>(m_page, name, where);
    }
    QRadioButton* option(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return find<QRadioButton>(name, where);
    }
    QLineEdit* edit(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return find<QLineEdit>(name, where);
    }
    QComboBox* list(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return find<QComboBox>(name, where);
    }
    QString caption(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return find<QLabel>(name, where)->text();
    }

    static void type(QLineEdit* box, const QString& text);
    [[nodiscard]] bool clickOption(
        const QString& name, std::source_location where = std::source_location::current())
    {
        return clickOnMark(option(name, where));
    }
    [[nodiscard]] bool calculate(std::source_location where = std::source_location::current())
    {
        return clickOnMark(find<QPushButton>(QStringLiteral("cmdCalcFault"), where));
    }

    QPointer<ShortCircuitPage> m_page;
};

void ShortCircuitPageTest::init()
{
    QVERIFY(openPage());
}

void ShortCircuitPageTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
}

bool ShortCircuitPageTest::openPage()
{
    m_page = new ShortCircuitPage;
    m_page->resize(582, 400);
    m_page->show();
    return testsupport::activate(m_page);
}

void ShortCircuitPageTest::type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

// What the page shows in a mode. A macro, so that a failed comparison ends the test itself
// and QCOMPARE shows both values.
#define VERIFY_MODE(mode)                                                                          \
    do {                                                                                           \
        const Mode pageMode = (mode);                                                              \
        const bool transformer = pageMode != Mode::Breaker;                                        \
        const bool primaryGiven = pageMode != Mode::InfinitePrimary;                               \
        QCOMPARE(option(QStringLiteral("opShortType(0)"))->isChecked(), transformer);              \
        QCOMPARE(option(QStringLiteral("opShortType(1)"))->isChecked(), !transformer);             \
        QCOMPARE(option(QStringLiteral("opAvalible(0)"))->isChecked(), !primaryGiven);             \
        QCOMPARE(option(QStringLiteral("opAvalible(1)"))->isChecked(), primaryGiven);              \
        QCOMPARE(option(QStringLiteral("opAvalible(0)"))->isEnabled(), transformer);               \
        QCOMPARE(edit(QStringLiteral("txtFaultUtility"))->isEnabled(), primaryGiven);              \
        QCOMPARE(list(QStringLiteral("cbVoltsPri"))->isEnabled(), pageMode == Mode::KnownPrimary); \
        QCOMPARE(edit(QStringLiteral("txXfmrVA"))->isEnabled(), transformer);                      \
        QCOMPARE(edit(QStringLiteral("txXfmrZ"))->isEnabled(), transformer);                       \
        QCOMPARE(find<QWidget>(QStringLiteral("Picture1"))->isVisible(), !transformer);            \
        QCOMPARE(find<QWidget>(QStringLiteral("Picture2"))->isVisible(), transformer);             \
        QCOMPARE(find<QWidget>(QStringLiteral("Picture3"))->isVisible(), !transformer);            \
    } while (false)

void ShortCircuitPageTest::startsInBreakerMode()
{
    VERIFY_MODE(Mode::Breaker);
    QVERIFY(option(QStringLiteral("opPhase(0)"))->isChecked());
    QVERIFY(option(QStringLiteral("opPhase(0)"))->isEnabled());
    QVERIFY(option(QStringLiteral("opCableType(0)"))->isChecked());
    QVERIFY(option(QStringLiteral("opMagneticCon(0)"))->isChecked());

    const QFont resultFont = find<QLabel>(QStringLiteral("lblFault(0)"))->font();
    QCOMPARE(resultFont.pointSize(), 12);
    QVERIFY(resultFont.bold());

    QCOMPARE(edit(QStringLiteral("txtFaultUtility"))->text(), QStringLiteral("13000"));
    QCOMPARE(edit(QStringLiteral("txXfmrVA"))->text(), QStringLiteral("500 "));
    QCOMPARE(edit(QStringLiteral("txXfmrZ"))->text(), QStringLiteral("5.2"));
    QCOMPARE(edit(QStringLiteral("txtNumbPhaseCond"))->text(), QStringLiteral("1"));
    QCOMPARE(edit(QStringLiteral("txtFeet"))->text(), QStringLiteral("0"));

    auto items = [](QComboBox* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    };
    QComboBox* primary = list(QStringLiteral("cbVoltsPri"));
    QCOMPARE(primary->currentText(), QStringLiteral("480"));
    QCOMPARE(items(primary), QStringList({"13800", "12600", "  4160", "    480", "    240"}));
    QComboBox* secondary = list(QStringLiteral("cbFaultVoltage"));
    QCOMPARE(secondary->currentText(), QStringLiteral("208"));
    QCOMPARE(items(secondary), QStringList({"4160", "480", "277", "240", "208", "120"}));
    QComboBox* sizes = list(QStringLiteral("cmbFaultWireSize"));
    QCOMPARE(sizes->currentText(), QStringLiteral("Terminals"));
    QCOMPARE(sizes->count(), 22);
    QCOMPARE(sizes->itemText(0), QStringLiteral("   14 awg"));
    QCOMPARE(sizes->itemText(3), QStringLiteral("     8 awg"));
    QCOMPARE(sizes->itemText(12), QStringLiteral("  4/0 awg"));
    QCOMPARE(sizes->itemText(20), QStringLiteral("1000 kcmil"));
    QCOMPARE(sizes->itemText(21), QStringLiteral("Terminals"));

    QCOMPARE(m_page->SourceFaultAmps(), 0.0);
    QCOMPARE(m_page->ConductorC(), 0);
}

void ShortCircuitPageTest::panelCoversTheTransformerFields()
{
    QWidget* panel = find<QWidget>(QStringLiteral("Picture3"));
    const QWidgetList children = m_page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const char* name : {"Label29", "cbVoltsPri", "Label24", "txXfmrVA", "Label28", "txXfmrZ",
             "lblXfmrFLA", "lblXfmrISC"}) {
        QWidget* field = find<QWidget>(QLatin1String(name));
        QVERIFY2(panel->geometry().contains(field->geometry()), name);
        // Later children are drawn over earlier ones.
        QVERIFY2(children.indexOf(panel) > children.indexOf(field), name);
        QVERIFY2(panel->isVisible() && m_page->childAt(field->geometry().center()) == panel, name);
    }
    // A breaker needs no transformer fields, but its own fault current stays in view.
    QVERIFY(!panel->geometry().intersects(edit(QStringLiteral("txtFaultUtility"))->geometry()));
}

void ShortCircuitPageTest::modes_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("mode");

    QTest::newRow("transformer") << QStringList {"opShortType(0)"} << int(Mode::InfinitePrimary);
    QTest::newRow("transformer, given primary")
        << QStringList {"opShortType(0)", "opAvalible(1)"} << int(Mode::KnownPrimary);
    QTest::newRow("given primary, back to infinity") << QStringList {"opShortType(0)",
        "opAvalible(1)", "opAvalible(0)"} << int(Mode::InfinitePrimary);
    QTest::newRow("given primary, then breaker")
        << QStringList {"opShortType(0)", "opAvalible(1)", "opShortType(1)"} << int(Mode::Breaker);
    QTest::newRow("transformer, then breaker")
        << QStringList {"opShortType(0)", "opShortType(1)"} << int(Mode::Breaker);
    QTest::newRow("breaker, then transformer again")
        << QStringList {"opShortType(0)", "opAvalible(1)", "opShortType(1)", "opShortType(0)"}
        << int(Mode::InfinitePrimary);
    QTest::newRow("infinity is out of reach for a breaker")
        << QStringList {"opAvalible(0)"} << int(Mode::Breaker);
}

void ShortCircuitPageTest::modes()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, mode);
    for (const QString& name : clicks)
        QVERIFY(clickOption(name));
    VERIFY_MODE(Mode(mode));
    // Disabled fields keep what they hold.
    QCOMPARE(edit(QStringLiteral("txXfmrVA"))->text(), QStringLiteral("500 "));
    QCOMPARE(edit(QStringLiteral("txtFaultUtility"))->text(), QStringLiteral("13000"));
    QCOMPARE(list(QStringLiteral("cbVoltsPri"))->currentText(), QStringLiteral("480"));
}

void ShortCircuitPageTest::phaseGuard_data()
{
    QTest::addColumn<QString>("how"); // "choose" or "type"
    QTest::addColumn<QString>("first");
    QTest::addColumn<bool>("firstSinglePhaseOnly");
    QTest::addColumn<QString>("then");
    QTest::addColumn<bool>("thenSinglePhaseOnly");

    QTest::newRow("chosen 120, then 208") << "choose"
                                          << "120" << true << "208" << false;
    QTest::newRow("chosen 277, then 4160") << "choose"
                                           << "277" << true << "4160" << false;
    QTest::newRow("chosen 480, then 120") << "choose"
                                          << "480" << false << "120" << true;
    QTest::newRow("typed 120, then 480") << "type"
                                         << "120" << true << "480" << false;
    QTest::newRow("typed 277, then 2770") << "type"
                                          << "277" << true << "2770" << false;
    QTest::newRow("typed with a blank") << "type"
                                        << " 120" << false << "277" << true;
    QTest::newRow("typed with decimals") << "type"
                                         << "120.0" << false << "120" << true;
}

void ShortCircuitPageTest::phaseGuard()
{
    QFETCH(QString, how);
    QFETCH(QString, first);
    QFETCH(bool, firstSinglePhaseOnly);
    QFETCH(QString, then);
    QFETCH(bool, thenSinglePhaseOnly);

    QComboBox* volts = list(QStringLiteral("cbFaultVoltage"));
    QRadioButton* three = option(QStringLiteral("opPhase(0)"));
    QRadioButton* single = option(QStringLiteral("opPhase(1)"));
    // Chooses the voltage from the list or types it; false when it could not be chosen.
    const auto enter = [&](const QString& text) {
        if (how == QLatin1String("choose"))
            return chooseFromList(volts, text);
        type(volts->lineEdit(), text);
        return true;
    };

    QVERIFY(enter(first));
    QCOMPARE(volts->currentText(), first);
    QCOMPARE(single->isChecked(), firstSinglePhaseOnly);
    QCOMPARE(three->isEnabled(), !firstSinglePhaseOnly);
    if (firstSinglePhaseOnly) {
        QVERIFY(clickOnMark(three));
        QVERIFY(single->isChecked());
    }

    QVERIFY(enter(then));
    QCOMPARE(volts->currentText(), then);
    QCOMPARE(single->isChecked(), thenSinglePhaseOnly);
    QCOMPARE(three->isChecked(), !thenSinglePhaseOnly);
    QCOMPARE(three->isEnabled(), !thenSinglePhaseOnly);
}

void ShortCircuitPageTest::conductorConstantFollowsTheChoices()
{
    QComboBox* sizes = list(QStringLiteral("cmbFaultWireSize"));
    QVERIFY(chooseFromList(sizes, QStringLiteral("  4/0 awg")));
    QCOMPARE(m_page->ConductorC(), 15082);
    QVERIFY(clickOption(QStringLiteral("opCableType(1)")));
    QCOMPARE(m_page->ConductorC(), 16392);
    QVERIFY(clickOption(QStringLiteral("opMagneticCon(1)")));
    QCOMPARE(m_page->ConductorC(), 17483);

    // "Terminals" leaves the last size's constant.
    QVERIFY(chooseFromList(sizes, QStringLiteral("Terminals")));
    QCOMPARE(m_page->ConductorC(), 17483);
    QVERIFY(clickOption(QStringLiteral("opCableType(0)")));
    QCOMPARE(m_page->ConductorC(), 17483);
    QVERIFY(chooseFromList(sizes, QStringLiteral("   10 awg")));
    QCOMPARE(m_page->ConductorC(), 982);
    QVERIFY(clickOption(QStringLiteral("opMagneticCon(0)")));
    QCOMPARE(m_page->ConductorC(), 981);

    // An emptied box has no constant; choosing the same size again brings both back.
    type(sizes->lineEdit(), QStringLiteral("4"));
    QCOMPARE(sizes->currentText(), QString());
    QVERIFY(clickOption(QStringLiteral("opCableType(1)")));
    QCOMPARE(m_page->ConductorC(), 981);
    QVERIFY(chooseFromList(sizes, QStringLiteral("   10 awg")));
    QCOMPARE(sizes->currentText(), QStringLiteral("   10 awg"));
    QCOMPARE(m_page->ConductorC(), 982);
}

void ShortCircuitPageTest::typedWireSizeIsEmptied()
{
    QComboBox* sizes = list(QStringLiteral("cmbFaultWireSize"));
    QVERIFY(chooseFromList(sizes, QStringLiteral("  2/0 awg")));
    QCOMPARE(m_page->ConductorC(), 10755);
    type(edit(QStringLiteral("txtFeet")), QStringLiteral("100"));
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral("6,479 Amps"));

    type(sizes->lineEdit(), QStringLiteral("4/0"));
    QCOMPARE(sizes->currentText(), QString());
    QCOMPARE(sizes->count(), 22);
    QCOMPARE(m_page->ConductorC(), 10755);
    QTest::keyClick(sizes->lineEdit(), Qt::Key_Return);
    QCOMPARE(sizes->currentText(), QString());
    QCOMPARE(sizes->count(), 22);

    // The run now ends at the terminals.
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral("13,000 Amps"));
}

void ShortCircuitPageTest::infiniteTransformer()
{
    QVERIFY(clickOption(QStringLiteral("opShortType(0)")));
    QVERIFY(chooseFromList(list(QStringLiteral("cmbFaultWireSize")), QStringLiteral("  4/0 awg")));
    type(edit(QStringLiteral("txtFeet")), QStringLiteral("100"));
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblXfmrFLA")), QStringLiteral("1,387.9 FLA"));
    QCOMPARE(caption(QStringLiteral("lblXfmrISC")), QStringLiteral("29,655 ISC"));
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral("11,244 Amps"));
    QVERIFY(qAbs(m_page->SourceFaultAmps() - 29655.15) < 0.005);

    QVERIFY(chooseFromList(list(QStringLiteral("cmbFaultWireSize")), QStringLiteral("Terminals")));
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral("29,655 Amps"));
}

void ShortCircuitPageTest::knownPrimary()
{
    QVERIFY(clickOption(QStringLiteral("opShortType(0)")));
    QVERIFY(clickOption(QStringLiteral("opAvalible(1)")));
    QVERIFY(chooseFromList(list(QStringLiteral("cbVoltsPri")), QStringLiteral("13800")));
    QVERIFY(chooseFromList(list(QStringLiteral("cbFaultVoltage")), QStringLiteral("480")));
    type(edit(QStringLiteral("txtFaultUtility")), QStringLiteral("13,000"));
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblXfmrFLA")), QStringLiteral("601.4 FLA"));
    QCOMPARE(caption(QStringLiteral("lblXfmrISC")), QStringLiteral("11,218 ISC"));
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral("11,218 Amps"));

    // The blanks of a chosen primary voltage do no harm.
    QVERIFY(chooseFromList(list(QStringLiteral("cbVoltsPri")), QStringLiteral("  4160")));
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblXfmrISC")), QStringLiteral("10,489 ISC"));
}

void ShortCircuitPageTest::singlePhaseTransformer()
{
    QVERIFY(clickOption(QStringLiteral("opShortType(0)")));
    type(edit(QStringLiteral("txXfmrVA")), QStringLiteral("50"));
    type(edit(QStringLiteral("txXfmrZ")), QStringLiteral("2"));
    QVERIFY(chooseFromList(list(QStringLiteral("cbFaultVoltage")), QStringLiteral("240")));
    QVERIFY(clickOption(QStringLiteral("opPhase(1)")));
    QVERIFY(chooseFromList(list(QStringLiteral("cmbFaultWireSize")), QStringLiteral("     1 awg")));
    type(edit(QStringLiteral("txtFeet")), QStringLiteral("50"));
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblXfmrFLA")), QStringLiteral("208.3 FLA"));
    QCOMPARE(caption(QStringLiteral("lblXfmrISC")), QStringLiteral("11,574 ISC"));
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral("6,967 Amps"));
}

void ShortCircuitPageTest::breaker()
{
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral("13,000 Amps"));
    QCOMPARE(caption(QStringLiteral("lblXfmrFLA")), QStringLiteral("FLA"));
    QCOMPARE(caption(QStringLiteral("lblXfmrISC")), QStringLiteral("ISC"));
    QCOMPARE(m_page->SourceFaultAmps(), 13000.0);

    type(edit(QStringLiteral("txtFaultUtility")), QStringLiteral("0.4"));
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral(" Amps"));
    QCOMPARE(m_page->SourceFaultAmps(), 0.4);
}

void ShortCircuitPageTest::overflowKeepsTheRunsCaption()
{
    type(edit(QStringLiteral("txtFaultUtility")), QStringLiteral("451"));
    QVERIFY(calculate());
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral("451 Amps"));

    // The largest and smallest values accepted give the run an f beyond single precision
    // (5.7e38): the calculation ends there, the transformer's captions written.
    QVERIFY(clickOption(QStringLiteral("opShortType(0)")));
    type(edit(QStringLiteral("txXfmrVA")), QStringLiteral("1000000000"));
    type(edit(QStringLiteral("txXfmrZ")), QStringLiteral("0.000001"));
    type(list(QStringLiteral("cbFaultVoltage"))->lineEdit(), QStringLiteral("0.000001"));
    QVERIFY(clickOption(QStringLiteral("opPhase(1)")));
    QVERIFY(option(QStringLiteral("opPhase(1)"))->isChecked());
    QVERIFY(chooseFromList(list(QStringLiteral("cmbFaultWireSize")), QStringLiteral("   14 awg")));
    type(edit(QStringLiteral("txtFeet")), QStringLiteral("1000000000"));
    MessageBoxCatcher catcher;
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 0);
    QCOMPARE(
        caption(QStringLiteral("lblXfmrFLA")), QStringLiteral("1,000,000,000,000,000,000. FLA"));
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), QStringLiteral("451 Amps"));
    QVERIFY(m_page->SourceFaultAmps() > 1e26);
}

void ShortCircuitPageTest::numbersInTheUserLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("impedance");
    QTest::addColumn<QString>("fullLoad");
    QTest::addColumn<QString>("secondaryFault");
    QTest::addColumn<QString>("endOfRun");

    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "5.2"
                           << "1,387.9 FLA"
                           << "29,655 ISC"
                           << "11,244 Amps";
    QTest::newRow("C") << QLocale::c() << "5.2"
                       << "1,387.9 FLA"
                       << "29,655 ISC"
                       << "11,244 Amps";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "5,2"
                           << "1.387,9 FLA"
                           << "29.655 ISC"
                           << "11.244 Amps";
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France) << "5,2"
                           << "1\u202f387,9 FLA"
                           << "29\u202f655 ISC"
                           << "11\u202f244 Amps";
}

// The transformer's designed impedance reads back in the user's locale, so it
// calculates as it stands.
void ShortCircuitPageTest::numbersInTheUserLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, impedance);
    QFETCH(QString, fullLoad);
    QFETCH(QString, secondaryFault);
    QFETCH(QString, endOfRun);

    testsupport::deleteTopLevelWindows();
    const testsupport::LocaleScope inLocale(locale);
    QVERIFY(openPage());
    QCOMPARE(edit(QStringLiteral("txXfmrZ"))->text(), impedance);

    MessageBoxCatcher catcher;
    QVERIFY(clickOption(QStringLiteral("opShortType(0)")));
    QVERIFY(chooseFromList(list(QStringLiteral("cmbFaultWireSize")), QStringLiteral("  4/0 awg")));
    type(edit(QStringLiteral("txtFeet")), QStringLiteral("100"));
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 0);
    QCOMPARE(caption(QStringLiteral("lblXfmrFLA")), fullLoad);
    QCOMPARE(caption(QStringLiteral("lblXfmrISC")), secondaryFault);
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), endOfRun);
}

void ShortCircuitPageTest::refusals_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fieldName");

    const QStringList breaker;
    const QStringList infinite {"opShortType(0)"};
    const QStringList known {"opShortType(0)", "opAvalible(1)"};
    QTest::newRow("breaker amps") << breaker << "txtFaultUtility"
                                  << "lots"
                                  << "Available Fault Current";
    QTest::newRow("primary amps") << known << "txtFaultUtility"
                                  << "-13000"
                                  << "Available Fault Current";
    QTest::newRow("primary volts") << known << "cbVoltsPri"
                                   << "0"
                                   << "Primary Volts";
    QTest::newRow("kVA") << infinite << "txXfmrVA"
                         << "0"
                         << "KVA";
    QTest::newRow("impedance") << infinite << "txXfmrZ"
                               << ""
                               << "% Z";
    QTest::newRow("voltage") << breaker << "cbFaultVoltage"
                             << "0"
                             << "Line-Line Voltage";
    QTest::newRow("wires per phase") << infinite << "txtNumbPhaseCond"
                                     << "1.5"
                                     << "Wires Per Phase";
    QTest::newRow("length") << known << "txtFeet"
                            << "-3"
                            << "Length of run in feet";
}

void ShortCircuitPageTest::refusals()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, fieldName);

    for (const QString& name : clicks)
        QVERIFY(clickOption(name));
    QVERIFY(chooseFromList(list(QStringLiteral("cmbFaultWireSize")), QStringLiteral("  4/0 awg")));
    type(edit(QStringLiteral("txtFeet")), QStringLiteral("100"));
    QVERIFY(calculate());
    const QString fla = caption(QStringLiteral("lblXfmrFLA"));
    const QString isc = caption(QStringLiteral("lblXfmrISC"));
    const QString fault = caption(QStringLiteral("lblFault(0)"));
    const double source = m_page->SourceFaultAmps();
    QVERIFY(source > 0);

    QWidget* widget = find<QWidget>(field);
    auto* box = qobject_cast<QLineEdit*>(widget);
    type(box ? box : qobject_cast<QComboBox*>(widget)->lineEdit(), text);
    find<QPushButton>(QStringLiteral("cmdCalcFault"))->setFocus();

    MessageBoxCatcher catcher;
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, QStringLiteral("Invalid Fault Input"));
    QCOMPARE(
        catcher.last().text, QStringLiteral("Please enter a valid value for %1.").arg(fieldName));
    QCOMPARE(catcher.last().icon, QMessageBox::Information);
    QCOMPARE(catcher.last().buttons, QList<QMessageBox::StandardButton> {QMessageBox::Ok});

    QCOMPARE(caption(QStringLiteral("lblXfmrFLA")), fla);
    QCOMPARE(caption(QStringLiteral("lblXfmrISC")), isc);
    QCOMPARE(caption(QStringLiteral("lblFault(0)")), fault);
    QCOMPARE(m_page->SourceFaultAmps(), source);
    m_page->activateWindow();
    QTRY_VERIFY(widget->hasFocus());
}

void ShortCircuitPageTest::printHandsOverThePage()
{
    QSignalSpy print(m_page, &ShortCircuitPage::printRequested);
    QVERIFY(clickOption(QStringLiteral("opShortType(0)")));
    QVERIFY(chooseFromList(list(QStringLiteral("cmbFaultWireSize")), QStringLiteral("  4/0 awg")));
    type(edit(QStringLiteral("txtFeet")), QStringLiteral("100"));
    QVERIFY(calculate());
    QVERIFY(clickOption(QStringLiteral("opMagneticCon(1)")));
    QVERIFY(clickOnMark(find<QPushButton>(QStringLiteral("cmdPrint"))));
    QCOMPARE(print.count(), 1);

    const FaultPageState state = m_page->pageState();
    QVERIFY(!state.Fields.SourceIsBreaker);
    QVERIFY(state.Fields.InfinitePrimary);
    QVERIFY(state.Fields.ThreePhase);
    QCOMPARE(state.Fields.Kva, "500 ");
    QCOMPARE(state.Fields.PercentZ, "5.2");
    QCOMPARE(state.Fields.PrimaryVolts, "480");
    QCOMPARE(state.Fields.SecondaryVolts, "208");
    QCOMPARE(state.Fields.AvailableFaultAmps, "13000");
    QCOMPARE(state.Fields.WireSize, "  4/0 awg");
    QCOMPARE(state.Fields.ConductorsPerPhase, "1");
    QCOMPARE(state.Fields.LengthFeet, "100");
    QVERIFY(!state.MagneticConduit);
    QVERIFY(state.SingleConductors);
    QCOMPARE(state.FullLoadCaption, "1,387.9 FLA");
    QCOMPARE(state.SourceFaultCaption, "29,655 ISC");
    QCOMPARE(state.EndOfRunCaption, "11,244 Amps");
}

void ShortCircuitPageTest::panelGoesHomeWithThePage()
{
    VoltageDropCalculator calculator;
    MainWindow window(calculator);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* panel
        = testsupport::findControl(window.shortCircuitPage(), QStringLiteral("Picture3"));
    const QPoint home = ui::pageRect(240, 600, 1575, 2055).topLeft();

    panel->move(0, 0);
    QTabBar* bar = window.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(MainWindow::ShortCircuitTab).center());
    QCOMPARE(window.tabs()->currentIndex(), int(MainWindow::ShortCircuitTab));
    QCOMPARE(panel->pos(), home);

    window.tabs()->setCurrentIndex(MainWindow::DesignDataTab);
    panel->move(50, 50);
    window.tabs()->setCurrentIndex(MainWindow::ShortCircuitTab);
    QCOMPARE(panel->pos(), home);
}

TAVILON_WIDGET_TEST_MAIN(ShortCircuitPageTest)
#include "short_circuit_page_test.moc"
