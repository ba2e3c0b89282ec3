#pragma once

// The decimal separator the desktop's regional settings use: numbers the program shows and the
// results file, the export and the command line write take it, so that a spreadsheet or a reader
// set to the same region reads them as numbers.

#include <QString>
#include <string>

namespace trelvix {

QString desktopDecimalSeparator();
inline std::string desktopDecimalSeparatorText() {
    return desktopDecimalSeparator().toStdString();
}

} // namespace trelvix
