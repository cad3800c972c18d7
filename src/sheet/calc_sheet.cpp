#include "sheet/calc_sheet.h"

#include "sheet/sheet_printer.h"
#include "sheet/sheet_template.h"
#include "sheet/sheet_texts.h"
#include "ui/accessibility.h"
#include "ui/message_box.h"
#include "ui/number_locale.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// The sheet is typed into, so Tab types a tab there. Ctrl+Tab and Ctrl+Shift+Tab move the
// keyboard focus on and back instead, which Qt's text box does not do by itself.
class SheetDocument : public QTextEdit
{
public:
    using QTextEdit::QTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        if (tab && event->modifiers().testFlag(Qt::ControlModifier)) {
            const bool forward
                = event->key() == Qt::Key_Tab && !event->modifiers().testFlag(Qt::ShiftModifier);
            // QTextEdit's own focusNextPrevChild refuses while Tab is text.
            QWidget::focusNextPrevChild(forward);
            return;
        }
        QTextEdit::keyPressEvent(event);
    }
};

bool isRichText(const QString& text)
{
    const QString start = text.trimmed().left(14).toLower();
    return start.startsWith(QLatin1String("<!doctype html"))
        || start.startsWith(QLatin1String("<html"));
}

} // namespace

CalcSheet::CalcSheet(const SharedSheetActions& shared, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Calc_Sheet"));
    setWindowTitle(QStringLiteral("Calculation Results Sheet"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("sheetClient"));
    setCentralWidget(m_client);

    m_document = new SheetDocument(m_client);
    m_document->setObjectName(QStringLiteral("RichTextBox1"));
    m_document->setAccessibleName(QStringLiteral("Calculation results"));
    m_document->setAcceptRichText(true);
    m_document->setToolTip(QStringLiteral(
        "The record of the reports sent here; type your own notes into it and print it"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    m_document->document()->setDefaultFont(font);
    fillSheetTemplate(m_document->document());
    // The template is where the sheet starts: neither a change nor a step to undo.
    m_document->document()->clearUndoRedoStacks();
    m_document->document()->setModified(false);
    m_document->moveCursor(QTextCursor::End);
    ui::place(m_document, 120, 600, 9015, 6495);

    m_showMain = ui::button("cmdRudu_Vovor", QStringLiteral("Show Tavilon"), m_client);
    m_close = ui::button("cmdExit", QStringLiteral("Close"), m_client);
    m_print = ui::button("cmdPrint", QStringLiteral("Print Sheet"), m_client);
    ui::place(m_showMain, 240, 7200, 1815, 375);
    ui::place(m_close, 5880, 7200, 1455, 375);
    ui::place(m_print, 7440, 7680, 1695, 375);

    ui::setTabOrder({m_document, m_showMain, m_close, m_print});

    connect(m_showMain, &QPushButton::clicked, this, &CalcSheet::showMainWindowRequested);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_print, &QPushButton::clicked, this, &CalcSheet::PrintSheet);

    buildMenus(shared);
    // The designed area keeps its size; the window grows by the menu bar.
    resize(ui::twips(9285), ui::twips(7680) + menuBarHeight());
}

QAction* CalcSheet::addAction(QMenu* menu, const char* name, const QString& text, const char* icon,
    QKeySequence::StandardKey key)
{
    QAction* action = menu->addAction(QIcon::fromTheme(QLatin1String(icon)), text);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(key);
    return action;
}

void CalcSheet::buildMenus(const SharedSheetActions& shared)
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    if (shared.open)
        file->addAction(shared.open);
    m_saveAction = addAction(
        file, "actionSaveSheet", QStringLiteral("&Save"), "document-save", QKeySequence::Save);
    m_saveAsAction = addAction(file, "actionSaveSheetAs", QStringLiteral("Save &As\u2026"),
        "document-save-as", QKeySequence::SaveAs);
    file->addSeparator();
    QAction* pdf = addAction(file, "actionExportPdf", QStringLiteral("Export as &PDF\u2026"),
        "application-pdf", QKeySequence::UnknownKey);
    connect(pdf, &QAction::triggered, this, [this] {
        const QString path = askExportPath(QStringLiteral("Export as PDF"),
            QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
        if (!path.isEmpty())
            exportPdf(path);
    });
    QAction* odt
        = addAction(file, "actionExportOdt", QStringLiteral("Export as &OpenDocument Text\u2026"),
            "x-office-document", QKeySequence::UnknownKey);
    connect(odt, &QAction::triggered, this, [this] {
        const QString path = askExportPath(QStringLiteral("Export as OpenDocument Text"),
            QStringLiteral("OpenDocument Text (*.odt)"), QStringLiteral("odt"));
        if (!path.isEmpty())
            exportOdt(path);
    });
    file->addSeparator();
    QAction* print = addAction(file, "actionPrintSheet", QStringLiteral("&Print\u2026"),
        "document-print", QKeySequence::Print);
    connect(print, &QAction::triggered, this, &CalcSheet::PrintSheet);
    file->addSeparator();
    if (shared.recent)
        file->addMenu(shared.recent);
    if (shared.reopenClosed)
        file->addAction(shared.reopenClosed);
    file->addSeparator();
    QAction* close = addAction(
        file, "actionCloseSheet", QStringLiteral("&Close"), "document-close", QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("menuEdit"));
    QTextEdit* text = m_document;
    QAction* undo
        = addAction(edit, "actionUndo", QStringLiteral("&Undo"), "edit-undo", QKeySequence::Undo);
    QAction* redo
        = addAction(edit, "actionRedo", QStringLiteral("&Redo"), "edit-redo", QKeySequence::Redo);
    edit->addSeparator();
    QAction* cut
        = addAction(edit, "actionCut", QStringLiteral("Cu&t"), "edit-cut", QKeySequence::Cut);
    QAction* copy
        = addAction(edit, "actionCopy", QStringLiteral("&Copy"), "edit-copy", QKeySequence::Copy);
    QAction* paste = addAction(
        edit, "actionPaste", QStringLiteral("&Paste"), "edit-paste", QKeySequence::Paste);
    edit->addSeparator();
    QAction* selectAll = addAction(edit, "actionSelectAll", QStringLiteral("Select &All"),
        "edit-select-all", QKeySequence::SelectAll);
    connect(undo, &QAction::triggered, text, &QTextEdit::undo);
    connect(redo, &QAction::triggered, text, &QTextEdit::redo);
    connect(cut, &QAction::triggered, text, &QTextEdit::cut);
    connect(copy, &QAction::triggered, text, &QTextEdit::copy);
    connect(paste, &QAction::triggered, text, &QTextEdit::paste);
    connect(selectAll, &QAction::triggered, text, &QTextEdit::selectAll);
    // The items are there when they can do something.
    undo->setEnabled(false);
    redo->setEnabled(false);
    cut->setEnabled(false);
    copy->setEnabled(false);
    connect(text, &QTextEdit::undoAvailable, undo, &QAction::setEnabled);
    connect(text, &QTextEdit::redoAvailable, redo, &QAction::setEnabled);
    connect(text, &QTextEdit::copyAvailable, cut, &QAction::setEnabled);
    connect(text, &QTextEdit::copyAvailable, copy, &QAction::setEnabled);
    connect(
        edit, &QMenu::aboutToShow, this, [paste, text] { paste->setEnabled(text->canPaste()); });
}

int CalcSheet::menuBarHeight() const
{
    // A desktop that shows menus outside the window takes no room from it.
    return menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
}

void CalcSheet::setVoltageDropResults(std::function<QTextDocumentFragment()> results)
{
    m_voltageDropResults = std::move(results);
}

void CalcSheet::printRTF(const QString& text, const QString& tag)
{
    // A report is one step for Undo, and starts a paragraph of its own.
    QTextCursor report = insertionPointAtEnd();
    report.beginEditBlock();
    if (!report.block().text().isEmpty())
        appendPlainText(QStringLiteral("\n"));
    if (isRichText(text))
        appendFragment(QTextDocumentFragment::fromHtml(text, m_document->document()));
    else
        appendPlainText(text);
    QCoreApplication::processEvents();

    if (tag == QLatin1String("VD")) {
        if (m_voltageDropResults)
            appendFragment(m_voltageDropResults());
        appendPlainText(ui::fromStd(VoltageDropNotes));
    }
    report.endEditBlock();
}

void CalcSheet::appendPlainText(const QString& text)
{
    // A report's CR LF is one line break on the sheet, as is a lone CR or LF.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString paragraphs = text;
    paragraphs.replace(lineBreak, QStringLiteral("\n"));
    QTextCursor end = insertionPointAtEnd();
    end.insertText(paragraphs, end.charFormat());
    m_document->setTextCursor(end);
}

void CalcSheet::appendFragment(const QTextDocumentFragment& fragment)
{
    QTextCursor end = insertionPointAtEnd();
    end.insertFragment(fragment);
    m_document->setTextCursor(end);
}

// A report goes where the sheet's own insertion point is put: at the end, the selection
// given up, so that the user's next key and the next print follow the report.
QTextCursor CalcSheet::insertionPointAtEnd()
{
    m_document->moveCursor(QTextCursor::End);
    return m_document->textCursor();
}

void CalcSheet::PrintSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    // The name titles a PDF file and the print job. The paper is the locale's, set before
    // the dialog opens so that the dialog offers it.
    printer.setDocName(kSheetDocumentName.toString());
    printer.setPageLayout(sheetPageLayout(QLocale()));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("cdlInfo"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    const QTextCursor cursor = m_document->textCursor();
    dialog.setOption(QAbstractPrintDialog::PrintSelection, cursor.hasSelection());
    printer.setPrintRange(cursor.hasSelection() ? QPrinter::Selection : QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QTextDocument& sheet = *m_document->document();
    if (printer.printRange() == QPrinter::Selection)
        (void)SheetPrinter(sheet, cursor.selection()).print(&printer);
    else
        (void)SheetPrinter(sheet).print(&printer);
    QCoreApplication::processEvents();
}

QString CalcSheet::askExportPath(const QString& title, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(this, title);
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool CalcSheet::exportPdf(const QString& path)
{
    if (const std::optional<QString> reason = ::exportPdf(*m_document->document(), path)) {
        refuseExport(path, *reason);
        return false;
    }
    return true;
}

bool CalcSheet::exportOdt(const QString& path)
{
    if (const std::optional<QString> reason = ::exportOdt(*m_document->document(), path)) {
        refuseExport(path, *reason);
        return false;
    }
    return true;
}

void CalcSheet::refuseExport(const QString& path, const QString& reason)
{
    ui::showMessage(this,
        QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), reason),
        QStringLiteral("Export Failed"), MessageKind::Exclamation);
}

void CalcSheet::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layOut();
}

// The designed layout takes the window's outer size less the menu bar, as if the window
// began below it.
void CalcSheet::layOut()
{
    if (isMinimized())
        return;
    const QSize outer = frameGeometry().size();
    const SheetLayout layout
        = LayoutSheet(ui::toTwips(outer.width()), ui::toTwips(outer.height() - menuBarHeight()));
    m_document->resize(ui::twips(layout.textWidth), ui::twips(layout.textHeight));
    for (QPushButton* b : {m_showMain, m_close, m_print})
        b->move(b->x(), ui::twips(layout.buttonTop));
}
