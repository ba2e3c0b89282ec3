#pragma once

// Prints a laid-out text document as an A4 book with a page number under every page: into a PDF
// file for the help documents and the lab report, or onto a printer.

#include <QString>
#include <QStringView>
#include <QTextDocument>

class QPagedPaintDevice;

namespace trelvix {

// The footer under every page, in the document's language: %1 is the page's number, %2 the number
// of pages.
inline constexpr QStringView russianPageLabel = u"Страница %1 из %2";

// Writes `document` to the PDF file `path` and returns the number of pages written, or 0 when
// the file cannot be written.  The document is laid out anew for the page size of the PDF.
int writePdfBook(QTextDocument& document, const QString& path,
                 QStringView pageLabel = russianPageLabel);

// Paints `document` onto `device` (a PDF writer or a printer) on A4 pages and returns the number
// of pages, or 0 when painting could not begin.
int paintBook(QTextDocument& document, QPagedPaintDevice& device,
              QStringView pageLabel = russianPageLabel);

} // namespace trelvix
