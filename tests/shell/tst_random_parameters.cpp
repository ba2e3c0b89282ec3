// Thousands of random experiments typed into the fields of the real main window, each redrawn
// and then run for a few steps drawn on the window's own panels.  Ordinary values, zeros, negatives
// and values at the very edges of what the fields read all go in: nothing may crash or stall,
// and no NaN or infinity may reach a result caption, a line of the results file or a point the
// run draws.

#include "graphics/run_step.h"
#include "graphics/scene.h"
#include "graphics/yx_plane.h"
#include "model/characteristics.h"
#include "model/number_text.h"
#include "model/results_file.h"
#include "model/run.h"
#include "recording_platform.h"
#include "shell/main_window/main_window.h"
#include "step_lines.h"

#include <QtTest>
#include <QtWidgets>
#include <cmath>

using namespace trelvix;

namespace {

constexpr int experimentCount = 2000;
// Enough steps for a few animation frames and a stretch of every trace, few enough that the
// largest computation times cannot stall the suite.
constexpr int stepsPerRun = 40;

// Texts at the edges of what the fields read: beyond the range of double either way, the
// smallest subnormal, the single-precision limit of the computation time, whole numbers in
// hexadecimal.
const QStringList edgeTexts{"1e308",  "-1e308", "1e999", "-1e999",     "4.9e-324", "-4.9e-324",
                            "1e-999", "3.5e38", "1e30",  "&H7FFFFFFF", "-&HFFFF",  "1e-30"};

double uniform(QRandomGenerator& rng, double lowest, double highest) {
    return lowest + rng.bounded(highest - lowest);
}

// What a student, or a student trying to break the program, might type into a field that
// started at `initial`.
QString randomEntry(QRandomGenerator& rng, double initial) {
    switch (rng.bounded(6)) {
    case 0:
        return "0";
    case 1:
        return edgeTexts[rng.bounded(int(edgeTexts.size()))];
    case 2: { // anywhere in the range of double, either sign
        const double sign = rng.bounded(2) ? -1 : 1;
        return QString::number(sign * std::pow(10.0, uniform(rng, -320, 308)), 'g', 17);
    }
    default: { // within two orders of magnitude of the starting value, now and then negative
        const double sign = rng.bounded(4) == 0 ? -1 : 1;
        const double start = initial != 0 ? initial : 1;
        return QString::number(sign * start * std::pow(10.0, uniform(rng, -2, 2)), 'g', 6);
    }
    }
}

// The twelve fields in the order of the inputs.
QList<QLineEdit*> parameterFields(const MainControls& c) {
    return {c.fields.begin(), c.fields.end()};
}

// The fifteen result captions.
QList<QLabel*> resultCaptions(const MainWindow& window) {
    const auto& results = window.controls().results;
    return QList<QLabel*>(results.begin(), results.end());
}

// A caption may name an infinite value only as a limit ("Tv -> oo", "Xg -> -oo"); a number
// written from an infinity shows "oo" without the arrow, one from a NaN shows "?".
bool showsNonFinite(QString text) {
    text.remove("-> oo").remove("-> -oo");
    return text.contains("oo") || text.contains('?') || text.contains("nan", Qt::CaseInsensitive) ||
           text.contains("inf", Qt::CaseInsensitive);
}

} // namespace

class RandomParametersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomExperimentsStayFinite();
    void cleanupTestCase();

private:
    void enterRandomExperiment(QRandomGenerator& rng);
    QString describe() const;
    void verifyCaptions();
    void runBriefly();
    void verifyDrawnStep(const RunState& s, double Xg);
    void verifyResultLines();

    QTemporaryDir workDir_;
    RecordingPlatform platform_;
    std::unique_ptr<MainWindow> window_;
    QList<double> initialValues_;
    std::unique_ptr<ResultsFile> results_;
};

void RandomParametersTest::initTestCase() {
    QVERIFY(workDir_.isValid());
    results_ = std::make_unique<ResultsFile>(workDir_.filePath("steps.txt").toStdString());
    window_ = std::make_unique<MainWindow>(platform_.platform());
    window_->resize(700, 560); // small panels: the redraws of two thousand experiments add up
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    for (const QLineEdit* field : parameterFields(window_->controls()))
        initialValues_ << readNumber(field->text().toStdString());
    QCOMPARE(resultCaptions(*window_).size(), 15);
}

void RandomParametersTest::randomExperimentsStayFinite() {
    QRandomGenerator rng(20261207u);
    int runs = 0;
    for (int i = 0; i < experimentCount; ++i) {
        enterRandomExperiment(rng); // every edit the field accepts redraws the whole window
        verifyCaptions();
        if (canRun(window_->experiment().inputs, window_->experiment().derived)) {
            runBriefly();
            ++runs;
        }
        if (QTest::currentTestFailed()) return;
        platform_.clear(); // refusals and warnings are the business of the entry tests
    }
    // The mix must exercise the run too, not only the refusal of impossible experiments.
    QVERIFY2(runs > experimentCount / 4, qPrintable(QString::number(runs)));
}

// Each field gets a new text with probability 1/3, so that extreme values meet ordinary ones in
// every combination while the experiments still differ from one another.
void RandomParametersTest::enterRandomExperiment(QRandomGenerator& rng) {
    const QList<QLineEdit*> fields = parameterFields(window_->controls());
    for (int f = 0; f < fields.size(); ++f) {
        if (rng.bounded(3) != 0) continue;
        fields[f]->selectAll();
        fields[f]->insert(randomEntry(rng, initialValues_[f]));
    }
}

QString RandomParametersTest::describe() const {
    QStringList texts;
    for (const QLineEdit* field : parameterFields(window_->controls()))
        texts << field->objectName() + "=" + field->text();
    return texts.join(' ');
}

void RandomParametersTest::verifyCaptions() {
    for (const QLabel* caption : resultCaptions(*window_))
        QVERIFY2(
            !showsNonFinite(caption->text()),
            qPrintable(caption->objectName() + " '" + caption->text() + "' for " + describe()));
}

// The run loop of the window without its pauses, bounded in steps: each step that the window
// would draw is drawn on its panels and written to a results file.
void RandomParametersTest::runBriefly() {
    const Experiment& e = window_->experiment();
    const double Xg = e.derived.Xg;
    std::optional<RunDriver> run = RunDriver::begin(e.inputs, e.derived);
    QVERIFY2(run, qPrintable(describe()));
    const std::array<HeaderRow, allInputs.size()> blankHeader{}; // twelve lines, as the window's
    QVERIFY(results_->create(blankHeader));
    graphics::Surfaces surfaces = window_->surfaces();
    for (int step = 0; step < stepsPerRun && run->goesOn(); ++step) {
        const StepReport report = run->step();
        if (report.outcome == StepOutcome::NonFinite) break; // the window stops without drawing
        const RunState& s = run->state();
        verifyDrawnStep(s, Xg);
        if (QTest::currentTestFailed()) return;
        graphics::drawRunStep(s, Xg, surfaces);
        if (report.drawsFrame) graphics::repaintScene(e, s, surfaces, window_->placement().plots);
        QVERIFY(results_->writeStep(s, Xg, "."));
    }
    QVERIFY(results_->close());
    verifyResultLines();
}

void RandomParametersTest::verifyDrawnStep(const RunState& s, double Xg) {
    const double drawn[] = {s.t,
                            s.X,
                            s.X - Xg,
                            s.Vx,
                            s.W,
                            graphics::wheelCentre.x() + s.crankX,
                            graphics::wheelCentre.y() + s.crankY};
    for (double v : drawn)
        QVERIFY2(std::isfinite(v),
                 qPrintable("t = " + QString::number(s.t) + " for " + describe()));
}

void RandomParametersTest::verifyResultLines() {
    QFile file(QString::fromStdString(results_->path()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const CrlfLines text = splitCrlf(file.readAll());
    QVERIFY(text.lastLineWhole);
    for (qsizetype i = headerLineCount; i < text.lines.size(); ++i)
        QVERIFY2(isStepLine(text.lines[i]),
                 qPrintable("'" + QString::fromLatin1(text.lines[i]) + "' for " + describe()));
}

void RandomParametersTest::cleanupTestCase() {
    window_.reset();
}

QTEST_MAIN(RandomParametersTest)
#include "tst_random_parameters.moc"
