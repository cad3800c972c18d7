#include "sheet/sheet_document_io.h"

#include "sheet/sheet_file.h"
#include "sheet/sheet_formats.h"
#include "sheet/whole_file.h"
#include "ui/number_locale.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QMimeDatabase>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace {

// The document's own settings in the "document" line, beside its default font.
constexpr std::string_view kIndentWidth = "indent-width";

// A document as the file's model. Formats and lists are numbered in the order the document
// first uses them, so that a document opened and saved again gives the same bytes.
class SheetRecorder
{
public:
    explicit SheetRecorder(const QTextDocument& document)
        : m_document(document)
    { }

    sheetfile::Sheet sheet()
    {
        sheetfile::Sheet sheet;
        sheet.root = frame(m_document.rootFrame());
        QTextCharFormat font;
        font.setFont(m_document.defaultFont(), QTextCharFormat::FontPropertiesSpecifiedOnly);
        sheet.document.defaultFont = number(font);
        sheet.document.properties
            = {{std::string(kIndentWidth), {double(m_document.indentWidth())}}};
        for (const QTextFormat& format : m_formats)
            sheet.formats.push_back({sheetFormatKind(format), sheetProperties(format), 0});
        sheet.lists = m_listFormats;
        for (const QString& name : m_imageNames) {
            if (std::optional<sheetfile::Resource> resource = image(name))
                sheet.resources.push_back(std::move(*resource));
        }
        return sheet;
    }

private:
    // ObjectIndex ties a format to a list or frame of this document; the file's structure
    // says that instead.
    int number(QTextFormat format)
    {
        format.clearProperty(QTextFormat::ObjectIndex);
        const auto known = std::find(m_formats.begin(), m_formats.end(), format);
        if (known != m_formats.end())
            return static_cast<int>(known - m_formats.begin());
        m_formats.push_back(format);
        for (const int property : {QTextFormat::ImageName, QTextFormat::BackgroundImageUrl}) {
            const QString name = format.stringProperty(property);
            if (!name.isEmpty() && !m_imageNames.contains(name))
                m_imageNames.append(name);
        }
        return static_cast<int>(m_formats.size()) - 1;
    }

    int listNumber(QTextList* list)
    {
        const auto known = std::find(m_lists.begin(), m_lists.end(), list);
        if (known != m_lists.end())
            return static_cast<int>(known - m_lists.begin());
        m_lists.push_back(list);
        m_listFormats.push_back(number(list->format()));
        return static_cast<int>(m_lists.size()) - 1;
    }

    sheetfile::Frame frame(QTextFrame* frame)
    {
        sheetfile::Frame recorded;
        recorded.format = number(frame->frameFormat());
        recorded.items = items(frame->begin(), frame->end(), false);
        return recorded;
    }

    // The items of a frame or a cell; the mark of a cell's first paragraph is the cell's
    // format.
    std::vector<sheetfile::Item> items(
        QTextFrame::iterator it, const QTextFrame::iterator& end, bool inCell)
    {
        // Each item is made in its place: GCC 12 takes a moved variant's other alternatives
        // for uninitialised.
        std::vector<sheetfile::Item> items;
        for (; it != end; ++it) {
            const bool first = items.empty();
            auto& content = items.emplace_back().content;
            if (QTextFrame* child = it.currentFrame()) {
                if (auto* table = qobject_cast<QTextTable*>(child))
                    content.emplace<sheetfile::Table>(this->table(table));
                else
                    content.emplace<sheetfile::Frame>(frame(child));
            } else {
                content.emplace<sheetfile::Block>(block(it.currentBlock(), inCell && first));
            }
        }
        return items;
    }

    sheetfile::Block block(const QTextBlock& block, bool opensCell)
    {
        sheetfile::Block recorded;
        recorded.format = number(block.blockFormat());
        QTextCharFormat mark = block.charFormat();
        if (opensCell) {
            // The cell's line gives its spans.
            mark.clearProperty(QTextFormat::TableCellRowSpan);
            mark.clearProperty(QTextFormat::TableCellColumnSpan);
        }
        recorded.charFormat = number(mark);
        if (QTextList* list = block.textList())
            recorded.list = listNumber(list);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            recorded.fragments.push_back(
                {number(fragment.charFormat()), fragment.text().toStdString()});
        }
        return recorded;
    }

    sheetfile::Table table(QTextTable* table)
    {
        sheetfile::Table recorded;
        recorded.format = number(table->format());
        recorded.rows = table->rows();
        recorded.columns = table->columns();
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                if (cell.row() != row || cell.column() != column)
                    continue; // covered by a cell that spans it, or no cell at all
                recorded.cells.push_back({row, column, cell.rowSpan(), cell.columnSpan(),
                    items(cell.begin(), cell.end(), true)});
            }
        }
        return recorded;
    }

    // The image the document shows under `name`, as the bytes of an image file: as it was
    // given, or in PNG where the document holds it decoded.
    std::optional<sheetfile::Resource> image(const QString& name) const
    {
        const QVariant resource = m_document.resource(QTextDocument::ImageResource, QUrl(name));
        QByteArray bytes;
        if (resource.typeId() == QMetaType::QByteArray) {
            bytes = resource.toByteArray();
        } else if (resource.typeId() == QMetaType::QImage
            || resource.typeId() == QMetaType::QPixmap) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            resource.value<QImage>().save(&buffer, "PNG");
        }
        const QString type = QMimeDatabase().mimeTypeForData(bytes).name();
        if (!type.startsWith(QLatin1String("image/")) || QImage::fromData(bytes).isNull())
            return std::nullopt;
        return sheetfile::Resource {name.toStdString(), type.toStdString(), bytes.toStdString()};
    }

    const QTextDocument& m_document;
    std::vector<QTextFormat> m_formats;
    std::vector<QTextList*> m_lists;
    std::vector<int> m_listFormats;
    QStringList m_imageNames;
};

QString damaged(int line, const QString& reason)
{
    if (line <= 0)
        return QStringLiteral("The sheet is damaged: %1.").arg(reason);
    return QStringLiteral("The sheet is damaged at line %1: %2.").arg(line).arg(reason);
}

// A sheet whose formats, settings and images the text engine has taken, ready to go into a
// document without another check.
struct AcceptedSheet
{
    const sheetfile::Sheet* sheet = nullptr;
    std::vector<QTextFormat> formats;
    QFont defaultFont;
    qreal indentWidth = 40;
    std::vector<std::pair<QUrl, QByteArray>> images;
};

// Formats that make a table must say so, and those of frames must not: the text engine makes
// the one or the other by the format.
std::optional<QString> checkFrameFormats(
    const std::vector<sheetfile::Item>& items, const AcceptedSheet& accepted)
{
    for (const sheetfile::Item& item : items) {
        const auto* table = std::get_if<sheetfile::Table>(&item.content);
        const auto* frame = std::get_if<sheetfile::Frame>(&item.content);
        if (!table && !frame)
            continue;
        const int number = table ? table->format : frame->format;
        if (accepted.formats[static_cast<std::size_t>(number)].isTableFormat() != bool(table)) {
            return damaged(accepted.sheet->formats[static_cast<std::size_t>(number)].line,
                QStringLiteral("format %1 is used for a %2 but is not a %2's format")
                    .arg(number)
                    .arg(table ? QStringLiteral("table") : QStringLiteral("frame")));
        }
        if (frame) {
            if (auto problem = checkFrameFormats(frame->items, accepted))
                return problem;
        } else {
            for (const sheetfile::Cell& cell : table->cells) {
                if (auto problem = checkFrameFormats(cell.items, accepted))
                    return problem;
            }
        }
    }
    return std::nullopt;
}

std::variant<AcceptedSheet, QString> accept(const sheetfile::Sheet& sheet)
{
    const bool skipUnknown = sheet.version > sheetfile::kVersion;
    AcceptedSheet accepted;
    accepted.sheet = &sheet;
    for (const sheetfile::Format& format : sheet.formats) {
        auto made = textFormat(format.kind, format.properties, skipUnknown);
        if (const QString* problem = std::get_if<QString>(&made))
            return damaged(format.line, *problem);
        accepted.formats.push_back(std::get<QTextFormat>(std::move(made)));
    }
    if (auto problem = checkFrameFormats(sheet.root.items, accepted))
        return *problem;
    if (accepted.formats[static_cast<std::size_t>(sheet.root.format)].isTableFormat())
        return damaged(0, QStringLiteral("the document's frame has a table's format"));

    accepted.defaultFont = accepted.formats[static_cast<std::size_t>(sheet.document.defaultFont)]
                               .toCharFormat()
                               .font();
    for (const sheetfile::Property& setting : sheet.document.properties) {
        const auto* width = std::get_if<double>(&setting.value.data);
        if (setting.name == kIndentWidth && width) {
            accepted.indentWidth = *width;
        } else if (setting.name == kIndentWidth || !skipUnknown) {
            return damaged(sheet.document.line,
                QStringLiteral("the document has no setting “%1” of that kind")
                    .arg(ui::fromStd(setting.name)));
        }
    }

    for (const sheetfile::Resource& resource : sheet.resources) {
        const QByteArray bytes = QByteArray::fromStdString(resource.data);
        if (!QString::fromStdString(resource.mimeType).startsWith(QLatin1String("image/"))
            || QImage::fromData(bytes).isNull()) {
            return damaged(0,
                QStringLiteral("the picture “%1” cannot be shown").arg(ui::fromStd(resource.name)));
        }
        accepted.images.emplace_back(QUrl(ui::fromStd(resource.name)), bytes);
    }
    return accepted;
}

// Builds an accepted sheet into an empty document with the cursor's own operations, as
// typing and pasting would: each paragraph, table and frame in order, each list as its
// first item comes.
class DocumentBuilder
{
public:
    DocumentBuilder(const AcceptedSheet& accepted, QTextDocument* document)
        : m_accepted(accepted)
        , m_sheet(*accepted.sheet)
        , m_document(document)
        , m_lists(m_sheet.lists.size(), nullptr)
    { }

    void build()
    {
        m_document->setDefaultFont(m_accepted.defaultFont);
        m_document->setIndentWidth(m_accepted.indentWidth);
        // The document keeps the image bytes as the file gave them, and decodes them to show
        // them; so saving it again writes the same bytes.
        for (const auto& [name, bytes] : m_accepted.images)
            m_document->addResource(QTextDocument::ImageResource, name, bytes);
        m_document->rootFrame()->setFrameFormat(format(m_sheet.root.format).toFrameFormat());
        QTextCursor cursor(m_document);
        items(&cursor, m_sheet.root.items, nullptr);
    }

private:
    const QTextFormat& format(int number) const
    {
        return m_accepted.formats[static_cast<std::size_t>(number)];
    }

    // The items of a frame or cell, from its first paragraph, which the document has made.
    // After a table or frame the document has made the paragraph that follows it too.
    void items(QTextCursor* cursor, const std::vector<sheetfile::Item>& items, QTextTableCell* cell)
    {
        bool paragraphMade = true;
        for (const sheetfile::Item& item : items) {
            if (const auto* paragraph = std::get_if<sheetfile::Block>(&item.content)) {
                block(cursor, *paragraph, paragraphMade, cell);
                paragraphMade = false;
                cell = nullptr;
            } else if (const auto* table = std::get_if<sheetfile::Table>(&item.content)) {
                this->table(cursor, *table);
                paragraphMade = true;
            } else {
                frame(cursor, std::get<sheetfile::Frame>(item.content));
                paragraphMade = true;
            }
        }
    }

    void block(
        QTextCursor* cursor, const sheetfile::Block& block, bool made, QTextTableCell* openedCell)
    {
        const QTextBlockFormat blockFormat = format(block.format).toBlockFormat();
        const QTextCharFormat mark = format(block.charFormat).toCharFormat();
        if (!made) {
            cursor->insertBlock(blockFormat, mark);
        } else {
            cursor->setBlockFormat(blockFormat);
            // The mark of a cell's first paragraph is the cell's format, which keeps the
            // cell's spans.
            if (openedCell)
                openedCell->setFormat(mark);
            else
                cursor->setBlockCharFormat(mark);
        }
        if (block.list) {
            QTextList*& list = m_lists[static_cast<std::size_t>(*block.list)];
            if (list) {
                list->add(cursor->block());
            } else {
                const int listFormat = m_sheet.lists[static_cast<std::size_t>(*block.list)];
                list = cursor->createList(format(listFormat).toListFormat());
            }
        }
        for (const sheetfile::Fragment& fragment : block.fragments)
            cursor->insertText(ui::fromStd(fragment.text), format(fragment.format).toCharFormat());
    }

    void table(QTextCursor* cursor, const sheetfile::Table& table)
    {
        QTextTable* made
            = cursor->insertTable(table.rows, table.columns, format(table.format).toTableFormat());
        for (const sheetfile::Cell& cell : table.cells) {
            if (cell.rowSpan > 1 || cell.columnSpan > 1)
                made->mergeCells(cell.row, cell.column, cell.rowSpan, cell.columnSpan);
        }
        for (const sheetfile::Cell& cell : table.cells) {
            QTextTableCell madeCell = made->cellAt(cell.row, cell.column);
            QTextCursor inside = madeCell.firstCursorPosition();
            items(&inside, cell.items, &madeCell);
        }
        cursor->setPosition(made->lastPosition() + 1);
    }

    void frame(QTextCursor* cursor, const sheetfile::Frame& frame)
    {
        QTextFrame* made = cursor->insertFrame(format(frame.format).toFrameFormat());
        QTextCursor inside = made->firstCursorPosition();
        items(&inside, frame.items, nullptr);
        cursor->setPosition(made->lastPosition() + 1);
    }

    const AcceptedSheet& m_accepted;
    const sheetfile::Sheet& m_sheet;
    QTextDocument* m_document;
    std::vector<QTextList*> m_lists;
};

QString refusal(const sheetfile::ParseError& error, qsizetype size)
{
    switch (error.kind) {
    case sheetfile::ParseError::Kind::NotASheet:
        return size == 0 ? QStringLiteral("The file is empty; it is not a Tavilon sheet.")
                         : QStringLiteral("This is not a Tavilon sheet.");
    case sheetfile::ParseError::Kind::NewerVersion:
        return QStringLiteral("This sheet was saved by a newer version of Tavilon, in sheet "
                              "format %1.%2; this version opens sheets of format %3.")
            .arg(error.version.major)
            .arg(error.version.minor)
            .arg(sheetfile::kVersion.major);
    case sheetfile::ParseError::Kind::Damaged:
        break;
    }
    return damaged(error.line, ui::fromStd(error.reason));
}

QString tooLarge()
{
    return QStringLiteral("The file is larger than %1 MB, which no sheet is.")
        .arg(kMaxSheetFileBytes / (1024 * 1024));
}

} // namespace

QByteArray sheetFileBytes(const QTextDocument& document)
{
    return QByteArray::fromStdString(sheetfile::write(SheetRecorder(document).sheet()));
}

std::optional<QString> readSheetFile(const QByteArray& bytes, QTextDocument* into)
{
    const auto parsed = sheetfile::parse(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* error = std::get_if<sheetfile::ParseError>(&parsed))
        return refusal(*error, bytes.size());
    const auto accepted = accept(std::get<sheetfile::Sheet>(parsed));
    if (const QString* problem = std::get_if<QString>(&accepted))
        return *problem;

    // Filling the document is no step the user could undo.
    const bool undo = into->isUndoRedoEnabled();
    into->setUndoRedoEnabled(false);
    into->clear();
    DocumentBuilder(std::get<AcceptedSheet>(accepted), into).build();
    into->setUndoRedoEnabled(undo);
    into->setModified(false);
    return std::nullopt;
}

std::optional<QString> saveSheet(const QTextDocument& document, const QString& path)
{
    const QByteArray bytes = sheetFileBytes(document);
    if (bytes.size() > kMaxSheetFileBytes) {
        return QStringLiteral("The sheet would be larger than %1 MB, more than Tavilon opens.")
            .arg(kMaxSheetFileBytes / (1024 * 1024));
    }
    // What could not be read again is not written.
    const auto check = sheetfile::parse(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* error = std::get_if<sheetfile::ParseError>(&check)) {
        return QStringLiteral("The sheet holds something a sheet file cannot (%1).")
            .arg(ui::fromStd(error->reason));
    }
    if (QFileInfo(path).isDir())
        return QStringLiteral("This is a folder, not a file.");

    if (const std::optional<QString> reason = writeWholeFile(path, bytes))
        return QStringLiteral("The file cannot be written: %1.").arg(*reason);
    return std::nullopt;
}

std::optional<QString> openSheet(const QString& path, QTextDocument* into)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("This is a folder, not a file.");
    if (!info.exists())
        return QStringLiteral("There is no such file.");
    if (!info.isFile())
        return QStringLiteral("This is not a file that holds a document.");
    if (info.size() > kMaxSheetFileBytes)
        return tooLarge();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The file cannot be read: %1.").arg(file.errorString());
    // No more than a sheet can be, should the file have grown since it was looked at.
    const QByteArray bytes = file.read(kMaxSheetFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("The file cannot be read: %1.").arg(file.errorString());
    if (bytes.size() > kMaxSheetFileBytes)
        return tooLarge();
    return readSheetFile(bytes, into);
}
