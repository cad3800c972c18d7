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
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
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
    // The text of each closed sheet kept, the most recently closed first.
    QStringList closedTexts() const
    {
        QStringList texts;
        for (const KeptSheets::Closed& closed :
            m_windows->sheetFiles().keptSheets().closedSheets()) {
            QTextDocument document;
            texts << (openSheet(closed.sheetFile, &document) ? QString() : document.toPlainText());
        }
        return texts;
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

void SheetFilesTest::savedSheetOpensAsItWas()
{
    report(QStringLiteral("Calculation Type: Short Circuit Current\r\n\r\n13,000 Amps"));
    sheet()->document()->append(QStringLiteral("Typed by the engineer"));
    const QString saved = text();
    const QString file = path(QStringLiteral("feeder-A.tavilon"));
    QVERIFY(sheet()->saveTo(file));
    closeSheet();

    // Another run of the program opens it.
    delete m_windows;
    m_windows = new ProgramWindows(m_calculator, KeptSheets(m_kept->path()));
    m_windows->showMainWindow();
    QVERIFY(m_windows->sheetFiles().open(file));
    QCOMPARE(text(), saved);
    QVERIFY(!sheet()->document()->document()->isModified());
    QCOMPARE(m_windows->sheetFiles().recentFiles().value(0), file);

    // A report goes after it; Undo goes back to the sheet as opened.
    report(QStringLiteral("Calculation Type: Conduit Fill"));
    QVERIFY(text().startsWith(saved + QStringLiteral("\nCalculation Type: Conduit Fill")));
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
    QTest::addColumn<bool>("changed"); // since the sheet was saved
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");

    QTest::newRow("save") << true << int(QMessageBox::Save) << true;
    QTest::newRow("discard") << true << int(QMessageBox::Discard) << true;
    QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << false;
    QTest::newRow("nothing changed, no question") << false << int(QMessageBox::Cancel) << true;
}

void SheetFilesTest::openAsksBeforeUnsavedChangesGo()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    report(QStringLiteral("Other job"));
    const QString other = path(QStringLiteral("other.tavilon"));
    QVERIFY(sheet()->saveTo(other));
    closeSheet();
    report(QStringLiteral("First job"));
    const QString first = path(QStringLiteral("first.tavilon"));
    QVERIFY(sheet()->saveTo(first));
    if (changed)
        report(QStringLiteral("Not saved yet"));
    const QString before = text();

    MessageBoxCatcher catcher;
    catcher.setAnswer(QMessageBox::StandardButton(answer));
    QCOMPARE(m_windows->sheetFiles().open(other), replaced);
    QCOMPARE(catcher.count(), changed ? 1 : 0);
    if (changed)
        QCOMPARE(catcher.last().title, QStringLiteral("Unsaved Changes"));
    QCOMPARE(text() == before, !replaced);

    QTextDocument reread;
    QVERIFY(!openSheet(first, &reread));
    QCOMPARE(reread.toPlainText().contains(QStringLiteral("Not saved yet")),
        answer == QMessageBox::Save && changed);
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
    QTest::addColumn<QString>("made"); // a file of these bytes, a folder, too large, nothing
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    QTextDocument document;
    document.setPlainText(QStringLiteral("Calculation Type: Conduit Fill\n\nConduit Size = 1/2"));
    const QByteArray saved = sheetFileBytes(document);
    QByteArray noise(4096, '\0');
    QRandomGenerator(17).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    // Cut in the middle of a line, the damage is on the line after the last whole one.
    const QByteArray cutInLine = saved.left(saved.size() * 2 / 3);
    const QByteArray cutAtLineEnd = saved.left(saved.indexOf('\n', saved.size() / 3) + 1);
    QVERIFY(!cutInLine.endsWith('\n'));
    QByteArray newer = saved;
    newer.replace("Tavilon sheet 1.0\n", "Tavilon sheet 2.0\n");

    QTest::newRow("empty file") << "file" << QByteArray()
                                << QStringLiteral("The file is empty; it is not a Tavilon sheet.");
    QTest::newRow("random bytes") << "file" << noise
                                  << QStringLiteral("This is not a Tavilon sheet.");
    QTest::newRow("cut in a line")
        << "file" << cutInLine
        << QStringLiteral("The sheet is damaged at line %1: the file ends in the middle of a "
                          "line; it may have been cut short.")
               .arg(cutInLine.count('\n') + 1);
    QTest::newRow("cut at a line's end")
        << "file" << cutAtLineEnd
        << QStringLiteral("The sheet is damaged at line %1: the file ends before the sheet "
                          "does; it may have been cut short.")
               .arg(cutAtLineEnd.count('\n'));
    QTest::newRow("newer version")
        << "file" << newer
        << QStringLiteral("This sheet was saved by a newer version of Tavilon, in sheet format "
                          "2.0; this version opens sheets of format 1.");
    QTest::newRow("a folder") << "folder" << QByteArray()
                              << QStringLiteral("This is a folder, not a file.");
    QTest::newRow("larger than 50 MB")
        << "large" << QByteArray()
        << QStringLiteral("The file is larger than 50 MB, which no sheet is.");
    QTest::newRow("no file") << "nothing" << QByteArray()
                             << QStringLiteral("There is no such file.");
}

void SheetFilesTest::aRefusedFileChangesNothing()
{
    QFETCH(QString, made);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString file = path(QLatin1String(QTest::currentDataTag()) + QStringLiteral(".tavilon"));
    QFile out(file);
    if (made == QLatin1String("file"))
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    else if (made == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(file));
    else if (made == QLatin1String("large")) // sparse: the size is checked before a read
        QVERIFY(out.open(QIODevice::WriteOnly) && out.resize(kMaxSheetFileBytes + 1));
    out.close();

    // With no sheet on screen, none is made; with one, it stays as it is.
    for (bool sheetShown : {false, true}) {
        QString before;
        if (sheetShown) {
            report(QStringLiteral("The job so far"));
            sheet()->document()->setFontWeight(QFont::Bold);
            sheet()->document()->insertPlainText(QStringLiteral("typed in bold"));
            before = sheet()->document()->toHtml();
        }
        MessageBoxCatcher catcher;
        QVERIFY(!m_windows->sheetFiles().open(file));
        QCOMPARE(catcher.count(), 1);
        QVERIFY2(catcher.last().text.startsWith(QDir::toNativeSeparators(file)),
            qPrintable(catcher.last().text));
        QVERIFY2(catcher.last().text.endsWith(reason), qPrintable(catcher.last().text));
        QCOMPARE(bool(m_windows->calcSheet()), sheetShown);
        if (sheetShown) {
            QCOMPARE(sheet()->document()->toHtml(), before);
            QVERIFY(sheet()->document()->document()->isUndoAvailable());
        }
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
    const QStringList closed = closedTexts();
    QCOMPARE(closed.size(), 1);
    QVERIFY(closed[0].endsWith(QStringLiteral("fresh")));
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
        QTest::qWait(20); // closed apart, as the files' times tell
    }
    const QStringList closed = closedTexts();
    QCOMPARE(closed.size(), 10);
    QVERIFY(closed.constFirst().endsWith(QStringLiteral("\nSheet 11")));
    QVERIFY(closed.constLast().endsWith(QStringLiteral("\nSheet 2")));
}

void SheetFilesTest::quitKeepsTheSheet()
{
    report(QStringLiteral("Quitting"));
    QPointer<MainWindow> main = m_windows->mainWindow();
    QPointer<CalcSheet> calcSheet = sheet();
    main->findChild<QAction*>(QStringLiteral("actionQuit"))->trigger();
    QTRY_VERIFY(main.isNull() && calcSheet.isNull());
    const QStringList closed = closedTexts();
    QCOMPARE(closed.size(), 1);
    QVERIFY(closed[0].endsWith(QStringLiteral("Quitting")));
}

TAVILON_WIDGET_TEST_MAIN(SheetFilesTest)
#include "sheet_files_test.moc"
