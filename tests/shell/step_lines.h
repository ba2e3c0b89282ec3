#pragma once

// The results file as the tests read it back: the header lines, then one line per step holding
// t, X − Xg, Vx and W in the form 0.0000e+00, each in its print zone.

#include <QByteArray>
#include <QList>
#include <QRegularExpression>

namespace trelvix {

inline constexpr int headerLineCount = 15;

// Whether `line` (without its line end) is a whole step line with a decimal point: four finite
// numbers, so neither a limit text ("oo") nor an undefined value ("?") nor a cut-off line.
inline bool isStepLine(const QByteArray& line) {
    static const QRegularExpression form(
        R"(^-?\d\.\d{4}e[+-]\d{2,3}( +-?\d\.\d{4}e[+-]\d{2,3}){3}$)");
    return form.match(QString::fromLatin1(line)).hasMatch();
}

struct CrlfLines {
    QList<QByteArray> lines; // without their line ends
    bool lastLineWhole;      // whether the text ends with a line end (an empty text does)
};

inline CrlfLines splitCrlf(const QByteArray& bytes) {
    CrlfLines text{{}, bytes.isEmpty() || bytes.endsWith("\r\n")};
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = bytes.indexOf("\r\n", start);
        text.lines << bytes.mid(start, end < 0 ? -1 : end - start);
        start = end < 0 ? bytes.size() : end + 2;
    }
    return text;
}

} // namespace trelvix
