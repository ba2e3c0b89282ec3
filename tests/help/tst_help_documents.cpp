// The help documents that the build renders for the menus, in Russian and in each translation:
// complete PDFs in a Cyrillic serif font, the instruction copied unchanged, sources without
// unfinished text, and translations that keep the Russian documents' structure and leave no
// Russian text behind.

#include "help_folders.h"
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
    void translationsMatchTheRussianDocuments_data();
    void translationsMatchTheRussianDocuments();
};

void HelpDocumentsTest::renderedPdf_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("fewestPages");
    QTest::addColumn<int>("mostPages");
    // Page ranges of the texts as written, with room for edits: a single page or dozens would
    // mean that pagination or the fonts went wrong.
    for (const QString& folder : helpFolders()) {
        QTest::addRow("%sphysics", qPrintable(folder)) << folder + "spravka.pdf" << 3 << 12;
        QTest::addRow("%sresults file", qPrintable(folder)) << folder + "spravka2.pdf" << 2 << 8;
        QTest::addRow("%scontrols", qPrintable(folder)) << folder + "uprav.pdf" << 3 << 12;
    }
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
    // A fallback font without Cyrillic would print the Russian text, and the Russian names of
    // the translations, as blanks.
    QVERIFY(
        QRegularExpression(QStringLiteral("/BaseFont\\s*/(\\w+\\+)?(LiberationSerif|DejaVuSerif)"))
            .match(QString::fromLatin1(pdf))
            .hasMatch());
}

void HelpDocumentsTest::instructionCopiedUnchanged() {
    for (const QString& folder : helpFolders()) {
        const QString name = folder + "instruction.txt";
        const QByteArray text = contentsOf(source(name));
        QVERIFY2(!text.isEmpty(), qPrintable(name));
        QCOMPARE(contentsOf(output(name)), text);

        // Plain UTF-8, with no byte order mark for the text editor to show.
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(text);
        QVERIFY2(!utf8.hasError() && !text.startsWith("\xEF\xBB\xBF"), qPrintable(name));
        if (folder.isEmpty()) QVERIFY(decoded.contains(QStringLiteral("ПУСК")));
    }
}

void HelpDocumentsTest::sourcesAreFinished_data() {
    QTest::addColumn<QString>("name");
    for (const QString& folder : helpFolders())
        for (const char* name : {"spravka.html", "spravka2.html", "uprav.html", "instruction.txt"})
            QTest::newRow(qPrintable(folder + name)) << folder + QLatin1String(name);
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

void HelpDocumentsTest::translationsMatchTheRussianDocuments_data() {
    QTest::addColumn<QString>("name");
    for (const QString& folder : helpFolders().mid(1))
        for (const char* name : {"spravka.html", "spravka2.html", "uprav.html", "instruction.txt"})
            QTest::newRow(qPrintable(folder + name)) << folder + QLatin1String(name);
}

void HelpDocumentsTest::translationsMatchTheRussianDocuments() {
    QFETCH(QString, name);
    const QString text = QString::fromUtf8(contentsOf(source(name)));
    const QString russian = QString::fromUtf8(contentsOf(source(name.section('/', -1))));
    QVERIFY(!text.isEmpty() && !russian.isEmpty());

    // A section, table row, list item or example left out or doubled.
    for (const char* tag : {"<h2", "<h3", "<table", "<tr>", "<li>", "<pre", "<kbd>"})
        QVERIFY2(text.count(QLatin1String(tag)) == russian.count(QLatin1String(tag)),
                 qPrintable(QStringLiteral("%1: the count of %2").arg(name, QLatin1String(tag))));

    // Russian left untranslated. Cyrillic may stand only in the names of the language menu as the
    // Russian menus show them, and in text marked as Russian that the program writes in Russian
    // whatever its language (the results file).
    static const QRegularExpression allowed(QStringLiteral(
        "«(Русский|Язык)»|<span lang=\"ru\">[^<]*</span>|<pre lang=\"ru\">[^<]*</pre>"));
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}+"));
    const QRegularExpressionMatch left = cyrillic.match(QString(text).remove(allowed));
    QVERIFY2(!left.hasMatch(), qPrintable(name + " has Russian text: " + left.captured()));

    // Without its own page label a translated PDF would number its pages in Russian.
    if (name.endsWith(QLatin1String(".html")))
        QVERIFY(text.contains(QLatin1String("<meta name=\"page-label\" content=\"")));
}

QTEST_GUILESS_MAIN(HelpDocumentsTest)
#include "tst_help_documents.moc"
