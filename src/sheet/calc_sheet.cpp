#include "sheet/calc_sheet.h"

#include "sheet/sheet_template.h"
#include "sheet/sheet_texts.h"
#include "ui/accessibility.h"
#include "ui/number_locale.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPageSize>
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

CalcSheet::CalcSheet(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Calc_Sheet"));
    setWindowTitle(QStringLiteral("Calculation Results Sheet"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(ui::twips(9285), ui::twips(7680));

    m_document = new SheetDocument(this);
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

    m_showMain = ui::button("cmdRudu_Vovor", QStringLiteral("Show Tavilon"), this);
    m_close = ui::button("cmdExit", QStringLiteral("Close"), this);
    m_print = ui::button("cmdPrint", QStringLiteral("Print Sheet"), this);
    ui::place(m_showMain, 240, 7200, 1815, 375);
    ui::place(m_close, 5880, 7200, 1455, 375);
    ui::place(m_print, 7440, 7680, 1695, 375);

    ui::setTabOrder({m_document, m_showMain, m_close, m_print});

    connect(m_showMain, &QPushButton::clicked, this, &CalcSheet::showMainWindowRequested);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_print, &QPushButton::clicked, this, &CalcSheet::PrintSheet);
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
    printer.setDocName(QStringLiteral("Calculation Results Sheet"));
    const bool usPaper = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    printer.setPageSize(QPageSize(usPaper ? QPageSize::Letter : QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("cdlInfo"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    const bool hasSelection = m_document->textCursor().hasSelection();
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // QTextEdit prints only the selection when the printer's range asks for it.
    m_document->print(&printer);
    QCoreApplication::processEvents();
}

void CalcSheet::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void CalcSheet::layOut()
{
    if (isMinimized())
        return;
    const QSize outer = frameGeometry().size();
    const SheetLayout layout = LayoutSheet(ui::toTwips(outer.width()), ui::toTwips(outer.height()));
    m_document->resize(ui::twips(layout.textWidth), ui::twips(layout.textHeight));
    for (QPushButton* b : {m_showMain, m_close, m_print})
        b->move(b->x(), ui::twips(layout.buttonTop));
}
