#include "sheet/sheet_template.h"

#include "sheet/sheet_texts.h"
#include "ui/twips.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace {

QTextCharFormat arial(double points, bool bold)
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

// The logo is drawn from its vector artwork at four times its size, so that it stays
// sharp on paper as well as on screen.
QTextImageFormat logo(QTextDocument* document)
{
    const QSize size(ui::twips(4185), ui::twips(945));
    QImage image(size * 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(QStringLiteral(":/artwork/sheet_logo.svg")).render(&painter);
    painter.end();

    const QUrl name(QStringLiteral("tavilon:sheet-logo"));
    document->addResource(QTextDocument::ImageResource, name, image);
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(size.width());
    format.setHeight(size.height());
    return format;
}

} // namespace

void fillSheetTemplate(QTextDocument* document)
{
    QTextCursor cursor(document);
    cursor.setBlockCharFormat(arial(10, true));
    cursor.setCharFormat(arial(10, true));

    const auto paragraph = [&cursor](const QString& text, const QTextCharFormat& format) {
        cursor.insertBlock(QTextBlockFormat(), format);
        cursor.insertText(text, format);
    };
    cursor.insertBlock(QTextBlockFormat(), arial(10, false));
    cursor.insertImage(logo(document));
    paragraph(QStringLiteral("       Calculation Results and Record Sheet"), arial(12, true));
    paragraph(QString(77, QLatin1Char('_')), arial(10, false));
    paragraph(QString(), arial(12, false));
    paragraph(QStringLiteral("      "), arial(12, false));
    paragraph(QString::fromUtf8(kProjectNameLabel), arial(12, true));
    paragraph(QStringLiteral("Equipment No:"), arial(12, true));
    for (int i = 0; i < 4; ++i)
        paragraph(QString(), arial(12, false));
}
