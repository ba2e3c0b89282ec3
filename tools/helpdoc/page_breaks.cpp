#include "page_breaks.h"

#include <QAbstractTextDocumentLayout>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

using Item = QTextFrame::iterator;

// A table or example taller than this share of a page is left to break where the page ends:
// moving it whole would leave too much of the page before it empty.  Its first rows, the
// column titles among them, still stay together.
constexpr qreal largestKeptShare = 0.6;
constexpr int leadingTableRows = 3;

bool isHeading(const Item& item) {
    return !item.currentFrame() && item.currentBlock().blockFormat().headingLevel() > 0;
}

// Every line of a <pre> example is a block of its own that must not be broken.
bool isPreformatted(const Item& item) {
    return !item.currentFrame() && item.currentBlock().blockFormat().nonBreakableLines();
}

Item lastPreformatted(Item item) {
    for (Item next = item; !next.atEnd() && isPreformatted(next); ++next)
        item = next;
    return item;
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

// The top-level items of a document (paragraphs and tables) laid out on pages, with the
// heights they have where no page end interrupts them.
class Pages {
public:
    explicit Pages(QTextDocument& document)
        : document_(document), pageHeight_(document.pageSize().height()) {
        // Without pages, a table is as tall as its rows; on pages, a cut adds the rest of the
        // page to it.
        const QSizeF pageSize = document.pageSize();
        document.setTextWidth(pageSize.width());
        for (Item item = items(); !item.atEnd(); ++item)
            naturalHeights_ << wholeOf(item).height();
        document.setPageSize(pageSize);
    }

    Item items() const { return document_.rootFrame()->begin(); }

    // The area of the unit that starts at item number `index`, or an empty rectangle when no
    // unit starts there.
    QRectF unitAt(const Item& item, int index, bool startsPreformatted) const {
        document_.pageCount(); // lays everything out again after the breaks made so far
        if (qobject_cast<QTextTable*>(item.currentFrame()) || startsPreformatted)
            return leadOf(item, index);
        if (!isHeading(item)) return {};
        Item next = item;
        ++next;
        if (next.atEnd()) return {};
        return wholeOf(item).united(leadOf(next, index + 1));
    }

    bool cuts(const QRectF& unit) const {
        return unit.height() < pageHeight_ && pageOf(unit.top()) != pageOf(unit.bottom() - 1);
    }

private:
    int pageOf(qreal y) const { return int(std::floor(y / pageHeight_)); }

    // A paragraph, a table, or a whole preformatted example when `item` is its first line.
    QRectF wholeOf(const Item& item) const {
        QAbstractTextDocumentLayout* layout = document_.documentLayout();
        if (QTextFrame* frame = item.currentFrame()) return layout->frameBoundingRect(frame);
        const QRectF block = layout->blockBoundingRect(item.currentBlock());
        if (!isPreformatted(item)) return block;
        return block.united(layout->blockBoundingRect(lastPreformatted(item).currentBlock()));
    }

    // The top of a block: its first line, which the layout never splits.
    QRectF firstLineOf(const QTextBlock& block) const {
        const QRectF whole = document_.documentLayout()->blockBoundingRect(block);
        const QTextLayout* text = block.layout();
        if (!text || text->lineCount() == 0) return whole;
        const QTextLine first = text->lineAt(0);
        return {whole.left(), whole.top() + first.y(), whole.width(), first.height()};
    }

    // What must share the page of the heading before it: a whole small table or example, the
    // first rows of a large table, the first line of a paragraph.
    QRectF leadOf(const Item& item, int index) const {
        const bool preformatted = isPreformatted(item);
        if (!item.currentFrame() && !preformatted) return firstLineOf(item.currentBlock());
        const QRectF whole = wholeOf(item);
        if (naturalHeights_.value(index) <= largestKeptShare * pageHeight_) return whole;
        if (preformatted) return firstLineOf(item.currentBlock());
        auto* table = qobject_cast<QTextTable*>(item.currentFrame());
        if (!table) return {};
        const int lastRow = std::min(leadingTableRows, table->rows()) - 1;
        QRectF top = whole;
        top.setBottom(
            firstLineOf(table->cellAt(lastRow, 0).firstCursorPosition().block()).bottom());
        return top;
    }

    QTextDocument& document_;
    qreal pageHeight_;
    QList<qreal> naturalHeights_;
};

} // namespace

void keepTogetherOnPages(QTextDocument& document) {
    const Pages pages(document);
    bool afterPreformatted = false;
    int index = 0;
    for (Item item = pages.items(); !item.atEnd(); ++item, ++index) {
        const bool preformatted = isPreformatted(item);
        const bool startsPreformatted = preformatted && !afterPreformatted;
        afterPreformatted = preformatted;
        const QRectF unit = pages.unitAt(item, index, startsPreformatted);
        if (!unit.isNull() && pages.cuts(unit)) breakBefore(item);
    }
}

} // namespace trelvix
