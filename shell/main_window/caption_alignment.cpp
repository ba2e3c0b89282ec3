#include "shell/main_window/caption_alignment.h"

#include "shell/main_window/control_inventory.h"
#include "shell/main_window/layout.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

// The baseline of a field's text below the field's top.  A line edit places its text when it
// paints, so a probe field of the same font and height is painted once and asked where its
// cursor stands.
double fieldBaseline(const QLineEdit& field) {
    QLineEdit probe(QStringLiteral("0"));
    probe.setFont(field.font());
    probe.resize(std::max(field.width(), 1), rowHeightOfTheRightBlock);
    QImage canvas(probe.size(), QImage::Format_ARGB32_Premultiplied);
    probe.render(&canvas);
    const QRect cursor = probe.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return cursor.top() + QFontMetricsF(field.font()).ascent();
}

// The baseline of a label's text below the label's top, its text written from the top edge.
double labelBaseline(const QLabel& label) {
    return label.contentsRect().top() + std::max(0, label.indent()) +
           QFontMetricsF(label.font()).ascent();
}

// Where the text after the leading blanks of `caption` begins, from the label's left edge.
double textAfterBlanks(const QLabel& caption) {
    const QString text = caption.text();
    const auto blanks = std::find_if(text.begin(), text.end(), [](QChar c) { return c != u' '; });
    return caption.contentsRect().left() + std::max(0, caption.indent()) +
           QFontMetricsF(caption.font())
               .horizontalAdvance(QString(text.begin(), blanks - text.begin()));
}

// The letter stands on the partner's baseline; a letter that `joins` its caption (the result
// rows: "ωo", "νr", "η_kr") ends where the text after the blanks begins, as far as its overlay's
// width allows, while a parameter caption keeps the blank after its letter ("η (Па·с)").
void alignLetter(QLabel& letter, const QLabel& partner, bool joins) {
    const QFontMetricsF metrics(letter.font());
    const double letterWidth = metrics.horizontalAdvance(letter.text());
    // Both labels stand in the same parent.
    const double end = partner.x() + textAfterBlanks(partner) - letter.x();
    const double room = std::max(0.0, letter.width() - letterWidth);
    const double left = joins ? std::clamp(end - letterWidth, 0.0, room) : 0.0;
    const double top = partner.y() + labelBaseline(partner) - letter.y() - metrics.ascent();
    letter.setContentsMargins(int(std::lround(left)), std::max(0, int(std::lround(top))), 0, 0);
}

} // namespace

void alignCaptionsWithFields(const MainControls& c) {
    for (const Input input : allInputs) {
        QLabel* caption = c.caption(input);
        caption->setContentsMargins(0, 0, 0, 0);
        const double drop = fieldBaseline(*c.field(input)) - labelBaseline(*caption);
        caption->setContentsMargins(0, std::max(0, int(std::lround(drop))), 0, 0);
    }
}

void alignGreekLetters(const MainControls& c) {
    for (std::size_t i = 0; i < parameterOverlays.size(); ++i)
        alignLetter(*c.parameterLetters[i], *partnerLabel(c, parameterOverlays[i].partner), false);
    for (std::size_t i = 0; i < resultOverlays.size(); ++i)
        alignLetter(*c.resultLetters[i], *partnerLabel(c, resultOverlays[i].partner), true);
}

} // namespace trelvix
