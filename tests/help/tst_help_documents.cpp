// The help documents that the build renders for the menus: complete PDFs in a Cyrillic serif
// font, the instruction copied unchanged, and sources without unfinished text.

#include "pdf_pages.h"

#include <QFile>
#include <QStringDecoder>
#include <QtTest>

using namespace trelvix;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QString source(const QString& name) {
    return QStringLiteral(HELP_SOURCE_DIR "/") + name;
}
QString output(const QString& name) {
    return QStringLiteral(HELP_OUTPUT_DIR "/") + name;
}

} // namespace

class HelpDocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void renderedPdf_data();
    void renderedPdf();
    void instructionCopiedUnchanged();
    void sourcesAreFinished_data();
    void sourcesAreFinished();
};

void HelpDocumentsTest::renderedPdf_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("fewestPages");
    QTest::addColumn<int>("mostPages");
    // Page ranges of the texts as written, with room for edits: a single page or dozens would
    // mean that pagination or the fonts went wrong.
    QTest::newRow("physics") << "spravka.pdf" << 3 << 12;
    QTest::newRow("results file") << "spravka2.pdf" << 2 << 8;
    QTest::newRow("controls") << "uprav.pdf" << 3 << 12;
}

void HelpDocumentsTest::renderedPdf() {
    QFETCH(QString, name);
    QFETCH(int, fewestPages);
    QFETCH(int, mostPages);

    const QByteArray pdf = contentsOf(output(name));
    QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(output(name) + " is missing or no PDF"));
    QVERIFY2(pdf.trimmed().endsWith("%%EOF"), "the PDF was not finished");
    const int pages = pdfPageCount(pdf);
    QVERIFY2(pages >= fewestPages && pages <= mostPages,
             qPrintable(QStringLiteral("%1 pages").arg(pages)));
    // A fallback font without Cyrillic would print the Russian text as blanks.
    QVERIFY(
        QRegularExpression(QStringLiteral("/BaseFont\\s*/(\\w+\\+)?(LiberationSerif|DejaVuSerif)"))
            .match(QString::fromLatin1(pdf))
            .hasMatch());
}

void HelpDocumentsTest::instructionCopiedUnchanged() {
    const QByteArray text = contentsOf(source(QStringLiteral("instruction.txt")));
    QVERIFY(!text.isEmpty());
    QCOMPARE(contentsOf(output(QStringLiteral("instruction.txt"))), text);

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(text);
    QVERIFY2(!utf8.hasError(), "instruction.txt is not UTF-8");
    QVERIFY(decoded.contains(QStringLiteral("ПУСК")));
}

void HelpDocumentsTest::sourcesAreFinished_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"spravka.html", "spravka2.html", "uprav.html", "instruction.txt"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void HelpDocumentsTest::sourcesAreFinished() {
    QFETCH(QString, name);
    const QString text = QString::fromUtf8(contentsOf(source(name)));
    QVERIFY(!text.isEmpty());
    for (const char* marker : {"TODO", "FIXME", "XXX", "TBD", "???", "PLACEHOLDER", "lorem", "@"})
        QVERIFY2(!text.contains(QLatin1String(marker), Qt::CaseInsensitive),
                 qPrintable(QStringLiteral("%1 contains %2").arg(name, QLatin1String(marker))));
    // The title becomes the title of the PDF that the viewer shows.
    if (name.endsWith(QLatin1String(".html")))
        QVERIFY(QRegularExpression(QStringLiteral("<title>[^<]+</title>")).match(text).hasMatch());
}

QTEST_GUILESS_MAIN(HelpDocumentsTest)
#include "tst_help_documents.moc"
