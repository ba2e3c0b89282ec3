#pragma once

// Where the caret stands after a field has been rewritten in its display form.
//
// The student corrects a number in place, digit by digit; the rewrite must not throw the caret
// to the end of the field after every keystroke.  The caret is put after as many characters of
// the number (digits, point, comma, sign, exponent letter) as stood before it in the text the
// student left, so it stays right after the character just typed: typing 7 after "0.06" in
// "0.063850" gives "0.067385" with the caret after the 7, and a blank that the general form
// puts in front of a number is stepped over.

#include <QString>

namespace trelvix {

int caretAfterRewrite(const QString& typed, int caret, const QString& written);

} // namespace trelvix
