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

// The streams of a PDF written by Qt (page contents, fonts, images), inflated where they are
// compressed: what the pages draw, readable as text.
inline QByteArray pdfStreamsInflated(const QByteArray& pdf) {
    QByteArray all;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at)) {
        at += 7;
        const qsizetype end = pdf.indexOf("endstream", at);
        if (end < 0) break;
        const QByteArray data = pdf.mid(at, end - at);
        // qUncompress takes zlib data after the size it expects, here a generous guess.
        const QByteArray inflated = qUncompress(QByteArray("\x01\x00\x00\x00", 4) + data);
        all += inflated.isEmpty() ? data : inflated;
        at = end + 9; // past "endstream", which ends with "stream" too
    }
    return all;
}

} // namespace trelvix
