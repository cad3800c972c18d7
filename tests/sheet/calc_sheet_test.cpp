#include "app/program_windows.h"
#include "find_control.h"
#include "message_box_catcher.h"
#include "sheet/calc_sheet.h"
#include "test_files.h"
#include "test_main.h"
#include "ui/date_time_text.h"
#include "user_actions.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QMenuBar>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

// The voltage-drop results as the page's box gives them, one line of them.
QTextDocumentFragment oneLineResults()
{
    return QTextDocumentFragment::fromPlainText(QStringLiteral("Percent Volts Drop   =  1.80 %"));
}

} // namespace

class CalcSheetTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstReportFollowsTheTemplate();
    void reportsAccumulateInOrder();
    void voltageDropReportCarriesResultsAndNotes();
    void userTextStaysPlain();
    void undoTakesBackOneReportAtATime();
    void exportThatFailsSaysWhy_data();
    void exportThatFailsSaysWhy();
    void reportMovesTheInsertionPoint_data();
    void reportMovesTheInsertionPoint();
    void closeDiscardsTheSheet();
    void resizeLaysOutTheWindow();
    void printsTheWholeDocument();
    void printsOnlyTheSelection();
    void cancelPrintsNothing();
    void printsOnTheLocalePaper_data();
    void printsOnTheLocalePaper();
    void dateTimeText_data();
    void dateTimeText();

private:
    CalcSheet* sheet() const { return m_windows->calcSheet(); }
    QString text() const { return sheet()->document()->toPlainText(); }
    // Prints through the dialog into a PDF file; `accept` answers the dialog. False, saying
    // why, when the dialog did not open or offers a page range.
    [[nodiscard]] bool printToPdf(
        const QString& pdf, bool accept, bool* offeredSelection = nullptr);
    // The text of a PDF file, by pdftotext; empty when there is no file.
    static QString pdfText(const QString& pdf)
    {
        return testsupport::toolOutput(
            QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }

    VoltageDropCalculator m_calculator;
    ProgramWindows* m_windows = nullptr;
    QTemporaryDir m_dir;
};

void CalcSheetTest::init()
{
    m_calculator = {};
    m_windows = new ProgramWindows(m_calculator);
}

void CalcSheetTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
    delete m_windows;
    testsupport::pinLocale(); // a test may have chosen another
}

void CalcSheetTest::firstReportFollowsTheTemplate()
{
    QVERIFY(!m_windows->calcSheet());
    m_windows->showCalcSheet()->printRTF(QStringLiteral("First report"), QStringLiteral("short"));
    QCOMPARE(sheet()->objectName(), QStringLiteral("Calc_Sheet"));
    QCOMPARE(sheet()->windowTitle(), QStringLiteral("Calculation Results Sheet"));
    QVERIFY(sheet()->isVisible());

    const QStringList paragraphs = text().split(u'\n');
    QCOMPARE(paragraphs.value(0), QString());
    QCOMPARE(paragraphs.value(1), QString(QChar::ObjectReplacementCharacter)); // the logo
    QCOMPARE(paragraphs.value(2), QStringLiteral("       Calculation Results and Record Sheet"));
    QCOMPARE(paragraphs.value(3), QString(77, u'_'));
    QCOMPARE(paragraphs.value(4), QString());
    QCOMPARE(paragraphs.value(5), QStringLiteral("      "));
    QCOMPARE(paragraphs.value(6), QStringLiteral("Project Name:"));
    QCOMPARE(paragraphs.value(7), QStringLiteral("Equipment No:"));
    for (int i = 8; i < 11; ++i)
        QCOMPARE(paragraphs.value(i), QString());
    QCOMPARE(paragraphs.value(11), QStringLiteral("First report"));
    QCOMPARE(paragraphs.size(), 12);

    // The heading is bold 12 point Arial; the report takes the regular 12 point at the end.
    const QTextDocument* document = sheet()->document()->document();
    const QTextCharFormat heading = document->findBlockByNumber(2).begin().fragment().charFormat();
    QCOMPARE(heading.fontWeight(), int(QFont::Bold));
    QCOMPARE(heading.fontPointSize(), 12.0);
    const QTextCharFormat report = document->lastBlock().begin().fragment().charFormat();
    QCOMPARE(report.fontWeight(), int(QFont::Normal));
    QCOMPARE(QFontInfo(report.font()).pointSizeF(), 12.0);
    QVERIFY(report.font().family().contains(QLatin1String("Arial")));
}

void CalcSheetTest::reportsAccumulateInOrder()
{
    m_windows->showCalcSheet()->printRTF(
        QStringLiteral("One\r\n  two  \r\n"), QStringLiteral("short"));
    sheet()->document()->append(QStringLiteral("typed by the user"));
    sheet()->document()->moveCursor(QTextCursor::Start); // the next report still goes to the end
    m_windows->showCalcSheet()->printRTF(QStringLiteral("Three"), QStringLiteral("short"));
    // A report starts a paragraph of its own, also after a line the user left unended.
    QVERIFY2(text().endsWith(QStringLiteral("One\n  two  \n\ntyped by the user\nThree")),
        qPrintable(text()));
    // After an empty paragraph, such as the one a report's own last line break leaves, it
    // takes that paragraph.
    m_windows->showCalcSheet()->printRTF(QStringLiteral("Four\r\n"), QStringLiteral("short"));
    m_windows->showCalcSheet()->printRTF(QStringLiteral("Five"), QStringLiteral("short"));
    QVERIFY2(text().endsWith(QStringLiteral("Three\nFour\nFive")), qPrintable(text()));
}

void CalcSheetTest::voltageDropReportCarriesResultsAndNotes()
{
    QTextDocument results;
    results.setPlainText(QStringLiteral("Percent Volts Drop   =  1.80 %\nWire"));
    QTextCursor wireLine(results.lastBlock());
    wireLine.select(QTextCursor::BlockUnderCursor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    wireLine.mergeCharFormat(bold);
    CalcSheet* calcSheet = m_windows->showCalcSheet();
    calcSheet->setVoltageDropResults([&results] { return QTextDocumentFragment(&results); });
    calcSheet->printRTF(QStringLiteral("Header\r\n"), QStringLiteral("VD"));
    QVERIFY2(text().endsWith(QStringLiteral(
                 "Header\nPercent Volts Drop   =  1.80 %\nWire\n\n\n\n\n\n"
                 "Calculations Methods per NEC Table 8 and Table 9 impedance data.\n"
                 "Ampacity of wire per Table 310-16,\n"
                 "Three Conductors in Raceway or Cable or Air\n\n"
                 "Note: Apply ampacity correction factors for more than 3 wires per conduit.")),
        qPrintable(text()));
    // The results keep their formatting on the sheet.
    const QTextBlock wire = calcSheet->document()->document()->findBlockByNumber(
        text().split(u'\n').indexOf(QStringLiteral("Wire")));
    QCOMPARE(wire.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));

    // Any other tag adds nothing after the report.
    calcSheet->printRTF(QStringLiteral("Fault"), QStringLiteral("short"));
    QVERIFY(text().endsWith(QStringLiteral("more than 3 wires per conduit.\nFault")));
}

void CalcSheetTest::userTextStaysPlain()
{
    m_windows->showCalcSheet()->printRTF(
        QStringLiteral("Wire Size:           <b>4/0</b> &amp;"), QStringLiteral("short"));
    QVERIFY(text().endsWith(QStringLiteral("Wire Size:           <b>4/0</b> &amp;")));
}

void CalcSheetTest::undoTakesBackOneReportAtATime()
{
    CalcSheet* calcSheet = m_windows->showCalcSheet();
    QTextDocument* document = calcSheet->document()->document();
    const QString sheetTemplate = text();
    QVERIFY(!document->isModified());
    QVERIFY(!document->isUndoAvailable());

    calcSheet->setVoltageDropResults(oneLineResults);
    calcSheet->printRTF(QStringLiteral("First\r\n"), QStringLiteral("VD"));
    const QString afterFirst = text();
    calcSheet->printRTF(QStringLiteral("Second"), QStringLiteral("VD"));
    QVERIFY(document->isModified());

    document->undo();
    QCOMPARE(text(), afterFirst);
    document->undo();
    QCOMPARE(text(), sheetTemplate);
    QVERIFY(!document->isUndoAvailable());
    QVERIFY(!document->isModified());
}

void CalcSheetTest::exportThatFailsSaysWhy_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::newRow("PDF") << true;
    QTest::newRow("OpenDocument Text") << false;
}

void CalcSheetTest::exportThatFailsSaysWhy()
{
    QFETCH(bool, pdf);
    CalcSheet* calcSheet = m_windows->showCalcSheet();
    // Tests run as root, so permission bits prove nothing: a file stands where the folder
    // would be. sheet_printer_test tries the exports themselves.
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = blocker.fileName() + QStringLiteral("/sheet");
    MessageBoxCatcher catcher;
    QVERIFY(!(pdf ? calcSheet->exportPdf(path) : calcSheet->exportOdt(path)));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, QStringLiteral("Export Failed"));
    QCOMPARE(catcher.last().text, path + QStringLiteral(" could not be written: Not a directory"));
}

void CalcSheetTest::reportMovesTheInsertionPoint_data()
{
    QTest::addColumn<bool>("selectLine"); // a line selected, or the caret at the top

    QTest::newRow("a line selected") << true;
    QTest::newRow("the caret at the top") << false;
}

void CalcSheetTest::reportMovesTheInsertionPoint()
{
    QFETCH(bool, selectLine);
    CalcSheet* calcSheet = m_windows->showCalcSheet();
    QTextEdit* document = calcSheet->document();
    calcSheet->printRTF(QStringLiteral("First report"), QStringLiteral("short"));
    QTextCursor cursor = document->textCursor();
    cursor.movePosition(QTextCursor::Start);
    if (selectLine) {
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    }
    document->setTextCursor(cursor);

    calcSheet->setVoltageDropResults(oneLineResults);
    calcSheet->printRTF(QStringLiteral("Header\r\n"), QStringLiteral("VD"));

    // Nothing is left selected, so Print Sheet prints the whole sheet, and the next key
    // lands after the notes.
    QVERIFY(!document->textCursor().hasSelection());
    QCOMPARE(document->textCursor().position(), document->document()->characterCount() - 1);
    document->setFocus();
    QTest::keyClicks(document, QStringLiteral("Q"));
    QVERIFY2(
        text().endsWith(QStringLiteral("more than 3 wires per conduit.Q")), qPrintable(text()));
    QVERIFY(text().contains(QStringLiteral("First report")));
}

void CalcSheetTest::closeDiscardsTheSheet()
{
    m_windows->showCalcSheet()->printRTF(QStringLiteral("Old report"), QStringLiteral("short"));
    QPointer<CalcSheet> old = sheet();
    QTest::mouseClick(
        testsupport::findControl<QPushButton>(old, QStringLiteral("cmdExit")), Qt::LeftButton);
    QTRY_VERIFY(old.isNull());

    m_windows->showCalcSheet()->printRTF(QStringLiteral("New report"), QStringLiteral("short"));
    QVERIFY(!text().contains(QStringLiteral("Old report")));
    QVERIFY(text().contains(QStringLiteral("Project Name:")));
    QVERIFY(text().endsWith(QStringLiteral("New report")));
}

void CalcSheetTest::resizeLaysOutTheWindow()
{
    CalcSheet* calcSheet = m_windows->showCalcSheet();
    QVERIFY(QTest::qWaitForWindowExposed(calcSheet));
    // The designed area lies below the menu bar, and the window has grown by it.
    const QMenuBar* menus = calcSheet->menuBar();
    QVERIFY(menus->isVisible());
    const int menuBar = menus->height();
    QVERIFY(menuBar > 0);
    QCOMPARE(calcSheet->centralWidget()->geometry(), QRect(0, menuBar, 619, 512));

    // The layout follows the outer size, frame included, less the menu bar: 10000 x 8000
    // twips is 666.67 x 533.33 pixels; take the nearest whole pixels.
    const QSize frame = calcSheet->frameGeometry().size() - calcSheet->size();
    calcSheet->resize(QSize(667, 533 + menuBar) - frame);
    QTRY_COMPARE(calcSheet->frameGeometry().size(), QSize(667, 533 + menuBar));
    QTextEdit* document = calcSheet->document();
    QCOMPARE(document->geometry(), QRect(8, 40, 643, 400)); // 9645 x 5995 twips
    for (const char* name : {"cmdRudu_Vovor", "cmdExit", "cmdPrint"})
        QCOMPARE(testsupport::findControl<QPushButton>(calcSheet, QLatin1String(name))->y(),
            466); // 6995 twips
    QCOMPARE(testsupport::findControl<QPushButton>(calcSheet, QStringLiteral("cmdExit"))->x(), 392);

    calcSheet->resize(QSize(400, 100 + menuBar) - frame);
    QTRY_COMPARE(document->height(), 0);
    QCOMPARE(testsupport::findControl<QPushButton>(calcSheet, QStringLiteral("cmdPrint"))->y(), 33);
}

bool CalcSheetTest::printToPdf(const QString& pdf, bool accept, bool* offeredSelection)
{
    // The dialog is answered whatever it offers: a dialog left open would hold the test for
    // good. What it offered is judged once it has closed.
    bool answered = false;
    QString dialogName;
    bool offeredPageRange = false;
    QTimer answer; // gone with this call, should the dialog never open
    answer.setSingleShot(true);
    connect(&answer, &QTimer::timeout, this, [&] {
        const auto printDialog
            = [] { return qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()); };
        if (!QTest::qWaitFor(printDialog))
            return;
        QPrintDialog* dialog = printDialog();
        dialogName = dialog->objectName();
        offeredPageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
        if (offeredSelection)
            *offeredSelection = dialog->testOption(QAbstractPrintDialog::PrintSelection)
                && dialog->printer()->printRange() == QPrinter::Selection;
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        answered = true;
        // Answered without applying the dialog's own printer choice, so the file stays ours.
        dialog->done(accept ? QDialog::Accepted : QDialog::Rejected);
    });
    answer.start(0);
    sheet()->PrintSheet();
    if (!answered) {
        qWarning("the print dialog did not open");
        return false;
    }
    if (dialogName != QLatin1String("cdlInfo")) {
        qWarning("the print dialog is %s, not cdlInfo", qPrintable(dialogName));
        return false;
    }
    if (offeredPageRange) {
        qWarning("%s offers a page range", qPrintable(dialogName));
        return false;
    }
    return true;
}

void CalcSheetTest::printsTheWholeDocument()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the printed PDF back");
    m_windows->showCalcSheet()->printRTF(
        QStringLiteral("Wire Size:         3 awg cooper"), QStringLiteral("short"));
    bool offeredSelection = true;
    const QString pdf = m_dir.filePath(QStringLiteral("whole.pdf"));
    QVERIFY(printToPdf(pdf, true, &offeredSelection));
    QVERIFY(!offeredSelection);
    const QString printed = pdfText(pdf);
    QVERIFY2(printed.contains(QStringLiteral("Calculation Results and Record Sheet")),
        qPrintable(printed));
    QVERIFY(printed.contains(QStringLiteral("Project Name:")));
    QVERIFY(printed.contains(QStringLiteral("3 awg cooper")));
}

void CalcSheetTest::printsOnlyTheSelection()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the printed PDF back");
    m_windows->showCalcSheet()->printRTF(QStringLiteral("Only this line"), QStringLiteral("short"));
    QTextCursor cursor = sheet()->document()->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    sheet()->document()->setTextCursor(cursor);

    bool offeredSelection = false;
    const QString pdf = m_dir.filePath(QStringLiteral("selection.pdf"));
    QVERIFY(printToPdf(pdf, true, &offeredSelection));
    QVERIFY(offeredSelection);
    const QString printed = pdfText(pdf);
    QVERIFY2(printed.contains(QStringLiteral("Only this line")), qPrintable(printed));
    QVERIFY(!printed.contains(QStringLiteral("Project Name:")));
}

void CalcSheetTest::cancelPrintsNothing()
{
    m_windows->showCalcSheet()->printRTF(QStringLiteral("Report"), QStringLiteral("short"));
    const QString pdf = m_dir.filePath(QStringLiteral("cancelled.pdf"));
    QVERIFY(printToPdf(pdf, false));
    QVERIFY(!QFile::exists(pdf));
}

void CalcSheetTest::printsOnTheLocalePaper_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QSizeF>("paper"); // in points
    QTest::newRow("United States")
        << QLocale(QLocale::English, QLocale::UnitedStates) << QSizeF(612, 792);
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany)
                             << QSizeF(595.28, 841.89);
    // British measures count as imperial, but British paper is A4.
    QTest::newRow("United Kingdom")
        << QLocale(QLocale::English, QLocale::UnitedKingdom) << QSizeF(595.28, 841.89);
}

void CalcSheetTest::printsOnTheLocalePaper()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("pdfinfo (poppler-utils) is needed to read the printed PDF back");
    QFETCH(QLocale, locale);
    QFETCH(QSizeF, paper);
    QLocale::setDefault(locale);
    m_windows->showCalcSheet()->printRTF(QStringLiteral("Report"), QStringLiteral("short"));
    const QString pdf = m_dir.filePath(QStringLiteral("paper-%1.pdf").arg(locale.name()));
    QVERIFY(printToPdf(pdf, true));
    QVERIFY(QFile::exists(pdf));

    const QString info = testsupport::toolOutput(QStringLiteral("pdfinfo"), {pdf});
    const auto line = [&info](const char* pattern) {
        return QRegularExpression(QLatin1String(pattern), QRegularExpression::MultilineOption)
            .match(info);
    };
    QVERIFY2(line("^Title: +Calculation Results Sheet$").hasMatch(), qPrintable(info));
    const QRegularExpressionMatch size = line("^Page size: +([0-9.]+) x ([0-9.]+) pts");
    QVERIFY2(size.hasMatch(), qPrintable(info));
    QVERIFY2(qAbs(size.captured(1).toDouble() - paper.width()) < 0.5
            && qAbs(size.captured(2).toDouble() - paper.height()) < 0.5,
        qPrintable(info));
}

void CalcSheetTest::dateTimeText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("United States")
        << QLocale(QLocale::English, QLocale::UnitedStates) << "12/8/2026 3:04:05 PM";
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "08.12.2026 15:04:05";
    QTest::newRow("United Kingdom")
        << QLocale(QLocale::English, QLocale::UnitedKingdom) << "08/12/2026 15:04:05";
}

void CalcSheetTest::dateTimeText()
{
    QFETCH(QLocale, locale);
    const QDateTime moment(QDate(2026, 12, 8), QTime(15, 4, 5));
    QTEST(ui::generalDateTimeText(moment, locale), "expected");
}

TAVILON_WIDGET_TEST_MAIN(CalcSheetTest)
#include "calc_sheet_test.moc"
