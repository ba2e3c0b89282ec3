// The twelve parameter fields on real line edits: start-up, refusals, warnings, visibility of the
// result labels, reading and rounding, typing keystroke by keystroke.

#include "entry/caret_rule.h"
#include "fake_form.h"

#include <QSet>
#include <QTest>
#include <cfloat>

using namespace trelvix;

namespace {

const QString msgMass =
    QStringLiteral("не может быть отрицательной или 0! Не вводите заново, а исправьте!");
const QString msgNotPositive =
    QStringLiteral("Не может быть отрицательным или 0! Не вводите заново, а исправьте!");
const QString msgNegative =
    QStringLiteral("Не может быть отрицательным! Не вводите заново, а исправьте!");
const QString msgX0 = QStringLiteral(
    "Не может быть меньше суммы радиуса шара и радиуса колеса! Не вводите заново, а исправьте!");
const QString msgTime = QStringLiteral("Должно быть больше 0! Не вводите заново, а исправьте!");
const QString warnDensity = QStringLiteral(
    "Это вакуум! Тогда и вязкость среды должна быть=0! Но можно экспериментировать и так!");
const QString warnViscosity = QStringLiteral(
    "Это вакуум! Тогда и плотность среды должна быть=0! Но можно экспериментировать и так!");

void typeOver(QLineEdit* edit, const QString& keys) {
    edit->selectAll();
    typeKeys(edit, keys);
}

std::vector<double> inputs(const FakeForm& form) {
    std::vector<double> values;
    for (const Input input : allInputs)
        values.push_back(form.storedValue(input));
    return values;
}

// Texts written into fields, in order.
using Edits = QList<std::pair<Input, QString>>;

} // namespace

class TestParameterFields : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeForm> form;

private slots:
    void init() { form = FakeForm::afterStartUp(); }

    void startUpShowsEveryFieldInItsFormWithoutMessages() {
        FakeForm fresh;
        fresh.writeInitialInputs();
        const QStringList expected{"0.063850",  "0.025",  "0.500",  "40.000",  "0.150", " 1000",
                                   "1.004e-03", "0.0050", "4.5000", "0.25000", "1.000", " 6"};
        for (const Input input : allInputs)
            QCOMPARE(fresh.field(input)->text(), expected[int(input)]);
        QVERIFY(fresh.platform.events.isEmpty());
        for (const QString& control : governedControls())
            QVERIFY2(fresh.isShown(control), qPrintable(control));
        const Inputs initial = initialInputs();
        QCOMPARE(inputs(fresh), inputs(*form)); // both started alike
        QCOMPARE(fresh.in.m, initial.m);
        QCOMPARE(fresh.in.eta, initial.eta);
        QCOMPARE(fresh.in.T, initial.T);
        QCOMPARE(fresh.in.ballRadius(), 0.0125);
        QCOMPARE(fresh.in.wheelRadius(), 0.005);
        QVERIFY(!fresh.fields.warningShown(WarningKind::Vacuum));
        QVERIFY(!fresh.fields.warningShown(WarningKind::NoViscosity));
    }

    // The line edit notifies on program writes and typing, never on an identical write: the
    // handler runs twice when the written text needs rewriting, once when it is already in its
    // display form, not at all for the same text.
    void handlerRunsOnChangesOnly() {
        QLineEdit* text8 = form->field(Input::k);
        text8->setText("40.000");
        QCOMPARE(form->redraws, 0);
        text8->setText("41");
        QCOMPARE(form->redraws, 2);
        QCOMPARE(text8->text(), "41.000");
        text8->setText("42.000");
        QCOMPARE(form->redraws, 3);
        text8->setCursorPosition(6);
        QTest::keyClick(text8, Qt::Key_4);
        QCOMPARE(form->redraws, 5);
        QCOMPARE(text8->text(), "42.000"); // 42.0004 rounds back
        QCOMPARE(form->in.k, 42.0);
    }

    void refusals_data() {
        QTest::addColumn<Input>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("refused");
        QTest::addColumn<double>("reset");
        QTest::newRow("mass emptied") << Input::m << "" << msgMass << "0.063850" << 0.0 << 0.06385;
        QTest::newRow("mass negative")
            << Input::m << "-1" << msgMass << "0.063850" << -1.0 << 0.06385;
        QTest::newRow("mass 0,5 reads 0")
            << Input::m << "0,5" << msgMass << "0.063850" << 0.0 << 0.06385;
        QTest::newRow("diameter") << Input::d << "-0.01" << msgNotPositive << "0.025" << -0.01
                                  << 0.025;
        QTest::newRow("drag") << Input::c << "-1" << msgNegative << "0.500" << -1.0 << 0.5;
        QTest::newRow("stiffness") << Input::k << "0" << msgNotPositive << "40.000" << 0.0 << 40.0;
        QTest::newRow("start below crank")
            << Input::X0 << "0.01749" << msgX0 << "0.01750" << 0.01749 << 0.0175;
        QTest::newRow("start negative")
            << Input::X0 << "-3" << msgX0 << "0.01750" << -3.0 << 0.0175;
        QTest::newRow("time zero") << Input::T << "0" << msgTime << " 40" << 0.0 << 40.0;
        QTest::newRow("time negative") << Input::T << "-5" << msgTime << " 40" << -5.0 << 40.0;
        QTest::newRow("time letters") << Input::T << "abc" << msgTime << " 40" << 0.0 << 40.0;
    }

    // Tone, then the box; behind the box the field and the quantity still hold the refused
    // entry; after it the reset value in both, and nothing else changed.
    void refusals() {
        QFETCH(Input, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(double, refused);
        QFETCH(double, reset);
        QLineEdit* edit = form->field(field);
        std::vector<double> expected = inputs(*form);
        expected[int(field)] = reset;

        QString textBehindBox;
        double valueBehindBox = -999;
        form->platform.whileOpen = [&](const PlatformEvent&) {
            textBehindBox = edit->text();
            valueBehindBox = form->storedValue(field);
        };
        edit->setText(text);

        QCOMPARE(form->platform.log(), (QStringList{"tone 25", "Ошибка: " + message}));
        QCOMPARE(textBehindBox, text);
        QCOMPARE(valueBehindBox, refused);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(inputs(*form), expected);
    }

    void acceptances_data() {
        QTest::addColumn<Input>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("stored");
        QTest::newRow("mass, seven decimals") << Input::m << "0.0638504"
                                              << "0.063850" << 0.06385;
        QTest::newRow("mass, half rounds up") << Input::m << "0.0638505"
                                              << "0.063851" << 0.063851;
        QTest::newRow("drag zero") << Input::c << "0"
                                   << "0.000" << 0.0;
        QTest::newRow("free length negative") << Input::L0 << "-0.2"
                                              << "-0.200" << -0.2;
        QTest::newRow("free length letters") << Input::L0 << "abc"
                                             << "0.000" << 0.0;
        QTest::newRow("density half") << Input::ro << "0.5"
                                      << " .5" << 0.5;
        QTest::newRow("density thousand") << Input::ro << "1000"
                                          << " 1000" << 1000.0;
        QTest::newRow("viscosity negative") << Input::eta << "-0.001"
                                            << "-1.000e-03" << -0.001;
        QTest::newRow("amplitude") << Input::Xm << "0.01"
                                   << "0.0100" << 0.01;
        QTest::newRow("frequency zero") << Input::nu << "0"
                                        << "0.0000" << 0.0;
        QTest::newRow("start exactly at the sum") << Input::X0 << "0.0175"
                                                  << "0.01750" << 0.0175;
        QTest::newRow("velocity 1e-3") << Input::V0x << "1e-3"
                                       << "0.001" << 0.001;
        QTest::newRow("stiffness 1,5 reads 1") << Input::k << "1,5"
                                               << "1.000" << 1.0;
        QTest::newRow("stiffness blanks skipped") << Input::k << " 4 5. 5"
                                                  << "45.500" << 45.5;
        QTest::newRow("stiffness hexadecimal") << Input::k << "&H1F"
                                               << "31.000" << 31.0;
        QTest::newRow("stiffness beyond double") << Input::k << "1e999" << QString() << DBL_MAX;
        QTest::newRow("time 2.5") << Input::T << "2.5"
                                  << " 2.5" << 2.5;
        // The largest float shows seven digits of its exact value, which the field then reads.
        QTest::newRow("time beyond float") << Input::T << "1e39"
                                           << " 3.402823E+38" << double{3.402823e38F};
        QTest::newRow("time tiny") << Input::T << "1e-8"
                                   << " 1E-08" << double{1e-8F};
    }

    void acceptances() {
        QFETCH(Input, field);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(double, stored);
        form->field(field)->setText(text);
        QVERIFY(form->platform.events.isEmpty());
        if (!shown.isEmpty()) QCOMPARE(form->field(field)->text(), shown);
        QCOMPARE(form->storedValue(field), stored);
        QCOMPARE(form->valueOfText(field), stored);
    }

    // Typing a new value over the mass: its first key, 0, is refused and the reset value written;
    // the caret then stands at the end, so the rest of the typing cannot be refused again.
    void oneBoxPerRefusalWhileTyping() {
        typeOver(form->field(Input::m), "0.05");
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), 1);
        QCOMPARE(form->field(Input::m)->text(), "0.063851");
        QCOMPARE(form->inconsistency(Input::m), QString());
    }

    void startLimitFollowsCurrentAmplitudeAndDiameter() {
        form->field(Input::Xm)->setText("0.02");
        form->field(Input::d)->setText("0.05");
        form->platform.clear();
        form->field(Input::X0)->setText("0.0449");
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), 1);
        QCOMPARE(form->field(Input::X0)->text(), "0.04500");
        form->field(Input::X0)->setText("0.045");
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), 1);
        QCOMPARE(form->in.X0, 0.045);
    }

    // The five-decimal text of a limit with more decimals reads back below it; the reset takes
    // the next five-decimal value, so one message is all the student sees.
    void startResetNeverRefusedAgain_data() {
        QTest::addColumn<double>("Xm");
        QTest::addColumn<double>("d");
        QTest::addColumn<QString>("shown");
        QTest::newRow("limit 0.012501") << 0.000001 << 0.025 << "0.01251";
        QTest::newRow("limit 0.0125049") << 0.0000049 << 0.025 << "0.01251";
        QTest::newRow("limit 0.0125051") << 0.0000051 << 0.025 << "0.01251";
        QTest::newRow("sum beyond double") << DBL_MAX << DBL_MAX << QString();
    }

    void startResetNeverRefusedAgain() {
        QFETCH(double, Xm);
        QFETCH(double, d);
        QFETCH(QString, shown);
        form->in.Xm = Xm;
        form->in.d = d;
        form->field(Input::X0)->setText("0.001");
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), 1);
        if (!shown.isEmpty()) QCOMPARE(form->field(Input::X0)->text(), shown);
        QVERIFY(std::isfinite(form->in.X0));
        QVERIFY(form->in.X0 >= Xm + d / 2 || form->in.X0 == DBL_MAX);
        QCOMPARE(form->in.X0, form->valueOfText(Input::X0));
    }

    // Every decimal sum of an amplitude and a half diameter that the fields can show is
    // accepted when typed exactly, although the binary sum may lie a little above it.
    void startExactlyAtTheSumIsAccepted() {
        for (int amplitude = 0; amplitude <= 120; amplitude += 7) {
            for (int diameter = 1; diameter <= 120; diameter += 3) {
                form->field(Input::Xm)->setText(QString::number(amplitude / 10000.0, 'f', 4));
                form->field(Input::d)->setText(QString::number(diameter / 1000.0, 'f', 3));
                const double sum = amplitude / 10000.0 + diameter / 2000.0;
                form->field(Input::X0)->setText(QString::number(sum, 'f', 5));
                QVERIFY2(form->platform.events.isEmpty(), qPrintable(QString::number(sum, 'f', 5)));
                QCOMPARE(form->field(Input::X0)->text(), QString::number(sum, 'f', 5));
            }
        }
    }

    void warningsOncePerProgramLife_data() {
        QTest::addColumn<Input>("field");
        QTest::addColumn<QString>("doubtful");
        QTest::addColumn<QString>("fine");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("warning");
        QTest::newRow("density zero") << Input::ro << "0"
                                      << "1000"
                                      << " 0" << warnDensity;
        QTest::newRow("density negative") << Input::ro << "-1"
                                          << "1000"
                                          << "-1" << warnDensity;
        QTest::newRow("viscosity zero") << Input::eta << "0"
                                        << "0.001"
                                        << "0.000e+00" << warnViscosity;
    }

    void warningsOncePerProgramLife() {
        QFETCH(Input, field);
        QFETCH(QString, doubtful);
        QFETCH(QString, fine);
        QFETCH(QString, shown);
        QFETCH(QString, warning);
        QLineEdit* edit = form->field(field);
        edit->setText(doubtful);
        QCOMPARE(form->platform.log(), (QStringList{"tone 25", "Предупреждение: " + warning}));
        QCOMPARE(edit->text(), shown);
        QCOMPARE(form->valueOfText(field), form->storedValue(field)); // accepted and kept
        QVERIFY(form->fields.warningShown(field == Input::ro ? WarningKind::Vacuum
                                                             : WarningKind::NoViscosity));

        edit->setText(fine);
        edit->setText(doubtful);
        typeOver(edit, "0");
        QCOMPARE(form->platform.events.size(), 2);
    }

    void eachWarningHasItsOwnMemory() {
        form->field(Input::ro)->setText("0");
        form->field(Input::eta)->setText("0");
        QCOMPARE(form->platform.log(),
                 (QStringList{"tone 25", "Предупреждение: " + warnDensity, "tone 25",
                              "Предупреждение: " + warnViscosity}));
    }

    void visibilityGroups_data() {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QStringList>("hidden");
        const QStringList decrements{key(Result::damping), key(Result::logDecrement),
                                     key(Result::qualityFactor)};
        const QStringList driving{key(Input::nu), key(Result::drivingFrequency),
                                  key(Result::drivingPeriod)};
        QTest::newRow("drag zero")
            << Edits{{Input::c, "0"}} << QStringList{key(Result::quadraticDistance)};
        QTest::newRow("drag back") << Edits{{Input::c, "0"}, {Input::c, "0.2"}} << QStringList{};
        QTest::newRow("vacuum") << Edits{{Input::ro, "0"}}
                                << QStringList{key(Result::mediumMass),
                                               key(Result::quadraticDistance)};
        QTest::newRow("medium back") << Edits{{Input::ro, "0"}, {Input::ro, "5"}} << QStringList{};
        QTest::newRow("medium back, no drag")
            << Edits{{Input::c, "0"}, {Input::ro, "0"}, {Input::ro, "5"}}
            << QStringList{key(Result::quadraticDistance)};
        QTest::newRow("drag shows its label in vacuum")
            << Edits{{Input::ro, "0"}, {Input::c, "1"}} << QStringList{key(Result::mediumMass)};
        QTest::newRow("no viscosity") << Edits{{Input::eta, "0"}} << decrements;
        QTest::newRow("negative viscosity")
            << Edits{{Input::eta, "0"}, {Input::eta, "-0.001"}} << QStringList{};
        QTest::newRow("no amplitude") << Edits{{Input::Xm, "0"}} << driving;
        QTest::newRow("amplitude back")
            << Edits{{Input::Xm, "0"}, {Input::Xm, "-0.001"}} << QStringList{};
    }

    void visibilityGroups() {
        QFETCH(Edits, edits);
        QFETCH(QStringList, hidden);
        for (const auto& [input, text] : edits)
            form->field(input)->setText(text);
        for (const QString& control : hidden)
            QVERIFY2(governedControls().contains(control), qPrintable(control));
        for (const QString& control : governedControls())
            QVERIFY2(form->isShown(control) != hidden.contains(control), qPrintable(control));
    }

    // Overtyping a whole field: the first keystroke already replaces the text, so a first
    // character that reads as 0 is refused at once.
    void overtypingTheFirstCharacter_data() {
        QTest::addColumn<Input>("field");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        for (const QString key : {"0", "-", "."}) {
            QTest::addRow("m %s", qPrintable(key)) << Input::m << key << "0.063850";
            QTest::addRow("d %s", qPrintable(key)) << Input::d << key << "0.025";
            QTest::addRow("k %s", qPrintable(key)) << Input::k << key << "40.000";
            QTest::addRow("X0 %s", qPrintable(key)) << Input::X0 << key << "0.01750";
            QTest::addRow("T %s", qPrintable(key)) << Input::T << key << " 40";
        }
    }

    void overtypingTheFirstCharacter() {
        QFETCH(Input, field);
        QFETCH(QString, key);
        QFETCH(QString, shown);
        typeOver(form->field(field), key);
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), 1);
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Tone), 1);
        QCOMPARE(form->field(field)->text(), shown);
        QCOMPARE(form->storedValue(field), form->valueOfText(field));
    }

    // A character that does not belong to the number disappears at once; at the start of the
    // field it leaves no number at all, which the stiffness refuses; the caret then stands at the
    // end of the value put back, where the second stray key is harmless.
    void strayCharacterDisappears_data() {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("messages");
        QTest::newRow("end") << 6 << 0;
        QTest::newRow("after point") << 3 << 0;
        QTest::newRow("start") << 0 << 1;
    }

    void strayCharacterDisappears() {
        QFETCH(int, caret);
        QFETCH(int, messages);
        QLineEdit* text8 = form->field(Input::k);
        text8->setCursorPosition(caret);
        typeKeys(text8, "x");
        typeKeys(text8, "я");
        QCOMPARE(text8->text(), "40.000");
        QCOMPARE(form->in.k, 40.0);
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), messages);
    }

    // Digit by digit in place: type the new digit, delete the old one, move on.
    void correctingDigitByDigit() {
        QLineEdit* text1 = form->field(Input::m);
        text1->setCursorPosition(3);
        for (const char digit : {'7', '1', '2', '3', '4'}) {
            QTest::keyClick(text1, digit);
            QTest::keyClick(text1, Qt::Key_Delete);
        }
        QCOMPARE(text1->text(), "0.071234");
        QCOMPARE(form->in.m, 0.071234);
        QVERIFY(form->platform.events.isEmpty());
    }

    // Keys typed at a caret position (-1: over the whole text selected).
    void typingKeystrokeByKeystroke_data() {
        QTest::addColumn<Input>("field");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stiffness anew") << Input::k << -1 << "12.5"
                                        << "12.500";
        QTest::newRow("stiffness, decimal comma") << Input::k << -1 << "12,5"
                                                  << "12.500";
        QTest::newRow("viscosity mantissa") << Input::eta << -1 << "2"
                                            << "2.000e+00";
        QTest::newRow("viscosity exponent") << Input::eta << 9 << "4"
                                            << "1.004e-34";
        QTest::newRow("time anew") << Input::T << -1 << "12"
                                   << " 12";
        QTest::newRow("velocity sign at the start") << Input::V0x << 0 << "-"
                                                    << "-1.000";
        // A lone sign or a trailing point has no value of its own and disappears in the
        // rewrite: a sign goes in front of digits, a point of the general form between them.
        QTest::newRow("velocity sign first") << Input::V0x << -1 << "-2"
                                             << "2.000";
        QTest::newRow("density trailing point") << Input::ro << -1 << "7.8"
                                                << " 78";
    }

    void typingKeystrokeByKeystroke() {
        QFETCH(Input, field);
        QFETCH(int, caret);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QLineEdit* edit = form->field(field);
        if (caret < 0)
            edit->selectAll();
        else
            edit->setCursorPosition(caret);
        typeKeys(edit, keys);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(form->storedValue(field), form->valueOfText(field));
        QVERIFY(form->platform.events.isEmpty());
    }

    void pointBetweenDigitsOfGeneralForm() {
        QLineEdit* text3 = form->field(Input::ro);
        typeOver(text3, "78");
        QCOMPARE(text3->text(), " 78");
        text3->setCursorPosition(2);
        typeKeys(text3, ".");
        QCOMPARE(text3->text(), " 7.8");
        QCOMPARE(form->in.ro, 7.8);
    }

    void caretRule_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("expected");
        QTest::newRow("digit inserted") << "0.0763850" << 4 << "0.076385" << 4;
        QTest::newRow("digit deleted") << "0.07385" << 4 << "0.073850" << 4;
        QTest::newRow("blank stepped over") << "5" << 1 << " 5" << 2;
        QTest::newRow("comma stands for the point") << "1," << 2 << "1.000" << 2;
        QTest::newRow("stray letter") << "40.x000" << 4 << "40.000" << 3;
        QTest::newRow("at start") << "x40" << 0 << "40.000" << 0;
        QTest::newRow("beyond the end") << "40.0001234" << 10 << "40.000" << 6;
        QTest::newRow("caret out of range") << "12" << 99 << "12.000" << 2;
    }

    void caretRule() {
        QFETCH(QString, typed);
        QFETCH(int, caret);
        QFETCH(QString, written);
        QFETCH(int, expected);
        QCOMPARE(caretAfterRewrite(typed, caret, written), expected);
    }

    // The fields, the start-up and the result labels all go by the table: a row out of place
    // would put one input's rules on another's field.
    void inputTableHasOneRowPerInput() {
        QCOMPARE(inputTable().size(), allInputs.size());
        for (std::size_t i = 0; i < inputTable().size(); ++i)
            QCOMPARE(int(inputTable()[i].input), int(i));
        for (const Input input : allInputs)
            QCOMPARE(int(inputRow(input).input), int(input));
    }
};

QTEST_MAIN(TestParameterFields)
#include "tst_parameter_fields.moc"
