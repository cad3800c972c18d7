#include "document_comparison.h"

#include <QDebug>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

namespace testsupport {

namespace {

// ObjectIndex only numbers a document's own lists and frames, so it is left out.
QString formatDifference(const QTextFormat& expected, const QTextFormat& actual)
{
    QMap<int, QVariant> wanted = expected.properties();
    QMap<int, QVariant> found = actual.properties();
    wanted.remove(QTextFormat::ObjectIndex);
    found.remove(QTextFormat::ObjectIndex);
    if (expected.type() == actual.type() && wanted == found)
        return {};
    QString text;
    QDebug(&text).nospace() << "a format " << found << ", not " << wanted;
    return text;
}

QImage imageOf(const QTextDocument& document, const QString& name)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    const QImage image = resource.typeId() == QMetaType::QByteArray
        ? QImage::fromData(resource.toByteArray())
        : resource.value<QImage>();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The frames and tables: where they stand, their formats and their cells.
QString frameDifference(QTextFrame* expected, QTextFrame* actual)
{
    const QString where = QStringLiteral("the frame at %1: ").arg(expected->firstPosition());
    if (expected->firstPosition() != actual->firstPosition()
        || expected->lastPosition() != actual->lastPosition())
        return where + QStringLiteral("not at the same place");
    QString difference = formatDifference(expected->format(), actual->format());
    if (!difference.isEmpty())
        return where + difference;
    auto* wantedTable = qobject_cast<QTextTable*>(expected);
    auto* foundTable = qobject_cast<QTextTable*>(actual);
    if (wantedTable) {
        if (!foundTable || wantedTable->rows() != foundTable->rows()
            || wantedTable->columns() != foundTable->columns())
            return where + QStringLiteral("not a table of as many rows and columns");
        for (int row = 0; row < wantedTable->rows(); ++row) {
            for (int column = 0; column < wantedTable->columns(); ++column) {
                const QTextTableCell wanted = wantedTable->cellAt(row, column);
                const QTextTableCell found = foundTable->cellAt(row, column);
                if (wanted.row() != found.row() || wanted.column() != found.column()
                    || wanted.rowSpan() != found.rowSpan()
                    || wanted.columnSpan() != found.columnSpan())
                    return where
                        + QStringLiteral("cell %1,%2 spans otherwise").arg(row).arg(column);
                difference = formatDifference(wanted.format(), found.format());
                if (!difference.isEmpty())
                    return where + QStringLiteral("cell %1,%2: ").arg(row).arg(column) + difference;
            }
        }
    } else if (foundTable) {
        return where + QStringLiteral("a table, not a frame");
    }
    const QList<QTextFrame*> wantedChildren = expected->childFrames();
    const QList<QTextFrame*> foundChildren = actual->childFrames();
    if (wantedChildren.size() != foundChildren.size())
        return where + QStringLiteral("not as many frames in it");
    for (qsizetype i = 0; i < wantedChildren.size(); ++i) {
        difference = frameDifference(wantedChildren[i], foundChildren[i]);
        if (!difference.isEmpty())
            return difference;
    }
    return {};
}

QString blockDifference(const QTextBlock& expected, const QTextBlock& actual)
{
    if (actual.text() != expected.text())
        return QStringLiteral("the text is “%1”").arg(actual.text());
    QString difference = formatDifference(expected.blockFormat(), actual.blockFormat());
    if (difference.isEmpty())
        difference = formatDifference(expected.charFormat(), actual.charFormat());
    if (!difference.isEmpty())
        return difference;
    const QTextList* wantedList = expected.textList();
    const QTextList* foundList = actual.textList();
    if (bool(wantedList) != bool(foundList)
        || (wantedList
            && (wantedList->itemNumber(expected) != foundList->itemNumber(actual)
                || !formatDifference(wantedList->format(), foundList->format()).isEmpty())))
        return QStringLiteral("not the same item of the same list");
    QTextBlock::iterator found = actual.begin();
    for (QTextBlock::iterator it = expected.begin(); !it.atEnd(); ++it, ++found) {
        if (found.atEnd() || found.fragment().text() != it.fragment().text())
            return QStringLiteral("the runs of text differ");
        const QTextCharFormat format = it.fragment().charFormat();
        difference = formatDifference(format, found.fragment().charFormat());
        if (!difference.isEmpty())
            return QStringLiteral("run “%1”: ").arg(it.fragment().text()) + difference;
        const QString image = format.toImageFormat().name();
        if (format.isImageFormat()
            && imageOf(*expected.document(), image) != imageOf(*actual.document(), image))
            return QStringLiteral("the image “%1” differs").arg(image);
    }
    return found.atEnd() ? QString() : QStringLiteral("more runs of text");
}

} // namespace

QString documentDifference(const QTextDocument& expected, const QTextDocument& actual)
{
    if (actual.defaultFont() != expected.defaultFont()
        || actual.indentWidth() != expected.indentWidth())
        return QStringLiteral("another default font or indent width");
    const QString frames = frameDifference(expected.rootFrame(), actual.rootFrame());
    if (!frames.isEmpty())
        return frames;
    QTextBlock found = actual.begin();
    for (QTextBlock block = expected.begin(); block.isValid();
         block = block.next(), found = found.next()) {
        if (!found.isValid())
            return QStringLiteral("fewer paragraphs");
        const QString difference = blockDifference(block, found);
        if (!difference.isEmpty()) {
            return QStringLiteral("paragraph %1 (“%2”): ")
                       .arg(block.blockNumber())
                       .arg(block.text().left(30))
                + difference;
        }
    }
    return found.isValid() ? QStringLiteral("more paragraphs") : QString();
}

} // namespace testsupport
