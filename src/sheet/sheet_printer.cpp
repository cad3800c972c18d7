#include "sheet/sheet_printer.h"

#include "sheet/sheet_pages.h"
#include "sheet/sheet_texts.h"
#include "sheet/whole_file.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>
#include <QTextFrame>

#include <cmath>
#include <vector>

namespace {

// The footer: a hairline across the text's width, and below it the project's name on the
// left and "Page N of M" on the right, in the sheet's typeface at 9 points, small enough
// to stay out of the way and large enough to read on a photocopy. Its band is two lines
// high, the rule half a line above the text.
constexpr double kFooterPoints = 9;
constexpr double kFooterLines = 2;
constexpr double kRulePoints = 0.5;

// Half a device pixel: less than any line of text is high.
constexpr double kTouching = 0.5;

double points(double value, const QPaintDevice& device)
{
    return value * device.logicalDpiY() / 72.0;
}

// Black text on white paper, whatever the user's colour scheme: text without a colour of
// its own is drawn in the palette's.
QPalette paper()
{
    return QPalette(Qt::black, Qt::white, Qt::white, Qt::darkGray, Qt::gray, Qt::black, Qt::white,
        Qt::white, Qt::white);
}

// Where each paragraph lies in the document's layout, from its first line to its last.
std::vector<ParagraphExtent> extentsOf(const QTextDocument& document)
{
    std::vector<ParagraphExtent> extents;
    extents.reserve(static_cast<std::size_t>(document.blockCount()));
    const QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QRectF rect = layout->blockBoundingRect(block);
        const QTextLayout* lines = block.layout();
        if (lines->lineCount() == 0) {
            extents.push_back({rect.top(), rect.bottom()});
            continue;
        }
        // A line moved down onto the next page leaves the block's own top behind.
        const QTextLine first = lines->lineAt(0);
        const QTextLine last = lines->lineAt(lines->lineCount() - 1);
        extents.push_back({rect.top() + first.y(), rect.top() + last.y() + last.height()});
    }
    return extents;
}

// The sheet's paragraphs as the page planning sees them, each with its extent in
// `column`, the same document laid out without pages.
std::vector<SheetParagraph> paragraphsOf(const QTextDocument& column)
{
    const std::vector<ParagraphExtent> natural = extentsOf(column);
    std::vector<SheetParagraph> paragraphs;
    paragraphs.reserve(natural.size());
    std::size_t i = 0;
    for (QTextBlock block = column.begin(); block.isValid(); block = block.next(), ++i) {
        // A report's heading is a paragraph of the sheet's own, not one in a table.
        const bool topLevel = QTextCursor(block).currentFrame() == column.rootFrame();
        const QString text = block.text();
        paragraphs.push_back(
            {topLevel && StartsReport(text.toStdString()), text.trimmed().isEmpty(), natural[i]});
    }
    return paragraphs;
}

std::unique_ptr<QTextDocument> layOutFor(
    const QTextDocument& document, QPaintDevice* device, double width)
{
    std::unique_ptr<QTextDocument> copy(document.clone());
    // Measured in the device's own resolution, as the text will be drawn.
    copy->documentLayout()->setPaintDevice(device);
    copy->setDocumentMargin(0);
    copy->setTextWidth(width);
    return copy;
}

// The document laid out on pages of `body`'s size, with a page break before every report
// that has to move so that it is on one page.
std::unique_ptr<QTextDocument> layOutOnPages(
    const QTextDocument& document, QPaintDevice* device, const QSizeF& body)
{
    const std::unique_ptr<QTextDocument> column = layOutFor(document, device, body.width());
    std::unique_ptr<QTextDocument> pages = layOutFor(document, device, body.width());
    pages->setPageSize(body);
    QTextDocument* laidOut = pages.get();
    KeepReportsTogether(
        paragraphsOf(*column), extentsOf(*laidOut), body.height(), [laidOut](std::size_t index) {
            const QTextBlock block = laidOut->findBlockByNumber(static_cast<int>(index));
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(
                format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
            return extentsOf(*laidOut);
        });
    return pages;
}

void paintFooter(QPainter& painter, const QRectF& band, const QFont& font,
    const QString& projectName, int page, int pageCount)
{
    painter.save();
    const double rule = points(kRulePoints, *painter.device());
    painter.setPen(QPen(Qt::black, rule));
    painter.setFont(font);
    const QFontMetricsF metrics = painter.fontMetrics();
    const double ruleY = band.bottom() - metrics.height() * 1.5;
    painter.drawLine(QPointF(band.left(), ruleY), QPointF(band.right(), ruleY));

    const QString pageText = QStringLiteral("Page %1 of %2").arg(page).arg(pageCount);
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, pageText);
    // A name too long for the room left of the page number is shortened, not overprinted.
    const double room = band.width() - metrics.horizontalAdvance(pageText)
        - metrics.horizontalAdvance(QStringLiteral("MM"));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignBottom,
        metrics.elidedText(projectName, Qt::ElideRight, room));
    painter.restore();
}

} // namespace

QPageLayout sheetPageLayout(const QLocale& locale)
{
    const bool usPaper = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(usPaper ? QPageSize::Letter : QPageSize::A4),
        QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

SheetPrinter::SheetPrinter(const QTextDocument& sheet)
    : m_document(sheet.clone())
    , m_projectName(QString::fromStdString(ProjectNameOf(sheet.toPlainText().toStdString())))
{ }

SheetPrinter::SheetPrinter(const QTextDocument& sheet, const QTextDocumentFragment& selection)
    : m_document(std::make_unique<QTextDocument>())
    , m_projectName(QString::fromStdString(ProjectNameOf(sheet.toPlainText().toStdString())))
{
    m_document->setDefaultFont(sheet.defaultFont());
    QTextCursor(m_document.get()).insertFragment(selection);
    // The pictures are the sheet's resources; a clone would take them along, a fragment
    // does not.
    for (const QTextFormat& format : m_document->allFormats()) {
        if (!format.isImageFormat())
            continue;
        const QUrl name(format.toImageFormat().name());
        m_document->addResource(
            QTextDocument::ImageResource, name, sheet.resource(QTextDocument::ImageResource, name));
    }
}

SheetPrinter::~SheetPrinter() = default;

bool SheetPrinter::print(QPagedPaintDevice* device) const
{
    QFont footerFont(m_document->defaultFont().families(), -1, QFont::Normal);
    footerFont.setPointSizeF(kFooterPoints);
    const double footerHeight = QFontMetricsF(footerFont, device).height() * kFooterLines;
    // Whole device pixels, so that the pages' ends fall on the layout's exact positions.
    const QSizeF body(device->width(), std::floor(device->height() - footerHeight));
    const QRectF footer(0, body.height(), body.width(), device->height() - body.height());

    const std::unique_ptr<QTextDocument> pages = layOutOnPages(*m_document, device, body);
    const int pageCount = pages->pageCount();
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = paper();

    QPainter painter;
    if (!painter.begin(device))
        return false;
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !device->newPage())
            return false;
        const QRectF view(QPointF(0, page * body.height()), body);
        painter.save();
        painter.setClipRect(QRectF(QPointF(0, 0), body));
        painter.translate(0, -view.top());
        // The layout draws a line that only touches the view, one that starts on the next
        // page's first pixel row or ends on the last of the page before; the painter's clip
        // hides it, but a PDF would still carry its text. A view a hair smaller leaves it out.
        context.clip = view.adjusted(0, kTouching, 0, -kTouching);
        pages->documentLayout()->draw(&painter, context);
        painter.restore();
        paintFooter(painter, footer, footerFont, m_projectName, page + 1, pageCount);
    }
    return painter.end();
}

// Both exports make the file in memory first, then write it whole: neither writer can be
// trusted with a QSaveFile. The PDF writer ignores a short write, which raises no error,
// and the ODF writer closes its device, which a QSaveFile forbids.
std::optional<QString> exportPdf(const QTextDocument& sheet, const QString& path)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(kSheetDocumentName.toString());
        writer.setCreator(QStringLiteral("Tavilon"));
        writer.setPageLayout(sheetPageLayout(QLocale()));
        if (!SheetPrinter(sheet).print(&writer))
            return QStringLiteral("The PDF could not be drawn.");
    }
    return writeWholeFile(path, pdf.data());
}

std::optional<QString> exportOdt(const QTextDocument& sheet, const QString& path)
{
    QBuffer odt;
    odt.open(QIODevice::WriteOnly);
    if (!QTextDocumentWriter(&odt, "odf").write(&sheet))
        return QStringLiteral("The OpenDocument Text could not be made.");
    return writeWholeFile(path, odt.data());
}
