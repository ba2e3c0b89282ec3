#pragma once

// Counting the pages of a PDF without a PDF library: every page object carries "/Type /Page"
// in its uncompressed dictionary, while the page tree says "/Type /Pages".

#include <QByteArray>
#include <QRegularExpression>

namespace trelvix {

inline int pdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int pages = 0;
    for (auto match = pageObject.globalMatch(QString::fromLatin1(pdf)); match.hasNext();
         match.next())
        ++pages;
    return pages;
}

} // namespace trelvix
