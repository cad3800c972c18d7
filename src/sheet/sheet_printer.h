#pragma once

// The Calculation Results Sheet as a document on paper: laid out on the device's pages
// with each report kept on one page where it fits, and a footer on every page with the
// project's name and "Page N of M". The same pages go to the printer and into a PDF file;
// an OpenDocument Text file takes the sheet as it is, without pages.

#include <QPageLayout>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

class QLocale;
class QPagedPaintDevice;
class QTextDocument;
class QTextDocumentFragment;

// The name a printed or exported sheet carries: the PDF's title and the print job's.
inline constexpr QStringView kSheetDocumentName = u"Calculation Results Sheet";

// The sheet's paper in `locale`: Letter where U.S. measures are used, A4 elsewhere,
// upright, 20 mm margins all round.
QPageLayout sheetPageLayout(const QLocale& locale);

class SheetPrinter
{
public:
    // The whole sheet, as it is now.
    explicit SheetPrinter(const QTextDocument& sheet);
    // Only `selection`, a part of `sheet`; the footer still names the sheet's project.
    SheetPrinter(const QTextDocument& sheet, const QTextDocumentFragment& selection);
    ~SheetPrinter();
    SheetPrinter(const SheetPrinter&) = delete;
    SheetPrinter& operator=(const SheetPrinter&) = delete;

    // Lays the sheet out on the pages of the device's page layout and paints them, black
    // on white whatever the colour scheme. False when the device cannot be painted on.
    [[nodiscard]] bool print(QPagedPaintDevice* device) const;

private:
    std::unique_ptr<QTextDocument> m_document; // a copy: printing never changes the sheet
    QString m_projectName;
};

// Write the whole sheet to `path`, a PDF file with the pages printing gives on the
// locale's paper, or an OpenDocument Text file. The file at `path` is replaced only by a
// complete new one. Each returns why the file could not be written, or nothing.
[[nodiscard]] std::optional<QString> exportPdf(const QTextDocument& sheet, const QString& path);
[[nodiscard]] std::optional<QString> exportOdt(const QTextDocument& sheet, const QString& path);
