#pragma once

// Page breaks a reader expects: a heading stays with what it heads, and a small table or a
// preformatted example is not cut in two by the end of a page.

#include <QTextDocument>

namespace trelvix {

// Moves to the next page every unit shorter than a page that the end of a page would cut: a
// heading with the first line (or the whole table) after it, a table, a preformatted block.
// Needs the page size of `document` to be set.
void keepTogetherOnPages(QTextDocument& document);

} // namespace trelvix
