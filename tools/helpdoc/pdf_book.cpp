#include "pdf_book.h"

#include "page_breaks.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>

namespace trelvix {

namespace {

// Margins of an ordinary school report, in millimetres: a wider left edge for binding.
const QMarginsF pageMargins(25, 18, 18, 12);
constexpr qreal footerMillimetres = 10;
constexpr int footerPointSize = 9;

// The resolution of a PDF writer or a printer, in device units per inch.
qreal millimetresToDevice(const QPagedPaintDevice& device, qreal millimetres) {
    return millimetres * device.logicalDpiY() / 25.4;
}

// The text is laid out in the units it is written in: the pixels of the style sheet and the
// points of the fonts both at the logical resolution of the screen.  Drawing then scales the
// layout up to the resolution of the PDF as a whole, so margins and paddings keep their size.
qreal layoutToDevice(const QPagedPaintDevice& device) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal layoutDpi = screen ? screen->logicalDotsPerInchY() : 96;
    return device.logicalDpiY() / layoutDpi;
}

// Page `index` (from 0) of the document: the band of the long laid-out text that falls on it.
void paintBodyPage(QPainter& painter, QTextDocument& document, qreal scale, const QSizeF& body,
                   int index) {
    const qreal top = index * body.height();
    const QRectF band(QPointF(0, top), body);
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -top);
    painter.setClipRect(band);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = band;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

void paintPageNumber(QPainter& painter, const QTextDocument& document, const QRectF& footer,
                     QStringView label, int number, int count) {
    QFont font = document.defaultFont();
    font.setPointSize(footerPointSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                     label.toString().arg(number).arg(count));
}

} // namespace

int writePdfBook(QTextDocument& document, const QString& path, QStringView pageLabel) {
    QPdfWriter writer(path);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("trelvix helpdoc"));
    const int pages = paintBook(document, writer, pageLabel);
    return pages > 0 && QFileInfo(path).size() > 0 ? pages : 0;
}

int paintBook(QTextDocument& document, QPagedPaintDevice& device, QStringView pageLabel) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, pageMargins,
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) return 0;

    // Unhinted metrics, so that the layout does not depend on the screen it was made for.
    document.setUseDesignMetrics(true);
    document.setDocumentMargin(0);
    const qreal scale = layoutToDevice(device);
    const qreal footerHeight = millimetresToDevice(device, footerMillimetres);
    const QRectF footer(0, device.height() - footerHeight, device.width(), footerHeight);
    const QSizeF body(device.width() / scale, footer.top() / scale);
    document.setPageSize(body);
    keepTogetherOnPages(document);

    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0) device.newPage();
        paintBodyPage(painter, document, scale, body, index);
        paintPageNumber(painter, document, footer, pageLabel, index + 1, pages);
    }
    return painter.end() ? pages : 0;
}

} // namespace trelvix
