#pragma once

// Prints a laid-out text document as an A4 PDF book with a page number under every page.

#include <QString>
#include <QTextDocument>

namespace trelvix {

// Writes `document` to the PDF file `path` and returns the number of pages written, or 0 when
// the file cannot be written.  The document is laid out anew for the page size of the PDF.
int writePdfBook(QTextDocument& document, const QString& path);

} // namespace trelvix
