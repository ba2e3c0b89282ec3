#pragma once

// A help document as the students read it: its HTML source laid out in a serif font that has
// Cyrillic letters, with the shared style sheet of all documents.

#include <QString>
#include <QTextDocument>
#include <memory>

namespace trelvix {

// The first serif family installed here that can write Russian (Liberation Serif, then DejaVu
// Serif), or an empty string when there is none: a document in a fallback font would print
// blanks instead of Cyrillic letters.
QString cyrillicSerifFamily();

// The document of `html`, styled by `styleSheet`, with `family` at 11 pt as its body font.
std::unique_ptr<QTextDocument> helpDocument(const QString& html, const QString& styleSheet,
                                            const QString& family);

} // namespace trelvix
