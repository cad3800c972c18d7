// The Raceway Fill window driven as its user drives it. The expected figures are worked
// by hand from Chapter 9 Tables 1, 4, 5 and 8 (src/nec/data); each case says how.

#include "app/main_window.h"
#include "app/program_windows.h"
#include "find_control.h"
#include "raceway_fill/raceway_fill_window.h"
#include "sheet/calc_sheet.h"
#include "test_main.h"
#include "user_actions.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTableView>
#include <QTextEdit>

namespace {

// A group as the user fills its row: count, size and insulation.
struct Group
{
    QString count;
    QString size;
    QString insulation = QStringLiteral("THHN/THWN-2");
};

using Groups = QList<Group>;

const QStringList kNoResult(5, QString());

} // namespace

Q_DECLARE_METATYPE(Group)
Q_DECLARE_METATYPE(Groups)

class RacewayFillWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { testsupport::deleteTopLevelWindows(); }
    void fills_data();
    void fills();
    void marksARow_data();
    void marksARow();
    void addGroupShowsRowsUpToTwenty();
    void howManyFit_data();
    void howManyFit();

private:
    [[nodiscard]] bool open()
    {
        m_window = new RacewayFillWindow;
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window);
    }
    template<typename T = QWidget>
    T* control(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<T>(m_window, name, where);
    }
    QString shown(const QString& name) const { return testsupport::shownText(control(name)); }
    static QString rowName(const char* array, int row)
    {
        return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(row);
    }
    // A row's count, size and insulation as it shows them.
    QStringList shownRow(int row) const
    {
        return {shown(rowName("rfCount", row)), shown(rowName("rfSize", row)),
            shown(rowName("rfInsulation", row))};
    }
    [[nodiscard]] bool enter(const QString& name, const QString& text) const
    {
        return testsupport::enter(control(name), text);
    }
    [[nodiscard]] bool click(const QString& button) const
    {
        return testsupport::clickOnMark(control<QAbstractButton>(button));
    }
    [[nodiscard]] bool fill(int row, const Group& group) const
    {
        return enter(rowName("rfSize", row), group.size)
            && enter(rowName("rfInsulation", row), group.insulation)
            && enter(rowName("rfCount", row), group.count);
    }
    // The total count, total area, allowed fill, answer and fill of the answer, then the
    // cells of the table's row of `tradeSize`, if it has one.
    QStringList results(const QString& tradeSize = {}) const
    {
        QStringList texts;
        for (const char* name : {"rfTotalCount", "rfTotalArea", "rfAllowed", "rfAnswer", "rfFill"})
            texts << shown(QLatin1String(name));
        const QAbstractItemModel* model = control<QTableView>(QStringLiteral("rfSizes"))->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() != tradeSize)
                continue;
            for (int column = 0; column < model->columnCount(); ++column)
                texts << model->index(row, column).data().toString();
        }
        return texts;
    }

    QPointer<RacewayFillWindow> m_window;
};

void RacewayFillWindowTest::fills_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("raceway");
    QTest::addColumn<bool>("nipple");
    QTest::addColumn<Groups>("groups");
    QTest::addColumn<QStringList>("results"); // with one row of the table

    // 3 × 0.7073 (500 kcmil THHN, Table 5) + 0.109 (1/0 stranded, Table 8) + 2 × 0.0181
    // (12 AWG XHHW-2) = 2.2671 in² at 40 %. PVC Schedule 40 (Table 4): 2-1/2 allows
    // 1.878; 3 allows 2.907: 2.2671 / 7.268 = 31.2 %.
    QTest::newRow("three groups") << "en_US"
                                  << "PVC Schedule 40" << false
                                  << Groups {{"3", "500 kcmil"}, {"1", "1/0 AWG", "Bare"},
                                         {"2", "12 AWG", "XHHW-2"}}
                                  << QStringList {"6", "2.2671 in²", "40 %", "3 PVC Schedule 40",
                                         "31.2 %", "3", "7.268 in²", "2.907 in²", "31.2 %", "fits"};
    // In a nipple, 60 % whatever the count: 10 × 0.0133 in 1/2 EMT's 0.182.
    QTest::newRow("nipple") << "en_US"
                            << "EMT" << true << Groups {{"10", "12 AWG"}}
                            << QStringList {"10", "0.1330 in²", "60 %", "1/2 EMT", "43.8 %", "1/2",
                                   "0.304 in²", "0.182 in²", "43.8 %", "fits"};
    // 1.000 × 0.0097 (14 AWG THHN) = 9,7000 in², RMC 6 allows 11,663: 33,3 %.
    QTest::newRow("German numbers")
        << "de_DE"
        << "RMC" << false << Groups {{"1.000", "14 AWG"}}
        << QStringList {"1.000", "9,7000 in²", "40 %", "6 RMC", "33,3 %", "6", "29,158 in²",
               "11,663 in²", "33,3 %", "fits"};
}

// Tools opens the window; the answer follows the typing, with no button to press. Its
// report, dated at the press, reaches the results sheet through the main window; the
// window goes with the main window.
void RacewayFillWindowTest::fills()
{
    QFETCH(QString, locale);
    QFETCH(QString, raceway);
    QFETCH(bool, nipple);
    QFETCH(Groups, groups);
    QFETCH(QStringList, results);
    const testsupport::LocaleScope scope {QLocale(locale)};
    VoltageDropCalculator calculator;
    ProgramWindows windows(calculator);
    QVERIFY(QTest::qWaitForWindowExposed(windows.showMainWindow()));
    auto* action = windows.mainWindow()->findChild<QAction*>(QStringLiteral("actionRacewayFill"));
    QVERIFY(action && windows.mainWindow()->toolsMenu()->actions().contains(action));
    action->trigger();
    m_window
        = qobject_cast<RacewayFillWindow*>(testsupport::shownWindow(QStringLiteral("RacewayFill")));
    QVERIFY(m_window && QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(this->results(), kNoResult);
    QVERIFY(!control(QStringLiteral("rfSendToSheet"))->isEnabled());
    QVERIFY(enter(QStringLiteral("rfRaceway"), raceway));
    if (nipple)
        QVERIFY(click(QStringLiteral("rfNipple")));
    for (int row = 0; row < groups.size(); ++row)
        QVERIFY(fill(row, groups[row]));
    QCOMPARE(this->results(results.value(5)), results);

    QSignalSpy reports(m_window.data(), &RacewayFillWindow::sheetReportRequested);
    QVERIFY(click(QStringLiteral("rfSendToSheet")));
    QCOMPARE(reports.count(), 1);
    const QString stamp = reports.at(0).at(0).toString().section(QStringLiteral("\r\n"), 2, 2);
    QVERIFY2(stamp.contains(QString::number(QDate::currentDate().year())), qPrintable(stamp));
    QVERIFY(windows.calcSheet());
    const QString sheet = windows.calcSheet()->document()->toPlainText();
    QVERIFY2(sheet.contains(QStringLiteral("Calculation Type: Raceway Fill (NEC 2023)\n\n") + stamp)
            && sheet.contains(results[3]),
        qPrintable(sheet));
    windows.mainWindow()->close();
    QTRY_VERIFY(!windows.mainWindow());
    QTRY_VERIFY(!m_window);
}

void RacewayFillWindowTest::marksARow_data()
{
    QTest::addColumn<Group>("group");
    QTest::addColumn<QString>("problem");

    QTest::newRow("fraction") << Group {"2.5", "12 AWG", "TW"}
                              << "Count: a whole number from 0 to 1,000";
    // Table 5's THHN rows end at 1000 kcmil.
    QTest::newRow("THHN 1250 kcmil")
        << Group {"3", "1250 kcmil"} << "Size: 1250 kcmil is not listed for THHN/THWN-2";
    // A row without conductors is left out, whatever its size.
    QTest::newRow("0 of an unlisted size") << Group {"0", "2000 kcmil"} << QString();
}

// The words say what is wrong in the row; the colour only adds to them. No answer while
// a row is wrong. Cleared, the row is as it opened, with the keyboard in it, and counts
// for nothing; the other rows keep what they hold, and the answer comes back.
void RacewayFillWindowTest::marksARow()
{
    QFETCH(Group, group);
    QFETCH(QString, problem);
    QVERIFY(open());
    QVERIFY(fill(2, {"10", "12 AWG", "XHHW-2"})); // 10 × 0.0181 = 0.181 in²: 3/4 EMT
    QVERIFY(fill(3, group));
    for (int row = 0; row < 10; ++row)
        QCOMPARE(shown(rowName("rfProblem", row)), row == 3 ? problem : QString());
    QCOMPARE(results() == kNoResult, !problem.isEmpty());
    QCOMPARE(control(QStringLiteral("rfSendToSheet"))->isEnabled(), problem.isEmpty());

    QVERIFY(click(rowName("rfClear", 3)));
    QCOMPARE(QApplication::focusWidget(), control(rowName("rfCount", 3)));
    QCOMPARE(shownRow(3), QStringList({"", "12 AWG", "THHN/THWN-2"}));
    QCOMPARE(shownRow(2), QStringList({"10", "12 AWG", "XHHW-2"}));
    QCOMPARE(shown(rowName("rfProblem", 3)), QString());
    QCOMPARE(shown(QStringLiteral("rfAnswer")), QStringLiteral("3/4 EMT"));
}

void RacewayFillWindowTest::addGroupShowsRowsUpToTwenty()
{
    QVERIFY(open());
    const auto count = [this](int row) { return control(rowName("rfCount", row)); };
    for (int row = 0; row < 20; ++row) {
        QCOMPARE(count(row)->isVisible(), row < 10);
        if (row < 10)
            continue;
        QVERIFY(click(QStringLiteral("rfAddGroup")));
        // The new row is the one to type into, scrolled into view.
        QTRY_COMPARE(QApplication::focusWidget(), count(row));
        const QWidget* view = control<QScrollArea>(QStringLiteral("rfGroupArea"))->viewport();
        const QRect shown(count(row)->mapTo(view, QPoint()), count(row)->size());
        QVERIFY2(view->rect().contains(shown), qPrintable(QStringLiteral("row %1").arg(row)));
        QCOMPARE(control(QStringLiteral("rfAddGroup"))->isEnabled(), row < 19);
    }
    // The twentieth row counts: 4 × 0.0133 = 0.0532 in² in 1/2 EMT, 17.5 %.
    QVERIFY(enter(rowName("rfCount", 19), QStringLiteral("4")));
    QCOMPARE(results(), QStringList({"4", "0.0532 in²", "40 %", "1/2 EMT", "17.5 %"}));
}

void RacewayFillWindowTest::howManyFit_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("tradeSize"); // chosen in EMT, then the raceway
    QTest::addColumn<QString>("raceway");
    QTest::addColumn<bool>("nipple");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("basis");

    const QString rounded = QStringLiteral("At 40 %, with Note 7's rounding");
    const auto row
        = [](const char* tag, const char* size, const char* tradeSize, const char* raceway,
              bool nipple, const char* count, const QString& basis) {
              QTest::newRow(tag) << size << tradeSize << raceway << nipple << count << basis;
          };
    // 12 AWG THHN, 0.0133 in²: 0.213 / 0.0133 = 16.02 in 3/4 EMT; 0.320 in a nipple, 24.06.
    row("3/4 EMT", "12 AWG", "3/4", "EMT", false, "16", rounded);
    row("nipple", "12 AWG", "3/4", "EMT", true, "24", "At 60 % (nipple), with Note 7's rounding");
    // 0.213 / 0.0824 (4 AWG THHN) = 2.59: two at 31 %, 0.1648 within 0.165.
    row("two at 31 %", "4 AWG", "3/4", "EMT", false, "2", "Two at 31 %");
    // 0.346 / 0.1855 (1/0 THHN) = 1.87, but two need 0.371 above 31 %'s 0.268.
    row("one at 53 %", "1/0 AWG", "1", "EMT", false, "1", "One at 53 %");
    row("not listed", "1500 kcmil", "4", "EMT", false, "",
        "1500 kcmil is not listed for THHN/THWN-2");
    // The trade size stays where the new type has it: 0.794 / 0.0133 = 59.7 in ENT 1-1/2.
    // ENT ends at 2: its list starts again at 1/2, 0.114 / 0.0133 = 8.57.
    row("ENT keeps 1-1/2", "12 AWG", "1-1/2", "ENT", false, "59", rounded);
    row("ENT has no 4", "12 AWG", "4", "ENT", false, "8", rounded);
}

void RacewayFillWindowTest::howManyFit()
{
    QFETCH(QString, size);
    QFETCH(QString, tradeSize);
    QFETCH(QString, raceway);
    QFETCH(bool, nipple);
    QFETCH(QString, count);
    QFETCH(QString, basis);
    QVERIFY(open());
    QVERIFY(enter(QStringLiteral("rfHmTrade"), tradeSize));
    QVERIFY(enter(QStringLiteral("rfHmSize"), size));
    QVERIFY(enter(QStringLiteral("rfHmRaceway"), raceway));
    if (nipple)
        QVERIFY(click(QStringLiteral("rfNipple")));
    QCOMPARE(shown(QStringLiteral("rfHmCount")), count);
    QCOMPARE(shown(QStringLiteral("rfHmBasis")), basis);
}

TAVILON_WIDGET_TEST_MAIN(RacewayFillWindowTest)
#include "raceway_fill_window_test.moc"
