#include "fake_form.h"

#include "model/number_text.h"

#include <QTest>
#include <cmath>

namespace trelvix {

namespace {

const FieldRule& ruleOf(const QString& field) {
    for (const FieldRule& rule : fieldRules())
        if (rule.field == field) return rule;
    qFatal("no rule for %s", qPrintable(field));
}

} // namespace

const QStringList governedControls{"Label9",  "Label9_2",  "Text9",   "Label13",   "Label15",
                                   "Label16", "Label16_2", "Label23", "Label23_2", "Label26",
                                   "Label27", "Label27_2", "Label28"};

FakeForm::FakeForm() {
    for (const QString& name : fieldNames) {
        auto* edit = new QLineEdit(name, this);
        edit->setObjectName(name);
    }
    for (const QString& name : governedControls + QStringList{"Label21"}) {
        if (fieldNames.contains(name)) continue;
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

void FakeForm::setCaption(const QString& labelName, const QString& text) {
    findChild<QLabel*>(labelName)->setText(text);
}

bool FakeForm::isShown(const QString& controlName) const {
    return !findChild<QWidget*>(controlName)->isHidden();
}

void FakeForm::nach_dannye() {
    e = initialExperiment();
    field("Text1")->setText(QString::fromStdString(formatNumber(e.m, "0.000000")));
    const double others[] = {e.d, e.c, e.k, e.L0, e.ro, e.eta, e.Xm, e.nu, e.X0, e.V0x, e.T};
    for (int i = 1; i < fieldNames.size(); ++i)
        field(fieldNames[i])->setText(QString::fromStdString(generalNumber(others[i - 1])));
}

void typeKeys(QWidget* widget, const QString& keys) {
    for (const QChar key : keys)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(key), Qt::NoModifier);
}

std::unique_ptr<FakeForm> FakeForm::afterStartUp() {
    auto form = std::make_unique<FakeForm>();
    form->nach_dannye();
    form->platform.clear();
    form->redraws = 0;
    return form;
}

double FakeForm::valueOfText(const QString& fieldName) const {
    const double value = readNumber(field(fieldName)->text().toStdString());
    return fieldName == "Text20" ? double{toSingleSaturated(value)} : value;
}

double FakeForm::storedValue(const QString& fieldName) const {
    const double values[] = {e.m, e.d, e.c, e.k, e.L0, e.ro, e.eta, e.Xm, e.nu, e.X0, e.V0x, e.T};
    return values[fieldNames.indexOf(fieldName)];
}

QString FakeForm::inconsistency(const QString& fieldName) const {
    const FieldRule& rule = ruleOf(fieldName);
    if (storedValue(fieldName) != valueOfText(fieldName))
        return "stores " + QString::number(storedValue(fieldName), 'g', 17);
    if (field(fieldName)->text() != QString::fromStdString(displayText(rule, e)))
        return "is not in its display form";
    if (rule.refusal && rule.refusal->refuses(e)) return "keeps a refused value";
    for (const QString& name : fieldNames)
        if (!std::isfinite(storedValue(name))) return name + " is not finite";
    if (e.R_shara != e.d / 2 || e.R_kolesa != e.Xm) return "radii do not follow their inputs";
    return {};
}

} // namespace trelvix
