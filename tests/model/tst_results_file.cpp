#include "../support/file_size_limit.h"
#include "model/cp1251.h"
#include "model/experiment.h"
#include "model/number_text.h"
#include "model/results_file.h"
#include "model/run.h"

#include <QtTest>
#include <cerrno>
#include <cstring>

using namespace trelvix;

namespace {

// The header rows of the window right after start-up: the caption of each parameter row (a
// fixed key for the density, viscosity and frequency) and the text of its field.
std::array<HeaderRow, allInputs.size()> initialTexts() {
    return {{{"m (кг) =", "0.063850"},
             {"d (м) =", "0.025"},
             {"с = ", "0.500"},
             {"k (Н/м) =", "40.000"},
             {"Lo (м) =", "0.150"},
             {"ro(кг/м3)=", " 1000"},
             {"h(Па·с)=", "1.004e-03"},
             {"Хm (м) =", "0.0050"},
             {"nu(Гц)=", "4.5000"},
             {"Хo (м) =", "0.25000"},
             {"Voх (м/с)=", "1.000"},
             {"Т (с) =", " 6"}}};
}

// The header for those texts, as CP1251 bytes with CR LF line ends.
const QByteArray initialHeader =
    "    \xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0\xFB\r\n"
    "m (\xEA\xE3) =      0.063850\r\n"
    "d (\xEC) =       0.025\r\n"
    "\xF1 =           0.500\r\n"
    "k (\xCD/\xEC) =     40.000\r\n"
    "Lo (\xEC) =      0.150\r\n"
    "ro(\xEA\xE3/\xEC"
    "3)=     1000\r\n"
    "h(\xCF\xE0\xB7\xF1)=      1.004e-03\r\n"
    "\xD5m (\xEC) =      0.0050\r\n"
    "nu(\xC3\xF6)=       4.5000\r\n"
    "\xD5o (\xEC) =      0.25000\r\n"
    "Vo\xF5 (\xEC/\xF1)=    1.000\r\n"
    "\xD2 (\xF1) =        6\r\n"
    "    \xF0\xE0\xF1\xF7\xB8\xF2\r\n"
    "    t,c         X-Xg, \xEC       Vx, \xEC/\xF1       W, \xC4\xE6\r\n";

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QList<QByteArray> dataLinesOf(const QString& path) {
    QList<QByteArray> lines = contentsOf(path).split('\n');
    lines.removeLast(); // after the last line end
    return lines.mid(15);
}

} // namespace

class ResultsFileTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup() { QFile::remove(path()); }

    void cp1251_data();
    void cp1251();
    void headerByteForByte();
    void printZones_data();
    void printZones();
    void dataLine_data();
    void dataLine();
    void shortRun();
    void eachLineReachesTheFileAtOnce();
    void turningOnAgainStartsAfresh();
    void cannotCreate_data();
    void cannotCreate();
    void diskFullDuringRun();
    void writingWithoutFile();

private:
    QString path(const char* name = "trelvix_out.txt") const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void ResultsFileTest::cp1251_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("ASCII") << QByteArray("t,c X-Xg 0.5e+00") << QByteArray("t,c X-Xg 0.5e+00");
    QTest::newRow("first and last letters") << QByteArray("АЯая") << QByteArray("\xC0\xDF\xE0\xFF");
    QTest::newRow("yo") << QByteArray("Ёё") << QByteArray("\xA8\xB8");
    QTest::newRow("middle dot") << QByteArray("Па·с") << QByteArray("\xCF\xE0\xB7\xF1");
    QTest::newRow("punctuation of the code page")
        << QByteArray("№ – €") << QByteArray("\xB9 \x96 \x88");
    QTest::newRow("Greek is not in the code page") << QByteArray("ωρ") << QByteArray("??");
    QTest::newRow("beyond the basic plane") << QByteArray("a\xF0\x9F\x99\x82"
                                                          "b")
                                            << QByteArray("a?b");
    QTest::newRow("stray continuation byte") << QByteArray("a\x80"
                                                           "b")
                                             << QByteArray("a?b");
    QTest::newRow("cut-off sequence") << QByteArray("a\xD0") << QByteArray("a?");
    QTest::newRow("overlong slashes") << QByteArray("\xC0\xAF\xE0\x80\xAF") << QByteArray("?????");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("???");
}

void ResultsFileTest::cp1251() {
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(toCp1251(utf8.toStdString())), expected);
}

void ResultsFileTest::headerByteForByte() {
    ResultsFile file(path().toStdString());
    QVERIFY(file.create(initialTexts()));
    QVERIFY(file.isOpen());
    QCOMPARE(contentsOf(path()), initialHeader);
}

void ResultsFileTest::printZones_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("textColumn");
    QTest::newRow("short caption") << "m =" << 15;
    QTest::newRow("13 characters") << "m (кг)  =    " << 15;
    // An item that fills its zone exactly ends before the next zone start.
    QTest::newRow("14 characters") << "m (кг)  =     " << 15;
    QTest::newRow("15 characters") << "m (кг)  =      " << 29;
    QTest::newRow("30 characters") << QString(30, QChar(0x0416)) << 43;
}

void ResultsFileTest::printZones() {
    QFETCH(QString, caption);
    QFETCH(int, textColumn);
    std::array<HeaderRow, allInputs.size()> t = initialTexts();
    t[0].key = caption.toStdString();
    ResultsFile file(path().toStdString());
    QVERIFY(file.create(t));
    const QList<QByteArray> lines = contentsOf(path()).split('\n');
    QVERIFY(lines.size() > 1);
    const QByteArray& line = lines[1];
    QCOMPARE(line.indexOf("0.063850"), textColumn - 1);
    QCOMPARE(line.left(caption.size()), QByteArray::fromStdString(toCp1251(t[0].key)));
    QCOMPARE(line.mid(caption.size(), textColumn - 1 - caption.size()),
             QByteArray(textColumn - 1 - caption.size(), ' '));
}

void ResultsFileTest::dataLine_data() {
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Xg");
    QTest::addColumn<double>("Vx");
    QTest::addColumn<float>("W");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("decimal comma")
        << 0.01 << 0.16 << 0.1723456 << 1.23456e-5 << 3.5F << ","
        << QByteArray("1,0000e-02    -1,2346e-02   1,2346e-05    3,5000e+00\r\n");
    QTest::newRow("decimal point")
        << 0.01 << 0.16 << 0.1723456 << 1.23456e-5 << 3.5F << "."
        << QByteArray("1.0000e-02    -1.2346e-02   1.2346e-05    3.5000e+00\r\n");
    QTest::newRow("at equilibrium, three exponent digits")
        << 1234.5 << 0.176 << 0.176 << -2.5e-120 << 0.0F << ","
        << QByteArray("1,2345e+03    0,0000e+00    -2,5000e-120  0,0000e+00\r\n");
}

void ResultsFileTest::dataLine() {
    QFETCH(double, t);
    QFETCH(double, X);
    QFETCH(double, Xg);
    QFETCH(double, Vx);
    QFETCH(float, W);
    QFETCH(QString, separator);
    QFETCH(QByteArray, line);
    RunState s;
    s.t = t;
    s.X = X;
    s.Vx = Vx;
    s.W = W;
    ResultsFile file(path().toStdString());
    QVERIFY(file.create(initialTexts()));
    QVERIFY(file.writeStep(s, Xg, separator.toStdString()));
    QCOMPARE(contentsOf(path()), initialHeader + line);
}

// Header, then one line per step of the run that follows, the first one after the first step.
void ResultsFileTest::shortRun() {
    Experiment e;
    e.inputs.T = 0.01F; // three steps of (1/4.5)/50 s
    e.derive();
    ResultsFile file(path().toStdString());
    QVERIFY(file.create(initialTexts()));
    std::optional<RunDriver> run = RunDriver::begin(e.inputs, e.derived);
    while (run->goesOn()) {
        run->step();
        QVERIFY(file.writeStep(run->state(), e.derived.Xg, ","));
    }
    QVERIFY(file.close());
    QVERIFY(!file.isOpen());

    QVERIFY(contentsOf(path()).startsWith(initialHeader));
    const QList<QByteArray> lines = dataLinesOf(path());
    QCOMPARE(lines.size(), 3);
    const QList<QByteArray> times = {"4,4444e-03 ", "8,8889e-03 ", "1,3333e-02 "};
    const QRegularExpression layout(R"(^(-?\d,\d{4}e[+-]\d\d +){3}-?\d,\d{4}e[+-]\d\d\r$)");
    for (int i = 0; i < 3; ++i) {
        QVERIFY(lines[i].startsWith(times[i]));
        QVERIFY2(layout.match(QString::fromLatin1(lines[i])).hasMatch(), lines[i].constData());
        for (int zone : {14, 28, 42})
            QVERIFY(lines[i][zone - 1] == ' ' && lines[i][zone] != ' ');
    }
}

// A program killed in the middle of a run must leave every line written so far.
void ResultsFileTest::eachLineReachesTheFileAtOnce() {
    const Experiment e;
    ResultsFile file(path().toStdString());
    QVERIFY(file.create(initialTexts()));
    QCOMPARE(contentsOf(path()), initialHeader);
    std::optional<RunDriver> run = RunDriver::begin(e.inputs, e.derived);
    for (int step = 1; step <= 3; ++step) {
        run->step();
        QVERIFY(file.writeStep(run->state(), e.derived.Xg, "."));
        QCOMPARE(dataLinesOf(path()).size(), step);
    }
}

// The box turned off and on again before a run: one new file with the texts of the second time.
void ResultsFileTest::turningOnAgainStartsAfresh() {
    const double Xg = Experiment{}.derived.Xg;
    const RunState start;
    ResultsFile file(path().toStdString());
    QVERIFY(file.create(initialTexts()));
    QVERIFY(file.writeStep(start, Xg, "."));
    std::array<HeaderRow, allInputs.size()> changed = initialTexts();
    changed[0].text = "0.100000";
    QVERIFY(file.create(changed));
    QVERIFY(file.isOpen());
    QByteArray expected = initialHeader;
    expected.replace("0.063850", "0.100000");
    QCOMPARE(contentsOf(path()), expected);
    QVERIFY(file.writeStep(start, Xg, "."));
    QCOMPARE(dataLinesOf(path()).size(), 1);
}

void ResultsFileTest::cannotCreate_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("error");
    QTest::newRow("directory missing") << "missing/trelvix_out.txt" << ENOENT;
    QTest::newRow("name taken by a directory") << "" << EISDIR;
    QTest::newRow("disk full") << "/dev/full" << ENOSPC;
}

void ResultsFileTest::cannotCreate() {
    QFETCH(QString, where);
    QFETCH(int, error);
    const QString target = where.startsWith('/') ? where : dir_.filePath(where);
    ResultsFile file(target.toStdString());
    const FileStatus status = file.create(initialTexts());
    QVERIFY(!status);
    QCOMPARE(QString::fromStdString(status.reason), QString::fromLocal8Bit(std::strerror(error)));
    QVERIFY(!file.isOpen());
}

// The disk fills up after the header and two data lines: the third line fails with the
// system's reason, the file is closed, and what was written stays.
void ResultsFileTest::diskFullDuringRun() {
    const Experiment e;
    const double Xg = e.derived.Xg;
    std::optional<RunDriver> run = RunDriver::begin(e.inputs, e.derived);
    ResultsFile file(path().toStdString());
    const qsizetype dataLineLength = 56;
    FileSizeLimit limit(initialHeader.size() + 2 * dataLineLength + 5);
    QVERIFY(file.create(initialTexts()));
    for (int step = 1; step <= 2; ++step) {
        run->step();
        QVERIFY(file.writeStep(run->state(), Xg, "."));
    }
    run->step();
    const FileStatus full = file.writeStep(run->state(), Xg, ".");
    QVERIFY(!full);
    QCOMPARE(QString::fromStdString(full.reason), QString::fromLocal8Bit(std::strerror(EFBIG)));
    QVERIFY(!file.isOpen());
    QVERIFY(!file.writeStep(run->state(), Xg, "."));

    const QByteArray written = contentsOf(path());
    QCOMPARE(written.size(), initialHeader.size() + 2 * dataLineLength + 5);
    QCOMPARE(written.mid(initialHeader.size()).count("\r\n"), 2);
}

void ResultsFileTest::writingWithoutFile() {
    ResultsFile file(path().toStdString());
    const FileStatus status = file.writeStep(RunState{}, 0, ",");
    QVERIFY(!status);
    QVERIFY(!status.reason.empty());
    QVERIFY(file.close());
    QVERIFY(!QFile::exists(path()));
}

QTEST_GUILESS_MAIN(ResultsFileTest)
#include "tst_results_file.moc"
