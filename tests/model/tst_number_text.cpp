#include "model/number_text.h"

#include <QtTest>
#include <cfloat>
#include <clocale>
#include <cmath>

using trelvix::formatNumber;
using trelvix::generalNumber;
using trelvix::readNumber;
using trelvix::startsWithNumber;
using trelvix::withDecimalPoint;

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void decimalComma_data();
    void decimalComma();
    void readingIsAlwaysFinite_data();
    void readingIsAlwaysFinite();
    void patterns_data();
    void patterns();
    void decimalSeparatorOfPatterns();
    void general_data();
    void general();
    void generalOfSingle_data();
    void generalOfSingle();
    void displayedTextReadsBackAsItsValue_data();
    void displayedTextReadsBackAsItsValue();
    void unaffectedByRussianLocale();
};

void NumberTextTest::reading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << "40" << 40.0;
    QTest::newRow("decimals") << "0.063850" << 0.06385;
    QTest::newRow("comma ends the number") << "1,5" << 1.0;
    QTest::newRow("leading comma") << ",5" << 0.0;
    QTest::newRow("exponent") << "1e-3" << 0.001;
    QTest::newRow("capital exponent") << "2.5E+2" << 250.0;
    QTest::newRow("D exponent") << "1.5D2" << 150.0;
    QTest::newRow("small d exponent") << "3d-1" << 0.3;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("trailing garbage") << "12.5kg" << 12.5;
    QTest::newRow("second point") << "1.2.3" << 1.2;
    QTest::newRow("no leading zero") << ".5" << 0.5;
    QTest::newRow("negative fraction") << "-.25" << -0.25;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("blank inside digits") << " 1 2" << 12.0;
    QTest::newRow("tab and line feed") << "\t-1\n.5" << -1.5;
    QTest::newRow("blank after sign") << "- 3" << -3.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "2e+" << 2.0;
    QTest::newRow("hexadecimal") << "&H1F" << 31.0;
    QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O178" << 15.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other letter") << "&X12" << 0.0;
    QTest::newRow("overflow") << "1e999" << DBL_MAX;
    QTest::newRow("negative overflow") << "-1e999" << -DBL_MAX;
    QTest::newRow("overflow by digits") << ("1" + QString(400, '0')) << DBL_MAX;
    QTest::newRow("just above the range") << "1.8e308" << DBL_MAX;
    QTest::newRow("largest double") << "1.7976931348623157e308" << DBL_MAX;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("subnormal keeps its value") << "1e-310" << 1e-310;
    QTest::newRow("smallest subnormal") << "-4.9406564584124654e-324" << -4.9406564584124654e-324;
    QTest::newRow("below the smallest subnormal") << "2e-324" << 0.0;
    QTest::newRow("huge exponent digits") << "5e99999999999999999999" << DBL_MAX;
    QTest::newRow("zeros before a big exponent") << "0.000e999" << 0.0;
    QTest::newRow("leading zeros in fraction") << "0.0001e4" << 1.0;
}

void NumberTextTest::reading() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(readNumber(text.toStdString()), value);
}

void NumberTextTest::decimalComma_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("isNumber");
    QTest::newRow("between digits") << "4,5" << 4.5 << true;
    QTest::newRow("second comma ends it") << "1,5,3" << 1.5 << true;
    QTest::newRow("before a blank") << "1, 5" << 1.0 << true;
    QTest::newRow("leading comma") << ",5" << 0.0 << false;
    QTest::newRow("letters") << "abc" << 0.0 << false;
    QTest::newRow("ampersand without digits") << "&H" << 0.0 << false;
}

// Files, options and the range fields take a decimal comma between digits; the parameter fields
// (readNumber alone) do not, as the table above keeps.
void NumberTextTest::decimalComma() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, isNumber);
    QCOMPARE(readNumber(withDecimalPoint(text.toStdString())), value);
    QCOMPARE(startsWithNumber(text.toStdString()), isNumber);
}

void NumberTextTest::readingIsAlwaysFinite_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("long hexadecimal") << ("&H" + QString(400, 'F'));
    QTest::newRow("long fraction") << ("0." + QString(5000, '9'));
    QTest::newRow("long exponent chain") << "9.9e308e308";
    QTest::newRow("nan letters") << "nan";
    QTest::newRow("inf letters") << "inf";
    QTest::newRow("infinity sign") << "-infinity";
}

void NumberTextTest::readingIsAlwaysFinite() {
    QFETCH(QString, text);
    QVERIFY(std::isfinite(readNumber(text.toStdString())));
}

void NumberTextTest::patterns_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    QTest::newRow("mass") << 0.06385 << "0.000000"
                          << "0.063850";
    QTest::newRow("mass seven decimals") << 0.0638547 << "0.000000"
                                         << "0.063855";
    QTest::newRow("stiffness") << 40.0 << "0.000"
                               << "40.000";
    QTest::newRow("diameter") << 0.025 << "0.000"
                              << "0.025";
    QTest::newRow("amplitude") << 0.005 << "0.0000"
                               << "0.0050";
    QTest::newRow("start coordinate") << 0.25 << "0.00000"
                                      << "0.25000";
    QTest::newRow("half rounds away from zero") << 0.0625 << "0.000"
                                                << "0.063";
    QTest::newRow("negative half") << -0.0625 << "0.000"
                                   << "-0.063";
    QTest::newRow("carry into integer") << 9.9996 << "0.000"
                                        << "10.000";
    QTest::newRow("tiny rounds to zero") << 0.0004 << "0.000"
                                         << "0.000";
    QTest::newRow("negative tiny has no sign") << -0.0004 << "0.000"
                                               << "0.000";
    QTest::newRow("rounds up from below place") << 0.0006 << "0.000"
                                                << "0.001";
    QTest::newRow("just a half below place") << 0.0005 << "0.000"
                                             << "0.001";
    QTest::newRow("zero") << 0.0 << "0.000"
                          << "0.000";
    QTest::newRow("negative zero") << -0.0 << "0.000"
                                   << "0.000";
    QTest::newRow("large") << 123456789.0 << "0.000"
                           << "123456789.000";
    QTest::newRow("huge") << 1e20 << "0.0000"
                          << "100000000000000000000.0000";
    QTest::newRow("hash pattern") << 0.5 << "#0.000"
                                  << "0.500";
    QTest::newRow("hash negative") << -12.34567 << "#0.0000"
                                   << "-12.3457";
    QTest::newRow("viscosity") << 0.001004 << "0.000e+00"
                               << "1.004e-03";
    QTest::newRow("small e zero") << 0.0 << "0.000e+00"
                                  << "0.000e+00";
    QTest::newRow("small e negative") << -2.5e-7 << "0.000e+00"
                                      << "-2.500e-07";
    QTest::newRow("small e large") << 6.02e23 << "0.0000e+00"
                                   << "6.0200e+23";
    QTest::newRow("three exponent digits") << 1.5e-300 << "0.0000e+00"
                                           << "1.5000e-300";
    QTest::newRow("five decimals e") << 0.17615833250635218 << "0.00000e+00"
                                     << "1.76158e-01";
    QTest::newRow("capital E") << 7804.449113383295 << "0.000E+00"
                               << "7.804E+03";
    QTest::newRow("capital E carry") << 9.9996 << "0.000E+00"
                                     << "1.000E+01";
    QTest::newRow("capital E carry down") << 0.099996 << "0.000E+00"
                                          << "1.000E-01";
    QTest::newRow("capital E four decimals") << 3.9835445102048017 << "0.0000E+00"
                                             << "3.9835E+00";
    QTest::newRow("capital E zero") << 0.0 << "0.0000E+00"
                                    << "0.0000E+00";
    QTest::newRow("largest double") << DBL_MAX << "0.000E+00"
                                    << "1.798E+308";
    // Its shortest text is 5E-324.
    QTest::newRow("smallest double") << 4.9406564584124654e-324 << "0.000E+00"
                                     << "5.000E-324";
    QTest::newRow("whole with blank") << 2.0 << " 0"
                                      << " 2";
    QTest::newRow("whole rounding") << 5.5 << " 0"
                                    << " 6";
    QTest::newRow("whole negative") << -4.0 << " 0"
                                    << "- 4";
    QTest::newRow("infinity") << HUGE_VAL << "0.000"
                              << "oo";
    QTest::newRow("negative infinity") << -HUGE_VAL << "0.000E+00"
                                       << "-oo";
    QTest::newRow("nan") << std::nan("") << "0.000"
                         << "?";
}

void NumberTextTest::patterns() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatNumber(value, pattern.toStdString())), text);
}

void NumberTextTest::decimalSeparatorOfPatterns() {
    QCOMPARE(formatNumber(0.5, "#0.000", ","), std::string("0,500"));
    QCOMPARE(formatNumber(7804.449, "0.000E+00", ","), std::string("7,804E+03"));
    QCOMPARE(formatNumber(-1.25e-5, "0.0000e+00", ","), std::string("-1,2500e-05"));
    QCOMPARE(formatNumber(3.0, " 0", ","), std::string(" 3"));
}

void NumberTextTest::general_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("thousand") << 1000.0 << " 1000";
    QTest::newRow("half") << 0.5 << " .5";
    QTest::newRow("six") << 6.0 << " 6";
    QTest::newRow("two and a half") << 2.5 << " 2.5";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("negative fraction") << -0.125 << "-.125";
    QTest::newRow("smallest positional") << 0.0001 << " .0001";
    QTest::newRow("first exponent form below") << 0.00001 << " 1E-05";
    QTest::newRow("fifteen digits") << 123456789012345.0 << " 123456789012345";
    QTest::newRow("first exponent form above") << 1e15 << " 1E+15";
    QTest::newRow("exponent with decimals") << 1.5e20 << " 1.5E+20";
    QTest::newRow("sixteen digits round") << 1234567890123456.0 << " 1.23456789012346E+15";
    QTest::newRow("rounds to fifteen") << 0.1234567890123456 << " .123456789012346";
    QTest::newRow("third") << 1.0 / 3.0 << " .333333333333333";
    QTest::newRow("carry to next power") << 99999.99999999999 << " 100000";
    QTest::newRow("largest double") << DBL_MAX << " 1.79769313486232E+308";
    QTest::newRow("three exponent digits") << -2.5e-100 << "-2.5E-100";
}

void NumberTextTest::general() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(generalNumber(value)), text);
}

void NumberTextTest::generalOfSingle_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("six") << 6.0F << " 6";
    QTest::newRow("forty") << 40.0F << " 40";
    QTest::newRow("tenth is not widened") << 0.1F << " .1";
    QTest::newRow("seven digits") << 1234567.0F << " 1234567";
    QTest::newRow("first exponent form") << 1e7F << " 1E+07";
    QTest::newRow("rounded to seven") << 3.14159265F << " 3.141593";
    // 7.64443445205…, whose shortest text 7.6444345 would round up a second time.
    QTest::newRow("rounded once") << 7.6444344F << " 7.644434";
    // FLT_MAX is 3.40282346…E+38; its shortest text 3.4028235E+38 must not round a second time.
    QTest::newRow("largest float") << FLT_MAX << " 3.402823E+38";
}

void NumberTextTest::generalOfSingle() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(generalNumber(value)), text);
}

// A field shows its value in its display form and must store exactly the value of what it shows:
// formatting the read-back value again must give the same text.
void NumberTextTest::displayedTextReadsBackAsItsValue_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    const char* patterns[] = {"0.000000", "0.00000", "0.0000", "0.000", "0.000e+00"};
    const double values[] = {0.06385, 1e-12, -3.14159, 12345.6789, 9.99999999, 5e300, -7.5e-8};
    for (const char* p : patterns)
        for (double v : values)
            QTest::addRow("%s %g", p, v) << v << QString(p);
}

void NumberTextTest::displayedTextReadsBackAsItsValue() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    const std::string shown = formatNumber(value, pattern.toStdString());
    const double stored = readNumber(shown);
    QCOMPARE(formatNumber(stored, pattern.toStdString()), shown);
    const std::string general = generalNumber(value);
    QCOMPARE(generalNumber(readNumber(general)), general);
}

// Reading and writing must not change once the program has switched to a Russian locale.
void NumberTextTest::unaffectedByRussianLocale() {
    const char* russian = std::setlocale(LC_ALL, "ru_RU.UTF-8");
    if (!russian) russian = std::setlocale(LC_ALL, "ru_RU");
    QCOMPARE(readNumber("1.5"), 1.5);
    QCOMPARE(readNumber("1,5"), 1.0);
    QCOMPARE(formatNumber(0.5, "0.000"), std::string("0.500"));
    QCOMPARE(generalNumber(2.5), std::string(" 2.5"));
    std::setlocale(LC_ALL, "C");
    if (!russian) QSKIP("no Russian locale installed; the locale-free reading was checked in C");
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_number_text.moc"
