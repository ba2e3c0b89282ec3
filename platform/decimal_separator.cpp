#include "platform/decimal_separator.h"

#include <QLocale>

namespace trelvix {

QString desktopDecimalSeparator() {
    return QLocale::system().decimalPoint();
}

} // namespace trelvix
