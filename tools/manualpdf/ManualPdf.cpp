#include "ManualPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <vector>

namespace tidecopy {

namespace {

constexpr int resolution = 300;
constexpr qreal millimetresPerInch = 25.4;
// Room below the text for the page number.
constexpr qreal footerMillimetres = 10;
// Image sizes in a text document are counted in pixels of a 96 dpi screen.
constexpr qreal imageDpi = 96;

QImage imageOf(const QVariant& resource) {
    if (resource.canConvert<QImage>())
        return resource.value<QImage>();
    if (resource.canConvert<QPixmap>())
        return resource.value<QPixmap>().toImage();
    return QImage::fromData(resource.toByteArray());
}

struct ImageSpot {
    int position;
    QTextImageFormat format;
};

// Screenshots are wider than an A4 page: shrink every image to the text width. An image
// that cannot be loaded would be left out silently by the layout, so it is an error here.
QString fitImages(QTextDocument& document, qreal textWidth) {
    std::vector<ImageSpot> spots;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                spots.push_back({fragment.position(), fragment.charFormat().toImageFormat()});
        }
    }
    QTextCursor cursor(&document);
    for (ImageSpot& spot : spots) {
        const QImage image =
            imageOf(document.resource(QTextDocument::ImageResource, QUrl(spot.format.name())));
        if (image.isNull())
            return QString("cannot load the image '%1'").arg(spot.format.name());
        if (image.width() <= textWidth)
            continue;
        spot.format.setWidth(textWidth);
        spot.format.setHeight(textWidth * image.height() / image.width());
        cursor.setPosition(spot.position);
        cursor.setPosition(spot.position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(spot.format);
    }
    return {};
}

// Each chapter starts on a new page, so that no heading is left at the foot of a page.
void startChaptersOnNewPages(QTextDocument& document) {
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin().next(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() != 1)
            continue;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

// Single thin rules and a shaded header row instead of the default double borders.
void styleTables(const QTextFrame& frame) {
    for (QTextFrame* child : frame.childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorderCollapse(true);
            format.setBorder(1);
            format.setBorderBrush(QColor(150, 150, 150));
            format.setCellPadding(3);
            table->setFormat(format);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
                cellFormat.setBackground(QColor(232, 232, 232));
                cell.setFormat(cellFormat);
            }
        }
        styleTables(*child);
    }
}

} // namespace

QString ManualPdf::convert(const QString& markdownPath, const QString& pdfPath) {
    QFile source(markdownPath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString("cannot read '%1': %2").arg(markdownPath, source.errorString());
    const QString markdown = QString::fromUtf8(source.readAll());

    QPdfWriter writer(pdfPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 10), QPageLayout::Millimeter);
    writer.setResolution(resolution);
    writer.setCreator("Tidecopy");

    const QRectF paintRect = writer.pageLayout().paintRectPixels(resolution);
    const qreal footer = footerMillimetres / millimetresPerInch * resolution;
    const QSizeF body(paintRect.width(), paintRect.height() - footer);

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(markdownPath).absoluteFilePath()));
    document.setDefaultFont(QFont("DejaVu Sans", 10));
    document.setDocumentMargin(0);
    document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    if (const QString failure = fitImages(document, body.width() / resolution * imageDpi);
        !failure.isEmpty())
        return failure;
    startChaptersOnNewPages(document);
    styleTables(*document.rootFrame());
    writer.setTitle(document.begin().text());
    // Laying the text out for the writer makes point sizes and page breaks those of paper.
    document.documentLayout()->setPaintDevice(&writer);
    document.setPageSize(body);

    QPainter painter;
    if (!painter.begin(&writer))
        return QString("cannot write '%1'").arg(pdfPath);
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -page * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, page * body.height()), body));
        painter.restore();
        painter.setFont(document.defaultFont());
        painter.drawText(QRectF(0, body.height(), body.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(page + 1));
    }
    if (!painter.end())
        return QString("cannot write '%1'").arg(pdfPath);
    return {};
}

} // namespace tidecopy
