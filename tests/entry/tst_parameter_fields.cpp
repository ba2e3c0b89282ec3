// The twelve parameter fields on real line edits: start-up, refusals, warnings, visibility of the
// result labels, reading and rounding, typing keystroke by keystroke.

#include "entry/caret_rule.h"
#include "fake_form.h"

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
    for (const QString& name : fieldNames)
        values.push_back(form.storedValue(name));
    return values;
}

} // namespace

class TestParameterFields : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeForm> form;

private slots:
    void init() { form = FakeForm::afterStartUp(); }

    void startUpShowsEveryFieldInItsFormWithoutMessages() {
        FakeForm fresh;
        fresh.nach_dannye();
        const QStringList expected{"0.063850",  "0.025",  "0.500",  "40.000",  "0.150", " 1000",
                                   "1.004e-03", "0.0050", "4.5000", "0.25000", "1.000", " 6"};
        for (int i = 0; i < fieldNames.size(); ++i)
            QCOMPARE(fresh.field(fieldNames[i])->text(), expected[i]);
        QVERIFY(fresh.platform.events.isEmpty());
        for (const QString& control : governedControls)
            QVERIFY2(fresh.isShown(control), qPrintable(control));
        const Experiment initial = initialExperiment();
        QCOMPARE(inputs(fresh), inputs(*form)); // both started alike
        QCOMPARE(fresh.e.m, initial.m);
        QCOMPARE(fresh.e.eta, initial.eta);
        QCOMPARE(fresh.e.T, initial.T);
        QCOMPARE(fresh.e.R_shara, 0.0125);
        QCOMPARE(fresh.e.R_kolesa, 0.005);
        QCOMPARE(fresh.fields.warningsShown().fff_ro_0, QString());
        QCOMPARE(fresh.fields.warningsShown().fff_eta, QString());
    }

    // The line edit notifies on program writes and typing, never on an identical write: the
    // handler runs twice when the written text needs rewriting, once when it is already in its
    // display form, not at all for the same text.
    void handlerRunsOnChangesOnly() {
        QLineEdit* text8 = form->field("Text8");
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
        QCOMPARE(form->e.k, 42.0);
    }

    void refusals_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("refused");
        QTest::addColumn<double>("reset");
        QTest::newRow("mass emptied") << "Text1"
                                      << "" << msgMass << "0.063850" << 0.0 << 0.06385;
        QTest::newRow("mass negative") << "Text1"
                                       << "-1" << msgMass << "0.063850" << -1.0 << 0.06385;
        QTest::newRow("mass 0,5 reads 0") << "Text1"
                                          << "0,5" << msgMass << "0.063850" << 0.0 << 0.06385;
        QTest::newRow("diameter") << "Text4"
                                  << "-0.01" << msgNotPositive << "0.025" << -0.01 << 0.025;
        QTest::newRow("drag") << "Text7"
                              << "-1" << msgNegative << "0.500" << -1.0 << 0.5;
        QTest::newRow("stiffness") << "Text8"
                                   << "0" << msgNotPositive << "40.000" << 0.0 << 40.0;
        QTest::newRow("start below crank") << "Text18"
                                           << "0.01749" << msgX0 << "0.01750" << 0.01749 << 0.0175;
        QTest::newRow("start negative") << "Text18"
                                        << "-3" << msgX0 << "0.01750" << -3.0 << 0.0175;
        QTest::newRow("time zero") << "Text20"
                                   << "0" << msgTime << " 40" << 0.0 << 40.0;
        QTest::newRow("time negative") << "Text20"
                                       << "-5" << msgTime << " 40" << -5.0 << 40.0;
        QTest::newRow("time letters") << "Text20"
                                      << "abc" << msgTime << " 40" << 0.0 << 40.0;
    }

    // Tone, then the box; behind the box the field and the quantity still hold the refused
    // entry; after it the reset value in both, and nothing else changed.
    void refusals() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(double, refused);
        QFETCH(double, reset);
        QLineEdit* edit = form->field(field);
        std::vector<double> expected = inputs(*form);
        expected[fieldNames.indexOf(field)] = reset;

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
        QCOMPARE(form->e.R_shara, form->e.d / 2);
    }

    void acceptances_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("stored");
        QTest::newRow("mass, seven decimals") << "Text1"
                                              << "0.0638504"
                                              << "0.063850" << 0.06385;
        QTest::newRow("mass, half rounds up") << "Text1"
                                              << "0.0638505"
                                              << "0.063851" << 0.063851;
        QTest::newRow("drag zero") << "Text7"
                                   << "0"
                                   << "0.000" << 0.0;
        QTest::newRow("free length negative") << "Text2"
                                              << "-0.2"
                                              << "-0.200" << -0.2;
        QTest::newRow("free length letters") << "Text2"
                                             << "abc"
                                             << "0.000" << 0.0;
        QTest::newRow("density half") << "Text3"
                                      << "0.5"
                                      << " .5" << 0.5;
        QTest::newRow("density thousand") << "Text3"
                                          << "1000"
                                          << " 1000" << 1000.0;
        QTest::newRow("viscosity negative") << "Text5"
                                            << "-0.001"
                                            << "-1.000e-03" << -0.001;
        QTest::newRow("amplitude") << "Text6"
                                   << "0.01"
                                   << "0.0100" << 0.01;
        QTest::newRow("frequency zero") << "Text9"
                                        << "0"
                                        << "0.0000" << 0.0;
        QTest::newRow("start exactly at the sum") << "Text18"
                                                  << "0.0175"
                                                  << "0.01750" << 0.0175;
        QTest::newRow("velocity 1e-3") << "Text19"
                                       << "1e-3"
                                       << "0.001" << 0.001;
        QTest::newRow("stiffness 1,5 reads 1") << "Text8"
                                               << "1,5"
                                               << "1.000" << 1.0;
        QTest::newRow("stiffness blanks skipped") << "Text8"
                                                  << " 4 5. 5"
                                                  << "45.500" << 45.5;
        QTest::newRow("stiffness hexadecimal") << "Text8"
                                               << "&H1F"
                                               << "31.000" << 31.0;
        QTest::newRow("stiffness beyond double") << "Text8"
                                                 << "1e999" << QString() << DBL_MAX;
        QTest::newRow("time 2.5") << "Text20"
                                  << "2.5"
                                  << " 2.5" << 2.5;
        QTest::newRow("time beyond float") << "Text20"
                                           << "1e39"
                                           << " 3.402824E+38" << double{FLT_MAX};
        QTest::newRow("time tiny") << "Text20"
                                   << "1e-8"
                                   << " 1E-08" << double{1e-8F};
    }

    void acceptances() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(double, stored);
        form->field(field)->setText(text);
        QVERIFY(form->platform.events.isEmpty());
        if (!shown.isEmpty()) QCOMPARE(form->field(field)->text(), shown);
        QCOMPARE(form->storedValue(field), stored);
        QCOMPARE(form->valueOfText(field), stored);
    }

    void startLimitFollowsCurrentAmplitudeAndDiameter() {
        form->field("Text6")->setText("0.02");
        form->field("Text4")->setText("0.05");
        form->platform.clear();
        form->field("Text18")->setText("0.0449");
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), 1);
        QCOMPARE(form->field("Text18")->text(), "0.04500");
        form->field("Text18")->setText("0.045");
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), 1);
        QCOMPARE(form->e.X0, 0.045);
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
        form->e.Xm = Xm;
        form->e.d = d;
        form->field("Text18")->setText("0.001");
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), 1);
        if (!shown.isEmpty()) QCOMPARE(form->field("Text18")->text(), shown);
        QVERIFY(std::isfinite(form->e.X0));
        QVERIFY(form->e.X0 >= Xm + d / 2 || form->e.X0 == DBL_MAX);
        QCOMPARE(form->e.X0, form->valueOfText("Text18"));
    }

    // Every decimal sum of an amplitude and a half diameter that the fields can show is
    // accepted when typed exactly, although the binary sum may lie a little above it.
    void startExactlyAtTheSumIsAccepted() {
        for (int amplitude = 0; amplitude <= 120; amplitude += 7) {
            for (int diameter = 1; diameter <= 120; diameter += 3) {
                form->field("Text6")->setText(QString::number(amplitude / 10000.0, 'f', 4));
                form->field("Text4")->setText(QString::number(diameter / 1000.0, 'f', 3));
                const double sum = amplitude / 10000.0 + diameter / 2000.0;
                form->field("Text18")->setText(QString::number(sum, 'f', 5));
                QVERIFY2(form->platform.events.isEmpty(), qPrintable(QString::number(sum, 'f', 5)));
                QCOMPARE(form->field("Text18")->text(), QString::number(sum, 'f', 5));
            }
        }
    }

    void warningsOncePerProgramLife_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("doubtful");
        QTest::addColumn<QString>("fine");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("warning");
        QTest::newRow("density zero") << "Text3"
                                      << "0"
                                      << "1000"
                                      << " 0" << warnDensity;
        QTest::newRow("density negative") << "Text3"
                                          << "-1"
                                          << "1000"
                                          << "-1" << warnDensity;
        QTest::newRow("viscosity zero") << "Text5"
                                        << "0"
                                        << "0.001"
                                        << "0.000e+00" << warnViscosity;
    }

    void warningsOncePerProgramLife() {
        QFETCH(QString, field);
        QFETCH(QString, doubtful);
        QFETCH(QString, fine);
        QFETCH(QString, shown);
        QFETCH(QString, warning);
        QLineEdit* edit = form->field(field);
        edit->setText(doubtful);
        QCOMPARE(form->platform.log(), (QStringList{"tone 25", "Предупреждение: " + warning}));
        QCOMPARE(edit->text(), shown);
        QCOMPARE(form->valueOfText(field), form->storedValue(field)); // accepted and kept
        const WarningsShown& memory = form->fields.warningsShown();
        QCOMPARE(field == "Text3" ? memory.fff_ro_0 : memory.fff_eta, warning);

        edit->setText(fine);
        edit->setText(doubtful);
        typeOver(edit, "0");
        QCOMPARE(form->platform.events.size(), 2);
    }

    void eachWarningHasItsOwnMemory() {
        form->field("Text3")->setText("0");
        form->field("Text5")->setText("0");
        QCOMPARE(form->platform.log(),
                 (QStringList{"tone 25", "Предупреждение: " + warnDensity, "tone 25",
                              "Предупреждение: " + warnViscosity}));
    }

    void visibilityGroups_data() {
        QTest::addColumn<QStringList>("edits"); // field=text, in order
        QTest::addColumn<QStringList>("hidden");
        const QStringList decrements{"Label16", "Label16_2", "Label27", "Label27_2", "Label28"};
        const QStringList driving{"Label9", "Label9_2", "Text9", "Label23", "Label23_2", "Label26"};
        QTest::newRow("drag zero") << QStringList{"Text7=0"} << QStringList{"Label15"};
        QTest::newRow("drag back") << QStringList{"Text7=0", "Text7=0.2"} << QStringList{};
        QTest::newRow("vacuum") << QStringList{"Text3=0"} << QStringList{"Label13", "Label15"};
        QTest::newRow("medium back") << QStringList{"Text3=0", "Text3=5"} << QStringList{};
        QTest::newRow("medium back, no drag")
            << QStringList{"Text7=0", "Text3=0", "Text3=5"} << QStringList{"Label15"};
        QTest::newRow("drag shows its label in vacuum")
            << QStringList{"Text3=0", "Text7=1"} << QStringList{"Label13"};
        QTest::newRow("no viscosity") << QStringList{"Text5=0"} << decrements;
        QTest::newRow("negative viscosity")
            << QStringList{"Text5=0", "Text5=-0.001"} << QStringList{};
        QTest::newRow("no amplitude") << QStringList{"Text6=0"} << driving;
        QTest::newRow("amplitude back") << QStringList{"Text6=0", "Text6=-0.001"} << QStringList{};
    }

    void visibilityGroups() {
        QFETCH(QStringList, edits);
        QFETCH(QStringList, hidden);
        for (const QString& edit : edits)
            form->field(edit.section('=', 0, 0))->setText(edit.section('=', 1));
        for (const QString& control : governedControls)
            QVERIFY2(form->isShown(control) != hidden.contains(control), qPrintable(control));
    }

    // Overtyping a whole field: the first keystroke already replaces the text, so a first
    // character that reads as 0 is refused at once.
    void overtypingTheFirstCharacter_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        for (const QString key : {"0", "-", "."}) {
            QTest::addRow("Text1 %s", qPrintable(key)) << "Text1" << key << "0.063850";
            QTest::addRow("Text4 %s", qPrintable(key)) << "Text4" << key << "0.025";
            QTest::addRow("Text8 %s", qPrintable(key)) << "Text8" << key << "40.000";
            QTest::addRow("Text18 %s", qPrintable(key)) << "Text18" << key << "0.01750";
            QTest::addRow("Text20 %s", qPrintable(key)) << "Text20" << key << " 40";
        }
    }

    void overtypingTheFirstCharacter() {
        QFETCH(QString, field);
        QFETCH(QString, key);
        QFETCH(QString, shown);
        typeOver(form->field(field), key);
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), 1);
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Tone), 1);
        QCOMPARE(form->field(field)->text(), shown);
        QCOMPARE(form->storedValue(field), form->valueOfText(field));
    }

    // A character that does not belong to the number disappears at once; at the start of the
    // field it leaves no number at all, which the stiffness refuses, once per keystroke.
    void strayCharacterDisappears_data() {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("messages");
        QTest::newRow("end") << 6 << 0;
        QTest::newRow("after point") << 3 << 0;
        QTest::newRow("start") << 0 << 2;
    }

    void strayCharacterDisappears() {
        QFETCH(int, caret);
        QFETCH(int, messages);
        QLineEdit* text8 = form->field("Text8");
        text8->setCursorPosition(caret);
        typeKeys(text8, "x");
        typeKeys(text8, "я");
        QCOMPARE(text8->text(), "40.000");
        QCOMPARE(form->e.k, 40.0);
        QCOMPARE(form->platform.count(PlatformEvent::Kind::Message), messages);
    }

    // Digit by digit in place: type the new digit, delete the old one, move on.
    void correctingDigitByDigit() {
        QLineEdit* text1 = form->field("Text1");
        text1->setCursorPosition(3);
        for (const char digit : {'7', '1', '2', '3', '4'}) {
            QTest::keyClick(text1, digit);
            QTest::keyClick(text1, Qt::Key_Delete);
        }
        QCOMPARE(text1->text(), "0.071234");
        QCOMPARE(form->e.m, 0.071234);
        QVERIFY(form->platform.events.isEmpty());
    }

    // Keys typed at a caret position (-1: over the whole text selected).
    void typingKeystrokeByKeystroke_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stiffness anew") << "Text8" << -1 << "12.5"
                                        << "12.500";
        QTest::newRow("stiffness, decimal comma") << "Text8" << -1 << "12,5"
                                                  << "12.500";
        QTest::newRow("viscosity mantissa") << "Text5" << -1 << "2"
                                            << "2.000e+00";
        QTest::newRow("viscosity exponent") << "Text5" << 9 << "4"
                                            << "1.004e-34";
        QTest::newRow("time anew") << "Text20" << -1 << "12"
                                   << " 12";
        QTest::newRow("velocity sign at the start") << "Text19" << 0 << "-"
                                                    << "-1.000";
        // A lone sign or a trailing point has no value of its own and disappears in the
        // rewrite: a sign goes in front of digits, a point of the general form between them.
        QTest::newRow("velocity sign first") << "Text19" << -1 << "-2"
                                             << "2.000";
        QTest::newRow("density trailing point") << "Text3" << -1 << "7.8"
                                                << " 78";
    }

    void typingKeystrokeByKeystroke() {
        QFETCH(QString, field);
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
        QLineEdit* text3 = form->field("Text3");
        typeOver(text3, "78");
        QCOMPARE(text3->text(), " 78");
        text3->setCursorPosition(2);
        typeKeys(text3, ".");
        QCOMPARE(text3->text(), " 7.8");
        QCOMPARE(form->e.ro, 7.8);
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

    void missingFieldsAreReported() {
        QWidget empty;
        ParameterFields fields(*form);
        QCOMPARE(fields.connectFields(&empty).size(), 12);
        fields.Text1_Change(); // no field: nothing happens
        QCOMPARE(form->redraws, 0);
    }
};

QTEST_MAIN(TestParameterFields)
#include "tst_parameter_fields.moc"
