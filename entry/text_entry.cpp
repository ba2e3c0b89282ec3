#include "entry/text_entry.h"

#include "model/number_text.h"

namespace trelvix {

namespace {

// The rewrite reaches its fixed point after at most two passes (the X0 reset is rounded so that
// its text reads back above the limit); the bound only guards against a rule that never settles.
constexpr int mostPasses = 8;

} // namespace

EnteredText enterText(const InputRow& row, Inputs& in, std::string_view text) {
    EnteredText entered{std::string(text), {}};
    for (int pass = 0; pass < mostPasses; ++pass) {
        in.setValue(row.input, readNumber(entered.shown));
        if (row.refusal && row.refusal->refuses(in)) {
            entered.refusals << translatedMessage(*row.refusal);
            in.setValue(row.input, row.refusal->resetValue(in));
        }
        const std::string shown = displayText(row, in);
        if (shown == entered.shown) break;
        entered.shown = shown;
    }
    return entered;
}

} // namespace trelvix
