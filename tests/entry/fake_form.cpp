#include "fake_form.h"

#include "model/number_text.h"
#include "model/single_precision.h"

#include <QTest>
#include <cmath>

namespace trelvix {

QStringList governedControls() {
    QStringList controls;
    for (const InputRow& row : inputTable())
        for (const VisibilityGroup& group : row.visibility)
            for (const QString& control : group.controls)
                if (!controls.contains(control)) controls << control;
    return controls;
}

FakeForm::FakeForm() {
    for (const InputRow& row : inputTable()) {
        auto* caption = new QLabel(QString::fromUtf8(row.captionText), this);
        caption->setObjectName(QString::fromLatin1(row.captionName));
        auto* edit = new QLineEdit(QString::fromLatin1(row.fieldName), this);
        edit->setObjectName(QString::fromLatin1(row.fieldName));
    }
    for (const QString& name : governedControls()) {
        if (findChild<QWidget*>(name)) continue;
        auto* label = new QLabel(name, this);
        label->setObjectName(name);
    }
    for (const char* name : {"HScroll1", "HScroll2"}) {
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(name);
    }
    for (const char* name : {"VScroll1", "VScroll2", "VScroll3"}) {
        auto* bar = new QScrollBar(Qt::Vertical, this);
        bar->setObjectName(name);
    }
    fields.connectFields(this);
    bars.connectScrollBars(this);
}

void FakeForm::setControlVisible(const QString& controlName, bool visible) {
    findChild<QWidget*>(controlName)->setVisible(visible);
}

bool FakeForm::isShown(const QString& controlName) const {
    return !findChild<QWidget*>(controlName)->isHidden();
}

QLineEdit* FakeForm::field(Input input) const {
    return findChild<QLineEdit*>(QString::fromLatin1(inputRow(input).fieldName));
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
