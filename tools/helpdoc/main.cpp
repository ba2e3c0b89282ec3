// helpdoc: renders one help document of the simulator from its HTML source into an A4 PDF.
//
//   helpdoc [--css FILE.css] SOURCE.html OUTPUT.pdf
//
// Runs without a display (QT_QPA_PLATFORM=offscreen); exits with status 1 and one line on
// standard error when the source cannot be read, no Cyrillic serif font is installed or the PDF
// cannot be written.  A translated source names the footer of its pages in its own language,
//   <meta name="page-label" content="Page %1 of %2">
// and a source without one gets the Russian footer.

#include "help_document.h"
#include "pdf_book.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdlib>

namespace {

bool fail(const QString& message) {
    QTextStream(stderr) << "helpdoc: " << message << '\n';
    return false;
}

bool readText(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1").arg(path));
    text = QString::fromUtf8(file.readAll());
    return true;
}

QString pageLabelOf(const QString& html) {
    static const QRegularExpression meta(
        QStringLiteral("<meta name=\"page-label\" content=\"([^\"]*%1[^\"]*%2[^\"]*)\">"));
    const QRegularExpressionMatch match = meta.match(html);
    return match.hasMatch() ? match.captured(1) : trelvix::russianPageLabel.toString();
}

bool render(const QString& sourcePath, const QString& stylePath, const QString& pdfPath) {
    QString html;
    QString styleSheet;
    if (!readText(sourcePath, html)) return false;
    if (!stylePath.isEmpty() && !readText(stylePath, styleSheet)) return false;

    const QString family = trelvix::cyrillicSerifFamily();
    if (family.isEmpty())
        return fail(
            QStringLiteral("no serif font with Cyrillic letters (install fonts-liberation)"));

    const auto document = trelvix::helpDocument(html, styleSheet, family);
    if (trelvix::writePdfBook(*document, pdfPath, pageLabelOf(html)) == 0)
        return fail(QStringLiteral("cannot write %1").arg(pdfPath));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a help document into an A4 PDF."));
    parser.addHelpOption();
    // Not "--style": QGuiApplication takes that one for itself.
    const QCommandLineOption css(QStringLiteral("css"),
                                 QStringLiteral("Style sheet shared by the documents."),
                                 QStringLiteral("file"));
    parser.addOption(css);
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("HTML source."));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("PDF to write."));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) parser.showHelp(EXIT_FAILURE);
    return render(files[0], parser.value(css), files[1]) ? EXIT_SUCCESS : EXIT_FAILURE;
}
