// The resonance window as the student uses it: Ctrl+R in the main window, the curve computed on
// worker threads for the current parameters, refusals, a click at the peak that offers its
// frequency to the field, and a cancelled sweep.

#include "graphics/style.h"
#include "model/number_text.h"
#include "recording_platform.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"
#include "shell/resonance/resonance_setup.h"
#include "shell/resonance/resonance_texts.h"
#include "shell/resonance/resonance_window.h"
#include "shell/widgets/picture_box.h"
#include "test_files.h"
#include "window_fixture.h"

#include <QtTest>
#include <QtWidgets>
#include <atomic>
#include <latch>

using namespace trelvix;

namespace {

void enter(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

QLineEdit* rangeField(ResonanceWindow* w, const char* name) {
    return w->findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton* windowButton(ResonanceWindow* w, const char* name) {
    return w->findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class ResonanceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void ctrlROpensTheCurveOfTheCurrentParameters();
    void badRangesAreRefused_data();
    void badRangesAreRefused();
    void onlyWhatTheCurveDependsOnRefusesIt_data();
    void onlyWhatTheCurveDependsOnRefusesIt();
    void millionPointsCancelWhileThePanelsPaint();
    void clickAtThePeakOffersItsFrequency();
    void cancelKeepsThePointsComputedSoFar();
    void aSweepGoesOnThroughALanguageSwitch();
    void cleanup();

private:
    ResonanceWindow* openCurve();

    WindowFixture fixture_;
    std::unique_ptr<RecordingPlatform>& platform_ = fixture_.platform;
    std::unique_ptr<MainWindow>& window_ = fixture_.window;
};

void ResonanceWindowTest::init() {
    QVERIFY(fixture_.open(true));
}

void ResonanceWindowTest::cleanup() {
    if (platform_) QVERIFY(platform_->languages.use("ru"));
    window_.reset();
    platform_.reset();
}

// Ctrl+R, then the curve once the sweep has ended.
ResonanceWindow* ResonanceWindowTest::openCurve() {
    QTest::keyClick(window_.get(), Qt::Key_R, Qt::ControlModifier);
    ResonanceWindow* curve = window_->resonanceWindow();
    if (!curve) return nullptr;
    if (!QTest::qWaitFor([&] { return !curve->sweeper().busy(); }, 10000)) return nullptr;
    QCoreApplication::processEvents(); // the queued redraw after the panels took their size
    return curve;
}

// A stiffer spring doubles ν0: the curve spans half to one and a half times it, and its peak
// lies at the new resonance.  Both plots show the computed curve and the linear theory.
void ResonanceWindowTest::ctrlROpensTheCurveOfTheCurrentParameters() {
    enter(window_->controls().field(Input::k), "160");
    const Characteristics& derived = window_->experiment().derived;
    ResonanceWindow* curve = openCurve();
    QVERIFY(curve && curve->isVisible());
    const FrequencyRange range = defaultResonanceRange(derived);
    QVERIFY(qAbs(curve->curve().from - range.from) < 1e-4);
    QVERIFY(curve->curve().points.size() >= std::size_t(defaultResonancePoints));
    QVERIFY(!curve->lastSweepCancelled());
    const ResonancePoint* peak = peakPoint(curve->curve().points);
    QVERIFY(peak && qAbs(peak->nu - derived.nu_r) < 0.01 * derived.nu_r);
    for (PictureBox* panel : {curve->amplitudePanel(), curve->phasePanel()}) {
        QVERIFY(pixelsOf(panel->image(), graphics::traceColour) > 100);
        QVERIFY(pixelsOf(panel->image(), graphics::axisColour) > 100);
    }
    QVERIFY(platform_->log().isEmpty());
}

void ResonanceWindowTest::badRangesAreRefused_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("message");
    QTest::newRow("zero frequency")
        << "0"
        << "6"
        << "50" << resonanceProblemMessage(InputProblem::NonPositiveFrequency);
    QTest::newRow("from above to") << "6"
                                   << "2"
                                   << "50" << resonanceProblemMessage(InputProblem::EmptyRange);
    QTest::newRow("one point") << "2"
                               << "6"
                               << "1" << resonanceProblemMessage(InputProblem::TooFewPoints);
    QTest::newRow("points not whole") << "2"
                                      << "6"
                                      << "2.5" << texts::resonanceWholePoints();
    // The range fields take a decimal comma between digits, which the parameter fields do not.
    QTest::newRow("decimal comma") << "2"
                                   << "6"
                                   << "2,5" << texts::resonanceWholePoints();
}

// The message with the tone; the curve of the last good range stays and nothing is computed.
void ResonanceWindowTest::badRangesAreRefused() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, points);
    QFETCH(QString, message);
    ResonanceWindow* curve = openCurve();
    QVERIFY(curve);
    const std::size_t before = curve->curve().points.size();
    enter(rangeField(curve, "resonanceFrom"), from);
    enter(rangeField(curve, "resonanceTo"), to);
    enter(rangeField(curve, "resonancePoints"), points);
    windowButton(curve, "resonanceCompute")->click();
    QCOMPARE(platform_->log(), (QStringList{"tone 25", texts::errorTitle() + ": " + message}));
    QVERIFY(!curve->sweeper().busy());
    QCOMPARE(curve->sweeper().pointsDone(), int(before)); // no sweep started since
    QCOMPARE(curve->curve().points.size(), before);
}

void ResonanceWindowTest::onlyWhatTheCurveDependsOnRefusesIt_data() {
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal"); // empty: the curve is computed
    // A run could not start with these, but the steady state does not depend on them.
    QTest::newRow("time too long to step through") << Input::T << "1e30" << QString();
    QTest::newRow("start too far to estimate") << Input::X0 << "1e308" << QString();
    QTest::newRow("a spring too stiff for a finite ω0")
        << Input::k << "1.7e308" << resonanceProblemMessage(InputProblem::NonFiniteCoefficient);
}

void ResonanceWindowTest::onlyWhatTheCurveDependsOnRefusesIt() {
    QFETCH(Input, input);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    ResonanceWindow* curve = openCurve();
    QVERIFY(curve);
    enter(window_->controls().field(input), text);
    QVERIFY(platform_->log().isEmpty()); // the field took the value
    QVERIFY(!canRun(window_->experiment().inputs, window_->experiment().derived));
    platform_->clear();
    windowButton(curve, "resonanceCompute")->click();
    if (!refusal.isEmpty()) {
        QCOMPARE(platform_->log(), (QStringList{"tone 25", texts::errorTitle() + ": " + refusal}));
        QVERIFY(!curve->sweeper().busy());
        return;
    }
    QVERIFY(platform_->log().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!curve->sweeper().busy(), 10000);
    QVERIFY(peakPoint(curve->curve().points));
}

// A million points: the panels paint the points streamed so far while the sweep's own pool
// computes (Qt's global pool stays free), and a cancel ends it with no more points than were
// in progress on its threads at that moment.
void ResonanceWindowTest::millionPointsCancelWhileThePanelsPaint() {
    ResonanceWindow* curve = openCurve();
    QVERIFY(curve);
    enter(rangeField(curve, "resonancePoints"), QString::number(maxSweepPoints));
    windowButton(curve, "resonanceCompute")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!curve->curve().points.empty(), 60000);
    QVERIFY(curve->sweeper().busy());
    QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    const QImage painted = curve->amplitudePanel()->grab().toImage();
    QVERIFY(pixelsOf(painted, graphics::traceColour) > 0);

    QSignalSpy finished(&curve->sweeper(), &ResonanceSweeper::finished);
    const int doneAtCancel = curve->sweeper().pointsDone();
    windowButton(curve, "resonanceCancel")->click();
    QVERIFY(finished.wait(60000));
    QVERIFY(curve->lastSweepCancelled());
    const std::size_t kept = curve->curve().points.size();
    QCOMPARE_LE(kept, std::size_t(doneAtCancel + curve->sweeper().pool().maxThreadCount()));
    QCOMPARE_GE(kept, std::size_t(doneAtCancel));
}

// No keeps the field; Yes enters the frequency through the field's rules (its four decimals),
// and the driving mark follows.
void ResonanceWindowTest::clickAtThePeakOffersItsFrequency() {
    ResonanceWindow* curve = openCurve();
    QVERIFY(curve);
    const ResonancePoint* peak = peakPoint(curve->curve().points);
    QVERIFY(peak);
    graphics::Surface& surface = curve->amplitudePanel()->surface();
    const QPoint at = surface.toPixel({peak->nu, peak->amplitude}).toPoint();
    const double clicked = surface.toUser(at).x();
    const QString offered = QString::fromStdString(formatNumber(clicked, "0.0000"));
    const QString question = "? " + curve->windowTitle() +
                             ": Установить частоту вынуждающей силы ν = " + offered + " Гц?";

    QTest::mouseClick(curve->amplitudePanel(), Qt::LeftButton, {}, at);
    QCOMPARE(platform_->log(), QStringList{question});
    QCOMPARE(window_->controls().field(Input::nu)->text(), QString("4.5000"));

    platform_->clear();
    platform_->answers.enqueue(true);
    QTest::mouseClick(curve->amplitudePanel(), Qt::LeftButton, {}, at);
    QCOMPARE(platform_->log(), QStringList{question});
    QCOMPARE(window_->controls().field(Input::nu)->text(), offered);
    QCOMPARE(window_->experiment().inputs.nu, readNumber(offered.toStdString()));
    QVERIFY(qAbs(window_->experiment().inputs.nu - peak->nu) < 0.01);
    QCOMPARE(curve->curve().nu, window_->experiment().inputs.nu);
}

void ResonanceWindowTest::cancelKeepsThePointsComputedSoFar() {
    ResonanceWindow* curve = openCurve();
    QVERIFY(curve);
    constexpr int many = 200000;
    constexpr int held = 20;
    enter(rangeField(curve, "resonancePoints"), QString::number(many));
    // Every worker stops before its next point once `held` are done, until the cancel is in:
    // the sweep can neither end before it nor skip the points it has.
    std::latch reached(1), cancelled(1);
    std::atomic<bool> first{true};
    curve->sweeper().setBeforePoint([&](int done) {
        if (done < held) return;
        if (first.exchange(false)) reached.count_down();
        cancelled.wait();
    });
    windowButton(curve, "resonanceCompute")->click();
    reached.wait();
    QVERIFY(curve->sweeper().busy()); // the window stays live meanwhile
    windowButton(curve, "resonanceCancel")->click();
    cancelled.count_down();
    QTRY_VERIFY_WITH_TIMEOUT(!curve->sweeper().busy(), 60000);
    QVERIFY(curve->lastSweepCancelled());
    const std::vector<ResonancePoint>& points = curve->curve().points;
    QVERIFY(points.size() >= std::size_t(held) && points.size() < std::size_t(many));
    QCOMPARE(int(points.size()), curve->sweeper().pointsDone());
    QVERIFY(std::is_sorted(points.begin(), points.end(),
                           [](const auto& a, const auto& b) { return a.nu < b.nu; }));
    QVERIFY(std::all_of(points.begin(), points.end(),
                        [](const auto& p) { return std::isfinite(p.amplitude); }));
    QVERIFY(windowButton(curve, "resonanceCompute")->isEnabled());

    // Closing the window in the middle of a sweep ends it without waiting for the rest.
    curve->sweeper().setBeforePoint({});
    windowButton(curve, "resonanceCompute")->click();
    QVERIFY(curve->sweeper().busy());
    const QPointer<ResonanceWindow> closed = curve;
    curve->close();
    QTRY_VERIFY_WITH_TIMEOUT(!closed, 60000);
}

// A change of language while the workers are held in the middle of a sweep: the window speaks
// English at once, and the sweep neither stops nor starts again.
void ResonanceWindowTest::aSweepGoesOnThroughALanguageSwitch() {
    ResonanceWindow* curve = openCurve();
    QVERIFY(curve);
    constexpr int many = 5000;
    constexpr int held = 20;
    enter(rangeField(curve, "resonancePoints"), QString::number(many));
    std::latch reached(1), released(1);
    std::atomic<bool> first{true};
    curve->sweeper().setBeforePoint([&](int done) {
        if (done < held) return;
        if (first.exchange(false)) reached.count_down();
        released.wait();
    });
    // The workers go on whatever the checks below find.
    const auto release = qScopeGuard([&] {
        if (!released.try_wait()) released.count_down();
    });
    windowButton(curve, "resonanceCompute")->click();
    reached.wait();
    QSignalSpy finished(&curve->sweeper(), &ResonanceSweeper::finished);
    QVERIFY(platform_->languages.use("en"));
    QCoreApplication::processEvents();
    QCOMPARE(curve->windowTitle(), QString("Resonance Curve"));
    QCOMPARE(windowButton(curve, "resonanceCancel")->text(), QString("Cancel"));
    QVERIFY(curve->sweeper().busy() && windowButton(curve, "resonanceCancel")->isEnabled());
    QCOMPARE(finished.size(), 0);
    released.count_down();
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.size(), 1);
    QVERIFY(!curve->lastSweepCancelled());
    QVERIFY(curve->curve().points.size() >= std::size_t(many));
    const QString status = curve->findChild<QLabel*>("resonanceStatus")->text();
    QVERIFY2(status.startsWith("Points computed: "), qPrintable(status));
}

QTEST_MAIN(ResonanceWindowTest)
#include "tst_resonance_window.moc"
