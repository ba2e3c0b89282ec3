#include "fake_form.h"

#include "model/number_text.h"
#include "model/single_precision.h"

#include <QTest>
#include <cmath>

namespace trelvix {

QString key(Input input) {
    return QStringLiteral("row ") + QString::fromLatin1(inputRow(input).symbol);
}

QString key(Result row) {
    return QStringLiteral("result %1").arg(static_cast<int>(row));
}

QStringList governedControls() {
    QStringList rows;
    for (const InputRow& row : inputTable())
        for (const VisibilityGroup& group : row.visibility) {
            for (const Input input : group.inputRows)
                if (!rows.contains(key(input))) rows << key(input);
            for (const Result result : group.resultRows)
                if (!rows.contains(key(result))) rows << key(result);
        }
    return rows;
}

FakeForm::FakeForm() {
    for (const InputRow& row : inputTable()) {
        auto* edit = new QLineEdit(QString::fromLatin1(row.fieldName), this);
        edit->setObjectName(QString::fromLatin1(row.fieldName));
        fields_[static_cast<std::size_t>(row.input)] = edit;
    }
    const char* const barNames[] = {"slowDownBar", "magnifierZoomBar", "displacementZoomBar",
                                    "velocityZoomBar", "energyZoomBar"};
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const bool horizontal = i <= static_cast<std::size_t>(ScrollBarRole::magnifierZoom);
        bars_[i] = new QScrollBar(horizontal ? Qt::Horizontal : Qt::Vertical, this);
        bars_[i]->setObjectName(QString::fromLatin1(barNames[i]));
    }
    fields.connectFields(fields_);
    bars.connectScrollBars(bars_);
}

void FakeForm::setInputRowVisible(Input input, bool visible) {
    if (visible)
        hiddenRows.remove(key(input));
    else
        hiddenRows.insert(key(input));
}

void FakeForm::setResultVisible(Result row, bool visible) {
    if (visible)
        hiddenRows.remove(key(row));
    else
        hiddenRows.insert(key(row));
}

QLineEdit* FakeForm::field(Input input) const {
    return fields_[static_cast<std::size_t>(input)];
}

void FakeForm::writeInitialInputs() {
    in = initialInputs();
    const Inputs initial = in;
    for (const InputRow& row : inputTable())
        field(row.input)->setText(QString::fromStdString(displayText(row, initial)));
    showSlowDown(int(view.slowDown));
}

void typeKeys(QWidget* widget, const QString& keys) {
    for (const QChar key : keys)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(key), Qt::NoModifier);
}

std::unique_ptr<FakeForm> FakeForm::afterStartUp() {
    auto form = std::make_unique<FakeForm>();
    form->writeInitialInputs();
    form->platform.clear();
    form->redraws = 0;
    return form;
}

double FakeForm::valueOfText(Input input) const {
    const double value = readNumber(field(input)->text().toStdString());
    return input == Input::T ? double{toSingleSaturated(value)} : value;
}

QString FakeForm::inconsistency(Input input) const {
    const InputRow& row = inputRow(input);
    if (storedValue(input) != valueOfText(input))
        return "stores " + QString::number(storedValue(input), 'g', 17);
    if (field(input)->text() != QString::fromStdString(displayText(row, in)))
        return "is not in its display form";
    if (row.refusal && row.refusal->refuses(in)) return "keeps a refused value";
    for (const InputRow& other : inputTable())
        if (!std::isfinite(storedValue(other.input)))
            return QString::fromLatin1(other.symbol) + " is not finite";
    return {};
}

} // namespace trelvix
