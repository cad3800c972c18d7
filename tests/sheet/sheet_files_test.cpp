#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/sheet_files.h"
#include "find_control.h"
#include "message_box_catcher.h"
#include "sheet/calc_sheet.h"
#include "sheet/sheet_document_io.h"
#include "test_main.h"
#include "user_actions.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

// The sheet kept as a document: saved, opened, closed and opened again.
class SheetFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void bothWindowsShareTheFileItems();
    void savedSheetOpensAsItWas();
    void captionFollowsTheFile();
    void openAsksBeforeUnsavedChangesGo_data();
    void openAsksBeforeUnsavedChangesGo();
    void aSheetNeverSavedIsKeptAndReplaced();
    void aRefusedFileChangesNothing_data();
    void aRefusedFileChangesNothing();
    void closeThenReopenClosedSheet();
    void theEleventhClosedSheetRemovesTheOldest();
    void quitKeepsTheSheet();

private:
    CalcSheet* sheet() const { return m_windows->calcSheet(); }
    QString text() const { return sheet()->document()->toPlainText(); }
    void report(const QString& text)
    {
        m_windows->showCalcSheet()->printRTF(text, QStringLiteral("short"));
    }
    QString path(const QString& name) const { return m_files.filePath(name); }
    void closeSheet()
    {
        QPointer<CalcSheet> closing = sheet();
        closing->close();
        QTRY_VERIFY(closing.isNull());
    }

    VoltageDropCalculator m_calculator;
    std::unique_ptr<QTemporaryDir> m_kept;
    ProgramWindows* m_windows = nullptr;
    QTemporaryDir m_files;
};

void SheetFilesTest::init()
{
    m_kept = std::make_unique<QTemporaryDir>();
    m_windows = new ProgramWindows(m_calculator, KeptSheets(m_kept->path()));
    QVERIFY(QTest::qWaitForWindowExposed(m_windows->showMainWindow()));
}

void SheetFilesTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
    delete m_windows;
}

void SheetFilesTest::bothWindowsShareTheFileItems()
{
    MainWindow* main = m_windows->mainWindow();
    CalcSheet* calcSheet = m_windows->showCalcSheet();
    const auto fileMenu = [](QWidget* window) {
        return testsupport::findControl<QMenu>(window, QStringLiteral("menuFile"));
    };
    const auto named = [](QMenu* menu, const char* name) -> QAction* {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String(name)
                || (action->menu() && action->menu()->objectName() == QLatin1String(name)))
                return action;
        }
        return nullptr;
    };
    for (const char* name : {"actionOpenSheet", "actionReopenClosedSheet", "menuRecentSheets"}) {
        QAction* inMain = named(fileMenu(main), name);
        QVERIFY2(inMain, name);
        QCOMPARE(named(fileMenu(calcSheet), name), inMain);
    }
    QCOMPARE(
        named(fileMenu(main), "actionOpenSheet")->shortcut(), QKeySequence(QKeySequence::Open));

    // Each item where the window offers it, with its keys.
    const QList<std::tuple<QWidget*, const char*, QKeySequence>> items {
        {calcSheet, "actionSaveSheet", QKeySequence::Save},
        {calcSheet, "actionSaveSheetAs", QKeySequence::SaveAs},
        {calcSheet, "actionPrintSheet", QKeySequence::Print},
        {calcSheet, "actionCloseSheet", QKeySequence::Close},
        {calcSheet, "actionExportPdf", QKeySequence()},
        {calcSheet, "actionExportOdt", QKeySequence()},
        {calcSheet, "actionUndo", QKeySequence::Undo},
        {calcSheet, "actionRedo", QKeySequence::Redo},
        {calcSheet, "actionCut", QKeySequence::Cut},
        {calcSheet, "actionCopy", QKeySequence::Copy},
        {calcSheet, "actionPaste", QKeySequence::Paste},
        {calcSheet, "actionSelectAll", QKeySequence::SelectAll},
        {main, "actionShowSheet", QKeySequence()},
        {main, "actionQuit", QKeySequence::Quit},
        {main, "actionAbout", QKeySequence()},
    };
    for (const auto& [window, name, keys] : items) {
        const QList<QAction*> found = window->findChildren<QAction*>(QLatin1String(name));
        QVERIFY2(found.size() == 1, name);
        QCOMPARE(found.constFirst()->shortcut(), keys);
    }
    // About from the menu is the toolbar's window.
    main->findChild<QAction*>(QStringLiteral("actionAbout"))->trigger();
    QVERIFY(testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor")));
}

void SheetFilesTest::savedSheetOpensAsItWas()
{
    report(QStringLiteral("Calculation Type: Short Circuit Current\r\n\r\n13,000 Amps"));
    sheet()->document()->append(QStringLiteral("Typed by the engineer"));
    const QString saved = text();
    const QString file = path(QStringLiteral("feeder-A.tavilon"));
    QVERIFY(sheet()->saveTo(file));
    QVERIFY(QFile::exists(file));
    closeSheet();

    // Another run of the program opens it.
    delete m_windows;
    m_windows = new ProgramWindows(m_calculator, KeptSheets(m_kept->path()));
    m_windows->showMainWindow();
    QVERIFY(m_windows->sheetFiles().open(file));
    QCOMPARE(text(), saved);
    QVERIFY(!sheet()->document()->document()->isModified());
    QVERIFY(!sheet()->document()->document()->isUndoAvailable());
    QCOMPARE(m_windows->sheetFiles().recentFiles().value(0), file);

    // A report goes after it, the caret at the end; Undo goes back to the sheet as opened.
    report(QStringLiteral("Calculation Type: Conduit Fill"));
    QVERIFY(text().startsWith(saved + QStringLiteral("\nCalculation Type: Conduit Fill")));
    QCOMPARE(sheet()->document()->textCursor().position(),
        sheet()->document()->document()->characterCount() - 1);
    sheet()->document()->document()->undo();
    QCOMPARE(text(), saved);
    QVERIFY(!sheet()->document()->document()->isUndoAvailable());
}

void SheetFilesTest::captionFollowsTheFile()
{
    report(QStringLiteral("A report"));
    QCOMPARE(sheet()->windowTitle(), QStringLiteral("Calculation Results Sheet"));
    QVERIFY(sheet()->saveTo(path(QStringLiteral("feeder-A.tavilon"))));
    QCOMPARE(sheet()->windowTitle(),
        QStringLiteral("Calculation Results Sheet \u2014 feeder-A.tavilon[*]"));
    QVERIFY(!sheet()->isWindowModified());
    report(QStringLiteral("Another"));
    QVERIFY(sheet()->isWindowModified()); // shown as "feeder-A.tavilon*"
}

void SheetFilesTest::openAsksBeforeUnsavedChangesGo_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("savedFirst");

    QTest::newRow("save") << int(QMessageBox::Save) << true << true;
    QTest::newRow("discard") << int(QMessageBox::Discard) << true << false;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
}

void SheetFilesTest::openAsksBeforeUnsavedChangesGo()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    QFETCH(bool, savedFirst);
    report(QStringLiteral("Other job"));
    const QString other = path(QStringLiteral("other.tavilon"));
    QVERIFY(sheet()->saveTo(other));
    closeSheet();
    report(QStringLiteral("First job"));
    const QString first = path(QStringLiteral("first.tavilon"));
    QVERIFY(sheet()->saveTo(first));
    report(QStringLiteral("Not saved yet"));
    const QString unsaved = text();

    MessageBoxCatcher catcher;
    catcher.setAnswer(QMessageBox::StandardButton(answer));
    QCOMPARE(m_windows->sheetFiles().open(other), replaced);
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, QStringLiteral("Unsaved Changes"));
    QCOMPARE(text().contains(QStringLiteral("Not saved yet")), !replaced);
    if (!replaced)
        QCOMPARE(text(), unsaved);

    QTextDocument reread;
    QVERIFY(!openSheet(first, &reread));
    QCOMPARE(reread.toPlainText().contains(QStringLiteral("Not saved yet")), savedFirst);
}

void SheetFilesTest::aSheetNeverSavedIsKeptAndReplaced()
{
    report(QStringLiteral("Saved job"));
    const QString saved = path(QStringLiteral("saved.tavilon"));
    QVERIFY(sheet()->saveTo(saved));
    closeSheet();
    report(QStringLiteral("Never saved"));
    const QString neverSaved = text();

    MessageBoxCatcher catcher;
    QVERIFY(m_windows->sheetFiles().open(saved));
    QCOMPARE(catcher.count(), 0);
    QVERIFY(!text().contains(QStringLiteral("Never saved")));

    // Kept, and back with Reopen Closed Sheet, still never saved.
    QVERIFY(m_windows->sheetFiles().reopenClosed());
    QCOMPARE(text(), neverSaved);
    QCOMPARE(sheet()->filePath(), QString());
    QCOMPARE(sheet()->windowTitle(), QStringLiteral("Calculation Results Sheet"));

    // Closed again with nothing changed, it is still kept.
    closeSheet();
    QVERIFY(m_windows->sheetFiles().reopenClosed());
    QCOMPARE(text(), neverSaved);
}

void SheetFilesTest::aRefusedFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: a folder stands at the path
    QTest::addColumn<QString>("reason");

    QTest::newRow("empty") << QByteArray("\0", 0) << "not a Tavilon sheet";
    QTest::newRow("not a sheet") << QByteArray("%PDF-1.4\n") << "This is not a Tavilon sheet.";
    QTest::newRow("cut short") << QByteArray("Tavilon sheet 1.0\nformat 0 frame\n") << "damaged";
    QTest::newRow("newer") << QByteArray("Tavilon sheet 2.0\nend sheet\n") << "newer version";
    QTest::newRow("a folder") << QByteArray() << "folder";
}

void SheetFilesTest::aRefusedFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString file = path(QLatin1String(QTest::currentDataTag()) + QStringLiteral(".tavilon"));
    if (bytes.isNull()) {
        QVERIFY(QDir().mkpath(file));
    } else {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    // With no sheet on screen, none is made; with one, it stays as it is.
    for (bool sheetShown : {false, true}) {
        if (sheetShown)
            report(QStringLiteral("The job so far"));
        const QString before = sheetShown ? text() : QString();
        MessageBoxCatcher catcher;
        QVERIFY(!m_windows->sheetFiles().open(file));
        QCOMPARE(catcher.count(), 1);
        QVERIFY2(catcher.last().text.startsWith(QDir::toNativeSeparators(file)),
            qPrintable(catcher.last().text));
        QVERIFY2(catcher.last().text.contains(reason), qPrintable(catcher.last().text));
        QCOMPARE(bool(m_windows->calcSheet()), sheetShown);
        if (sheetShown)
            QCOMPARE(text(), before);
    }
}

void SheetFilesTest::closeThenReopenClosedSheet()
{
    report(QStringLiteral("Calculation Type: Circuit Voltage Drop"));
    const QString file = path(QStringLiteral("lighting.tavilon"));
    QVERIFY(sheet()->saveTo(file));
    report(QStringLiteral("after the save"));
    const QString closedText = text();
    // Close through its button, as the user does: no question.
    MessageBoxCatcher catcher;
    QPointer<CalcSheet> closing = sheet();
    QTest::mouseClick(
        testsupport::findControl<QPushButton>(closing, QStringLiteral("cmdExit")), Qt::LeftButton);
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(catcher.count(), 0);

    // The next report starts a fresh sheet from the template.
    report(QStringLiteral("fresh"));
    QVERIFY(!text().contains(QStringLiteral("after the save")));

    // Reopen Closed Sheet: the fresh one is kept first, then replaced.
    m_windows->sheetFiles().actions().reopenClosed->trigger();
    QCOMPARE(text(), closedText);
    QCOMPARE(sheet()->filePath(), QFileInfo(file).absoluteFilePath());
    QVERIFY(sheet()->isWindowModified()); // changes not saved to lighting.tavilon
    const QList<KeptSheets::Closed> closed = m_windows->sheetFiles().keptSheets().closedSheets();
    QCOMPARE(closed.size(), 1);
    QTextDocument fresh;
    QVERIFY(!openSheet(closed.constFirst().sheetFile, &fresh));
    QVERIFY(fresh.toPlainText().endsWith(QStringLiteral("fresh")));
    // The user's own file was not written by the keeping.
    QTextDocument own;
    QVERIFY(!openSheet(file, &own));
    QVERIFY(!own.toPlainText().contains(QStringLiteral("after the save")));
}

void SheetFilesTest::theEleventhClosedSheetRemovesTheOldest()
{
    for (int i = 1; i <= 11; ++i) {
        report(QStringLiteral("Sheet %1").arg(i));
        closeSheet();
        // Closed apart, as the files' times tell.
        QTest::qWait(20);
    }
    const QList<KeptSheets::Closed> closed = m_windows->sheetFiles().keptSheets().closedSheets();
    QCOMPARE(closed.size(), 10);
    QStringList texts;
    for (const KeptSheets::Closed& sheet : closed) {
        QTextDocument document;
        QVERIFY(!openSheet(sheet.sheetFile, &document));
        texts << document.toPlainText().section(u'\n', -1);
    }
    QCOMPARE(texts.constFirst(), QStringLiteral("Sheet 11"));
    QCOMPARE(texts.constLast(), QStringLiteral("Sheet 2"));
}

void SheetFilesTest::quitKeepsTheSheet()
{
    report(QStringLiteral("Quitting"));
    QPointer<MainWindow> main = m_windows->mainWindow();
    QPointer<CalcSheet> calcSheet = sheet();
    main->findChild<QAction*>(QStringLiteral("actionQuit"))->trigger();
    QTRY_VERIFY(main.isNull() && calcSheet.isNull());
    const QList<KeptSheets::Closed> closed = m_windows->sheetFiles().keptSheets().closedSheets();
    QCOMPARE(closed.size(), 1);
}

TAVILON_WIDGET_TEST_MAIN(SheetFilesTest)
#include "sheet_files_test.moc"
