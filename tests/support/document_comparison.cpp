#include "document_comparison.h"

#include <QDebug>
#include <QHash>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

namespace testsupport {

namespace {

QString shown(const QVariant& value)
{
    QString text;
    QDebug(&text).nospace().noquote() << value;
    return text;
}

// The properties that say what a format is. ObjectIndex only numbers a document's own lists
// and frames; which list or frame a paragraph is in is compared by itself.
QMap<int, QVariant> properties(const QTextFormat& format)
{
    QMap<int, QVariant> all = format.properties();
    all.remove(QTextFormat::ObjectIndex);
    return all;
}

QString formatDifference(const QTextFormat& expected, const QTextFormat& actual)
{
    if (expected.type() != actual.type())
        return QStringLiteral("format type %1, not %2").arg(actual.type()).arg(expected.type());
    const QMap<int, QVariant> wanted = properties(expected);
    const QMap<int, QVariant> found = properties(actual);
    for (auto it = wanted.begin(); it != wanted.end(); ++it) {
        const auto match = found.find(it.key());
        if (match == found.end())
            return QStringLiteral("property 0x%1 is missing").arg(it.key(), 0, 16);
        if (match.value() != it.value()) {
            return QStringLiteral("property 0x%1 is %2, not %3")
                .arg(it.key(), 0, 16)
                .arg(shown(match.value()), shown(it.value()));
        }
    }
    for (auto it = found.begin(); it != found.end(); ++it) {
        if (!wanted.contains(it.key())) {
            return QStringLiteral("property 0x%1 (%2) should not be there")
                .arg(it.key(), 0, 16)
                .arg(shown(it.value()));
        }
    }
    return {};
}

QImage imageOf(const QTextDocument& document, const QString& name)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    const QImage image = resource.typeId() == QMetaType::QByteArray
        ? QImage::fromData(resource.toByteArray())
        : resource.value<QImage>();
    return image.convertToFormat(QImage::Format_ARGB32);
}

class Comparison
{
public:
    Comparison(const QTextDocument& expected, const QTextDocument& actual)
        : m_expected(expected)
        , m_actual(actual)
    { }

    QString difference()
    {
        if (m_actual.defaultFont() != m_expected.defaultFont()) {
            return QStringLiteral("the default font is %1, not %2")
                .arg(m_actual.defaultFont().toString(), m_expected.defaultFont().toString());
        }
        if (m_actual.indentWidth() != m_expected.indentWidth())
            return QStringLiteral("the indent width differs");
        return frame(m_expected.rootFrame(), m_actual.rootFrame(), QStringLiteral("the document"));
    }

private:
    QString frame(QTextFrame* expected, QTextFrame* actual, const QString& where)
    {
        const QString format = formatDifference(expected->frameFormat(), actual->frameFormat());
        if (!format.isEmpty())
            return where + QStringLiteral(": ") + format;
        return items(expected->begin(), expected->end(), actual->begin(), actual->end(), where);
    }

    QString items(QTextFrame::iterator expected, const QTextFrame::iterator& expectedEnd,
        QTextFrame::iterator actual, const QTextFrame::iterator& actualEnd, const QString& where)
    {
        for (; expected != expectedEnd; ++expected, ++actual) {
            if (actual == actualEnd)
                return where + QStringLiteral(" ends early");
            QString difference;
            QTextFrame* wantedFrame = expected.currentFrame();
            QTextFrame* foundFrame = actual.currentFrame();
            if (bool(wantedFrame) != bool(foundFrame)) {
                difference = QStringLiteral("a frame and a paragraph stand at the same place");
            } else if (!wantedFrame) {
                difference = block(expected.currentBlock(), actual.currentBlock());
            } else {
                auto* wantedTable = qobject_cast<QTextTable*>(wantedFrame);
                auto* foundTable = qobject_cast<QTextTable*>(foundFrame);
                if (bool(wantedTable) != bool(foundTable))
                    difference = QStringLiteral("a table and a frame stand at the same place");
                else if (wantedTable)
                    difference = table(wantedTable, foundTable);
                else
                    difference = frame(wantedFrame, foundFrame, QStringLiteral("a frame"));
            }
            if (!difference.isEmpty())
                return difference;
        }
        return actual == actualEnd ? QString() : where + QStringLiteral(" holds more");
    }

    QString table(QTextTable* expected, QTextTable* actual)
    {
        const QString where
            = QStringLiteral("the table at paragraph %1")
                  .arg(m_expected.findBlock(expected->firstPosition()).blockNumber());
        if (expected->rows() != actual->rows() || expected->columns() != actual->columns())
            return where + QStringLiteral(": not as many rows or columns");
        const QString format = formatDifference(expected->format(), actual->format());
        if (!format.isEmpty())
            return where + QStringLiteral(": ") + format;
        for (int row = 0; row < expected->rows(); ++row) {
            for (int column = 0; column < expected->columns(); ++column) {
                const QTextTableCell wanted = expected->cellAt(row, column);
                const QTextTableCell found = actual->cellAt(row, column);
                const QString cell = where + QStringLiteral(", cell %1,%2").arg(row).arg(column);
                if (wanted.row() != found.row() || wanted.column() != found.column()
                    || wanted.rowSpan() != found.rowSpan()
                    || wanted.columnSpan() != found.columnSpan())
                    return cell + QStringLiteral(": not the same cell");
                if (wanted.row() != row || wanted.column() != column)
                    continue;
                const QString cellFormat = formatDifference(wanted.format(), found.format());
                if (!cellFormat.isEmpty())
                    return cell + QStringLiteral(": ") + cellFormat;
                const QString content
                    = items(wanted.begin(), wanted.end(), found.begin(), found.end(), cell);
                if (!content.isEmpty())
                    return content;
            }
        }
        return {};
    }

    QString block(const QTextBlock& expected, const QTextBlock& actual)
    {
        const QString where = QStringLiteral("paragraph %1 (“%2”)")
                                  .arg(expected.blockNumber())
                                  .arg(expected.text().left(30));
        if (actual.text() != expected.text())
            return where + QStringLiteral(": the text is “%1”").arg(actual.text());
        QString difference = formatDifference(expected.blockFormat(), actual.blockFormat());
        if (!difference.isEmpty())
            return where + QStringLiteral(": ") + difference;
        difference = formatDifference(expected.charFormat(), actual.charFormat());
        if (!difference.isEmpty())
            return where + QStringLiteral(", its mark: ") + difference;
        difference = list(expected, actual);
        if (!difference.isEmpty())
            return where + QStringLiteral(": ") + difference;

        QTextBlock::iterator found = actual.begin();
        int run = 0;
        for (QTextBlock::iterator it = expected.begin(); !it.atEnd(); ++it, ++found, ++run) {
            if (found.atEnd())
                return where + QStringLiteral(": fewer runs of text");
            const QTextFragment wanted = it.fragment();
            const QTextFragment got = found.fragment();
            const QString at = where + QStringLiteral(", run %1: ").arg(run);
            if (got.text() != wanted.text())
                return at + QStringLiteral("the text is “%1”").arg(got.text());
            difference = formatDifference(wanted.charFormat(), got.charFormat());
            if (!difference.isEmpty())
                return at + difference;
            const QString name = wanted.charFormat().toImageFormat().name();
            if (wanted.charFormat().isImageFormat()
                && imageOf(m_expected, name) != imageOf(m_actual, name))
                return at + QStringLiteral("the image “%1” differs").arg(name);
        }
        return found.atEnd() ? QString() : where + QStringLiteral(": more runs of text");
    }

    // Both paragraphs in no list, or in lists that correspond one to one, with the same
    // format and at the same place.
    QString list(const QTextBlock& expected, const QTextBlock& actual)
    {
        QTextList* wanted = expected.textList();
        QTextList* found = actual.textList();
        if (!wanted || !found)
            return wanted == found ? QString() : QStringLiteral("not in the same list");
        const auto known = m_lists.constFind(wanted);
        const bool sameList
            = known != m_lists.constEnd() ? known.value() == found : !m_lists.key(found);
        if (!sameList)
            return QStringLiteral("in another list");
        m_lists.insert(wanted, found);
        const QString format = formatDifference(wanted->format(), found->format());
        if (!format.isEmpty())
            return QStringLiteral("its list: ") + format;
        if (wanted->itemNumber(expected) != found->itemNumber(actual))
            return QStringLiteral("another item of its list");
        return {};
    }

    const QTextDocument& m_expected;
    const QTextDocument& m_actual;
    QHash<QTextList*, QTextList*> m_lists;
};

} // namespace

QString documentDifference(const QTextDocument& expected, const QTextDocument& actual)
{
    return Comparison(expected, actual).difference();
}

} // namespace testsupport
