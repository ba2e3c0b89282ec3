// Printing a help document: one PDF page per laid-out page, and page breaks that keep headings,
// small tables and preformatted examples whole.

#include "helpdoc/page_breaks.h"
#include "helpdoc/pdf_book.h"
#include "pdf_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextFrame>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace trelvix;

namespace {

const QSizeF smallPage(400, 300);

QString paragraphs(int count) {
    QString html;
    for (int i = 0; i < count; ++i)
        html += QStringLiteral("<p>Абзац %1 текста справки.</p>").arg(i);
    return html;
}

std::unique_ptr<QTextDocument> laidOut(const QString& html) {
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(html);
    document->setPageSize(smallPage);
    return document;
}

int pageOf(qreal y) {
    return int(std::floor(y / smallPage.height()));
}

bool onOnePage(const QRectF& rect) {
    return pageOf(rect.top()) == pageOf(rect.bottom() - 1);
}

// The rectangle of the unit to keep together, found by the text of its first and last block.
QRectF extentOf(QTextDocument& document, const QString& firstText, const QString& lastText) {
    QRectF rect;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QRectF blockRect = document.documentLayout()->blockBoundingRect(block);
        if (block.text() == firstText) rect = blockRect;
        if (block.text() == lastText) return rect.united(blockRect);
    }
    return {};
}

// The shortest run of leading paragraphs after which the page end cuts the unit that follows,
// so that every case is tested right where it matters.
int leadingParagraphsThatCut(const QString& unit, const QString& firstText,
                             const QString& lastText) {
    for (int count = 1; count < 40; ++count) {
        const auto document = laidOut(paragraphs(count) + unit);
        document->pageCount();
        if (!onOnePage(extentOf(*document, firstText, lastText))) return count;
    }
    return -1;
}

const QString smallTable = QStringLiteral(
    "<table border=\"1\"><tr><td>первая</td></tr><tr><td>2</td></tr><tr><td>3</td></tr>"
    "<tr><td>последняя</td></tr></table><p>после</p>");
const QString headingWithText =
    QStringLiteral("<h2>Заголовок</h2><p>Первая строка раздела.</p><p>после</p>");
const QString example =
    QStringLiteral("<pre>первая\nвторая\nтретья\nчетвёртая\nпоследняя</pre><p>после</p>");

QString tableOfRows(int count) {
    QString rows;
    for (int i = 0; i < count; ++i)
        rows += QStringLiteral("<tr><td>строка %1</td></tr>").arg(i);
    return "<table>" + rows + "</table>";
}

} // namespace

class PdfBookTest : public QObject {
    Q_OBJECT

private slots:
    void unitsMoveWholeToTheNextPage_data();
    void unitsMoveWholeToTheNextPage();
    void longTableIsLeftToBreak();
    void onePdfPagePerLayoutPage();
    void unwritablePathWritesNothing();
};

void PdfBookTest::unitsMoveWholeToTheNextPage_data() {
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("lastText");
    QTest::newRow("small table") << smallTable << "первая"
                                 << "последняя";
    QTest::newRow("heading with its first line") << headingWithText << "Заголовок"
                                                 << "Первая строка раздела.";
    QTest::newRow("preformatted example") << example << "первая"
                                          << "последняя";
    QTest::newRow("first rows of a long table") << tableOfRows(40) << "строка 0"
                                                << "строка 2";
}

void PdfBookTest::unitsMoveWholeToTheNextPage() {
    QFETCH(QString, unit);
    QFETCH(QString, firstText);
    QFETCH(QString, lastText);
    const int count = leadingParagraphsThatCut(unit, firstText, lastText);
    QVERIFY2(count > 0, "no layout puts a page end inside the unit");

    const auto document = laidOut(paragraphs(count) + unit);
    const int pagesBefore = document->pageCount();
    keepTogetherOnPages(*document);
    document->pageCount();
    const QRectF moved = extentOf(*document, firstText, lastText);
    QVERIFY(onOnePage(moved));
    QCOMPARE(pageOf(moved.top()), 1);
    QVERIFY(document->pageCount() >= pagesBefore);
}

void PdfBookTest::longTableIsLeftToBreak() {
    const auto document = laidOut(paragraphs(3) + tableOfRows(40));
    const int pagesBefore = document->pageCount();
    keepTogetherOnPages(*document);
    // Moving it would only waste the rest of the first page: it is cut either way.
    QCOMPARE(document->pageCount(), pagesBefore);
    QCOMPARE(pageOf(extentOf(*document, "строка 0", "строка 0").top()), 0);
}

void PdfBookTest::onePdfPagePerLayoutPage() {
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = directory.filePath(QStringLiteral("book.pdf"));
    const QString breakAfter = QStringLiteral("<p style=\"page-break-after: always\">страница</p>");
    QTextDocument document;
    document.setHtml(breakAfter + breakAfter + breakAfter + QStringLiteral("<p>последняя</p>"));

    QCOMPARE(writePdfBook(document, path), 4);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdfPageCount(pdf.readAll()), 4);
}

void PdfBookTest::unwritablePathWritesNothing() {
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    QTextDocument document;
    document.setPlainText(QStringLiteral("текст"));
    QCOMPARE(writePdfBook(document, directory.filePath(QStringLiteral("missing/book.pdf"))), 0);
}

QTEST_MAIN(PdfBookTest)
#include "tst_pdf_book.moc"
