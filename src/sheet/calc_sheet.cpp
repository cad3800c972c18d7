#include "sheet/calc_sheet.h"

#include "sheet/kept_sheets.h"
#include "sheet/sheet_document_io.h"
#include "sheet/sheet_printer.h"
#include "sheet/sheet_template.h"
#include "sheet/sheet_texts.h"
#include "ui/accessibility.h"
#include "ui/menus.h"
#include "ui/message_box.h"
#include "ui/number_locale.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

// How long after the last key the sheet is kept.
constexpr int kKeepAfterTypingMs = 3000;

const QString kSheetFileFilter = QStringLiteral("Tavilon sheets (*.tavilon)");

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

CalcSheet::CalcSheet(
    const ui::SheetFileActions& shared, const KeptSheets* keptSheets, QWidget* parent)
    : QMainWindow(parent)
    , m_keptSheets(keptSheets)
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
    ui::place(m_document, 120, 600, 9015, 6495);
    // A pause in the typing keeps the sheet.
    m_keepAfterTyping = new QTimer(this);
    m_keepAfterTyping->setSingleShot(true);
    m_keepAfterTyping->setInterval(kKeepAfterTypingMs);
    connect(m_keepAfterTyping, &QTimer::timeout, this, &CalcSheet::keep);

    buildMenus(shared);
    auto* sheetTemplate = new QTextDocument(m_document);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    sheetTemplate->setDefaultFont(font);
    fillSheetTemplate(sheetTemplate);
    // The template is where the sheet starts: neither a change nor a step to undo.
    sheetTemplate->clearUndoRedoStacks();
    sheetTemplate->setModified(false);
    adoptDocument(sheetTemplate);

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
    // The designed area keeps its size; the window grows by the menu bar.
    resize(ui::twips(9285), ui::twips(7680) + ui::menuBarHeight(menuBar()));
}

void CalcSheet::buildMenus(const ui::SheetFileActions& shared)
{
    QMenu* file = ui::addMenu(menuBar(), "menuFile", QStringLiteral("&File"));
    if (shared.open)
        file->addAction(shared.open);
    QAction* saveAction = ui::addAction(
        file, "actionSaveSheet", QStringLiteral("&Save"), "document-save", QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, &CalcSheet::save);
    QAction* saveAsAction = ui::addAction(file, "actionSaveSheetAs",
        QStringLiteral("Save &As\u2026"), "document-save-as", QKeySequence::SaveAs);
    connect(saveAsAction, &QAction::triggered, this, &CalcSheet::saveAs);
    file->addSeparator();
    QAction* pdf = ui::addAction(
        file, "actionExportPdf", QStringLiteral("Export as &PDF\u2026"), "application-pdf");
    connect(pdf, &QAction::triggered, this, [this] {
        const QString path = askExportPath(QStringLiteral("Export as PDF"),
            QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
        if (!path.isEmpty())
            exportPdf(path);
    });
    QAction* odt = ui::addAction(file, "actionExportOdt",
        QStringLiteral("Export as &OpenDocument Text\u2026"), "x-office-document");
    connect(odt, &QAction::triggered, this, [this] {
        const QString path = askExportPath(QStringLiteral("Export as OpenDocument Text"),
            QStringLiteral("OpenDocument Text (*.odt)"), QStringLiteral("odt"));
        if (!path.isEmpty())
            exportOdt(path);
    });
    file->addSeparator();
    QAction* print = ui::addAction(file, "actionPrintSheet", QStringLiteral("&Print\u2026"),
        "document-print", QKeySequence::Print);
    connect(print, &QAction::triggered, this, &CalcSheet::PrintSheet);
    file->addSeparator();
    if (shared.recent)
        file->addMenu(shared.recent);
    if (shared.reopenClosed)
        file->addAction(shared.reopenClosed);
    file->addSeparator();
    QAction* close = ui::addAction(
        file, "actionCloseSheet", QStringLiteral("&Close"), "document-close", QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = ui::addMenu(menuBar(), "menuEdit", QStringLiteral("&Edit"));
    QTextEdit* text = m_document;
    m_undo = ui::addAction(
        edit, "actionUndo", QStringLiteral("&Undo"), "edit-undo", QKeySequence::Undo);
    m_redo = ui::addAction(
        edit, "actionRedo", QStringLiteral("&Redo"), "edit-redo", QKeySequence::Redo);
    edit->addSeparator();
    QAction* cut
        = ui::addAction(edit, "actionCut", QStringLiteral("Cu&t"), "edit-cut", QKeySequence::Cut);
    QAction* copy = ui::addAction(
        edit, "actionCopy", QStringLiteral("&Copy"), "edit-copy", QKeySequence::Copy);
    QAction* paste = ui::addAction(
        edit, "actionPaste", QStringLiteral("&Paste"), "edit-paste", QKeySequence::Paste);
    edit->addSeparator();
    QAction* selectAll = ui::addAction(edit, "actionSelectAll", QStringLiteral("Select &All"),
        "edit-select-all", QKeySequence::SelectAll);
    connect(m_undo, &QAction::triggered, text, &QTextEdit::undo);
    connect(m_redo, &QAction::triggered, text, &QTextEdit::redo);
    connect(cut, &QAction::triggered, text, &QTextEdit::cut);
    connect(copy, &QAction::triggered, text, &QTextEdit::copy);
    connect(paste, &QAction::triggered, text, &QTextEdit::paste);
    connect(selectAll, &QAction::triggered, text, &QTextEdit::selectAll);
    // The items are there when they can do something.
    cut->setEnabled(false);
    copy->setEnabled(false);
    connect(text, &QTextEdit::undoAvailable, m_undo, &QAction::setEnabled);
    connect(text, &QTextEdit::redoAvailable, m_redo, &QAction::setEnabled);
    connect(text, &QTextEdit::copyAvailable, cut, &QAction::setEnabled);
    connect(text, &QTextEdit::copyAvailable, copy, &QAction::setEnabled);
    connect(
        edit, &QMenu::aboutToShow, this, [paste, text] { paste->setEnabled(text->canPaste()); });
}

CalcSheet::~CalcSheet() = default;

void CalcSheet::adoptDocument(QTextDocument* document)
{
    // A document the sheet made goes with the one that replaces it; the edit's own first
    // one, the edit deletes itself.
    QTextDocument* old = m_document->document();
    const bool made = old != document && old->parent() == m_document;
    m_document->setDocument(document);
    if (made)
        delete old;
    m_document->moveCursor(QTextCursor::End);
    connect(document, &QTextDocument::modificationChanged, this, &CalcSheet::updateCaption);
    // The edit reports changes to what Undo can do, not what a new document can.
    m_undo->setEnabled(document->isUndoAvailable());
    m_redo->setEnabled(document->isRedoAvailable());
    connect(
        document, &QTextDocument::contentsChanged, m_keepAfterTyping, qOverload<>(&QTimer::start));
    updateCaption();
}

// "Calculation Results Sheet" for a sheet never saved; once saved or opened, the file's
// name follows, with a "*" while there are changes not saved to it.
void CalcSheet::updateCaption()
{
    const QString title = QStringLiteral("Calculation Results Sheet");
    if (m_filePath.isEmpty()) {
        setWindowTitle(title);
        return;
    }
    setWindowTitle(QStringLiteral("%1 \u2014 %2[*]").arg(title, QFileInfo(m_filePath).fileName()));
    setWindowModified(m_document->document()->isModified());
}

// A sheet read from a file holds more than the template even when nothing has changed
// since; a fresh one, once it has changed.
bool CalcSheet::holdsMoreThanTemplate() const
{
    return !m_freshFromTemplate || !m_filePath.isEmpty() || m_document->document()->isModified();
}

void CalcSheet::keep()
{
    m_keepAfterTyping->stop();
    if (!m_keptSheets)
        return;
    if (!holdsMoreThanTemplate()) {
        if (m_kept)
            m_kept->discard();
        return;
    }
    if (!m_kept)
        m_kept = KeptSheet::claim(*m_keptSheets);
    const std::optional<QString> refused = m_kept
        ? m_kept->keep(*m_document->document(), m_filePath, m_document->document()->isModified())
        : std::optional<QString>(
            QStringLiteral("the folder %1 cannot be used").arg(m_keptSheets->folder()));
    if (refused) {
        // Nothing the user can do about it now; closing must go on.
        std::fprintf(
            stderr, "tavilon: the results sheet could not be kept: %s\n", qPrintable(*refused));
    }
}

bool CalcSheet::save()
{
    return m_filePath.isEmpty() ? saveAs() : saveTo(m_filePath);
}

bool CalcSheet::saveAs()
{
    QFileDialog dialog(this, QStringLiteral("Save Sheet As"));
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(kSheetFileFilter);
    dialog.setDefaultSuffix(QStringLiteral("tavilon"));
    if (!m_filePath.isEmpty())
        dialog.selectFile(m_filePath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveTo(dialog.selectedFiles().constFirst());
}

bool CalcSheet::saveTo(const QString& path)
{
    if (const std::optional<QString> refused = saveSheet(*m_document->document(), path)) {
        ui::showMessage(this,
            QStringLiteral("%1 could not be saved: %2")
                .arg(QDir::toNativeSeparators(path), *refused),
            QStringLiteral("Save Failed"), MessageKind::Exclamation);
        return false;
    }
    m_filePath = QFileInfo(path).absoluteFilePath();
    m_document->document()->setModified(false);
    updateCaption();
    keep();
    emit fileUsed(m_filePath);
    return true;
}

bool CalcSheet::maybeSave()
{
    if (m_filePath.isEmpty() || !m_document->document()->isModified())
        return true;
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Unsaved Changes"),
        QStringLiteral("The sheet %1 has changes that are not saved.\nSave them?")
            .arg(QFileInfo(m_filePath).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("unsavedChangesQuestion"));
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void CalcSheet::replaceWith(std::unique_ptr<QTextDocument> opened, const QString& originalPath,
    bool unsavedChanges, std::unique_ptr<KeptSheet> kept)
{
    // The sheet that was here is kept, and its kept copy now counts as closed.
    keep();
    m_kept = std::move(kept);
    m_freshFromTemplate = false;
    m_filePath = originalPath.isEmpty() ? QString() : QFileInfo(originalPath).absoluteFilePath();
    opened->setModified(unsavedChanges);
    opened->setParent(m_document);
    adoptDocument(opened.release());
    updateCaption();
}

// Closing asks nothing: the sheet is kept, and its kept copy counts as closed at once.
void CalcSheet::closeEvent(QCloseEvent* event)
{
    keep();
    m_kept.reset();
    QMainWindow::closeEvent(event);
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
    m_document->ensureCursorVisible();
    keep();
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
    const SheetLayout layout = LayoutSheet(
        ui::toTwips(outer.width()), ui::toTwips(outer.height() - ui::menuBarHeight(menuBar())));
    m_document->resize(ui::twips(layout.textWidth), ui::twips(layout.textHeight));
    for (QPushButton* b : {m_showMain, m_close, m_print})
        b->move(b->x(), ui::twips(layout.buttonTop));
}
