#include "page_breaks.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <cmath>

namespace trelvix {

namespace {

using Item = QTextFrame::iterator;

bool isTable(const Item& item) {
    return qobject_cast<QTextTable*>(item.currentFrame()) != nullptr;
}

bool isHeading(const Item& item) {
    return !item.currentFrame() && item.currentBlock().blockFormat().headingLevel() > 0;
}

// Every line of a <pre> example is a block of its own that must not be broken.
bool isPreformatted(const Item& item) {
    return !item.currentFrame() && item.currentBlock().blockFormat().nonBreakableLines();
}

QRectF extentOf(QTextDocument& document, const Item& item) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    if (QTextFrame* frame = item.currentFrame()) return layout->frameBoundingRect(frame);
    return layout->blockBoundingRect(item.currentBlock());
}

Item lastPreformatted(Item item) {
    for (Item next = item; !next.atEnd() && isPreformatted(next); ++next)
        item = next;
    return item;
}

// The part of an item that must share the page of the heading before it: a whole table or
// preformatted block, or the first line of a paragraph.
QRectF leadOf(QTextDocument& document, const Item& item) {
    const QRectF whole = extentOf(document, item);
    if (item.currentFrame()) return whole;
    if (isPreformatted(item)) return whole.united(extentOf(document, lastPreformatted(item)));
    const QTextLayout* text = item.currentBlock().layout();
    if (text->lineCount() == 0) return whole;
    const QTextLine first = text->lineAt(0);
    return {whole.left(), whole.top() + first.y(), whole.width(), first.height()};
}

// The area of the unit that starts at `item`, or an empty rectangle when no unit starts there.
QRectF unitAt(QTextDocument& document, const Item& item, bool startsPreformatted) {
    if (isTable(item) || startsPreformatted) return leadOf(document, item);
    if (!isHeading(item)) return {};
    Item next = item;
    ++next;
    if (next.atEnd()) return {};
    return extentOf(document, item).united(leadOf(document, next));
}

void breakBefore(const Item& item) {
    if (QTextFrame* frame = item.currentFrame()) {
        QTextFrameFormat format = frame->frameFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        frame->setFrameFormat(format);
        return;
    }
    QTextBlockFormat format;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(item.currentBlock()).mergeBlockFormat(format);
}

int pageOf(qreal y, qreal pageHeight) {
    return int(std::floor(y / pageHeight));
}

} // namespace

void keepTogetherOnPages(QTextDocument& document) {
    const qreal pageHeight = document.pageSize().height();
    bool afterPreformatted = false;
    for (Item item = document.rootFrame()->begin(); !item.atEnd(); ++item) {
        const bool preformatted = isPreformatted(item);
        const bool startsPreformatted = preformatted && !afterPreformatted;
        afterPreformatted = preformatted;

        document.pageCount(); // lays everything out again after the breaks made so far
        const QRectF unit = unitAt(document, item, startsPreformatted);
        if (unit.isNull() || unit.height() >= pageHeight) continue;
        if (pageOf(unit.top(), pageHeight) != pageOf(unit.bottom() - 1, pageHeight))
            breakBefore(item);
    }
}

} // namespace trelvix
