#include "entry/caret_rule.h"

#include <algorithm>

namespace trelvix {

namespace {

// A comma counts as well: it is the decimal separator a Russian student types, and it ends the
// number just where the point stands in the rewritten text.
bool belongsToNumber(QChar ch) {
    return (ch >= u'0' && ch <= u'9') || QStringView(u".,+-eEdD").contains(ch);
}

} // namespace

int caretAfterRewrite(const QString& typed, int caret, const QString& written) {
    const QStringView beforeCaret =
        QStringView(typed).left(std::clamp(caret, 0, int(typed.size())));
    auto wanted = std::count_if(beforeCaret.begin(), beforeCaret.end(), belongsToNumber);
    int position = 0;
    for (; position < written.size() && wanted > 0; ++position)
        if (belongsToNumber(written[position])) --wanted;
    return position;
}

} // namespace trelvix
