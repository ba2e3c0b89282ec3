// The windows that study a run through the main window: «Измерения» after a free and a driven run,
// and the phase portrait traced live and drawn anew from the record after a resize.

#include "graphics/style.h"
#include "recording_platform.h"
#include "shell/main_window.h"
#include "shell/measurements_window.h"
#include "shell/phase_portrait_window.h"
#include "shell/picture_box.h"
#include "shell/run_legend.h"
#include "test_files.h"

#include <QtTest>
#include <QtWidgets>

using namespace trelvix;

namespace {

void enter(MainWindow& w, Input input, const QString& text) {
    QLineEdit* field = w.controls().field(input);
    field->selectAll();
    field->insert(text);
}

} // namespace

class ResearchWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void measurementsMatchWhatHolds_data();
    void measurementsMatchWhatHolds();
    void phasePortraitSurvivesAResize();
    void storedRunsSurviveAResizeWithTheirLegend();
    void legendNamesTheDifferingInputs();
    void hoverShowsTheRecordedValues();
    void cleanup();

private:
    std::unique_ptr<RecordingPlatform> platform_;
    std::unique_ptr<MainWindow> window_;
};

void ResearchWindowsTest::init() {
    platform_ = std::make_unique<RecordingPlatform>();
    window_ = std::make_unique<MainWindow>(platform_->platform());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->viewSettings().slowDown = 0; // no pauses: the runs take no wall time
}

void ResearchWindowsTest::measurementsMatchWhatHolds_data() {
    QTest::addColumn<QStringList>("inputs");   // Xm, c, eta, nu, T
    QTest::addColumn<QStringList>("compared"); // the quantities whose difference is small
    QTest::newRow("free run without drag")
        << QStringList{"0", "0", "0.05", "4.5", "3"} << QStringList{"Период", "Логарифмический"};
    QTest::newRow("initial values at the resonance")
        << QStringList{"0.005", "0.5", "0.001004", "3.9949", "20"}
        << QStringList{"Период", "Амплитуда", "Отставание"};
}

// Each compared quantity is within 1 % of the prediction that holds; a prediction that does not
// hold shows no difference; at the window's own size every column is in sight.
void ResearchWindowsTest::measurementsMatchWhatHolds() {
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, compared);
    MainWindow& w = *window_;
    const Input fields[] = {Input::Xm, Input::c, Input::eta, Input::nu, Input::T};
    for (int i = 0; i < inputs.size(); ++i)
        enter(w, fields[i], inputs[i]);
    w.startOrStop();
    w.runMenu().mnuMeasurements->trigger();
    QTableWidget* table = w.measurementsWindow()->table();
    QVERIFY(QTest::qWaitForWindowExposed(table));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString percent = table->item(row, 4)->text().replace(',', '.');
        if (table->item(row, 3)->text().contains("не применимо")) QCOMPARE(percent, "—");
        if (!compared.contains(table->item(row, 0)->text().section(' ', 0, 0))) continue;
        bool ok = false;
        QVERIFY2(std::abs(percent.toDouble(&ok)) < 1 && ok, qPrintable(percent));
    }
    const int last = table->columnCount() - 1;
    QVERIFY(table->columnViewportPosition(last) + table->columnWidth(last) <=
            table->viewport()->width());
}

void ResearchWindowsTest::phasePortraitSurvivesAResize() {
    MainWindow& w = *window_;
    enter(w, Input::T, "1");
    w.runMenu().mnuPhasePortrait->trigger();
    PhasePortraitWindow* portrait = w.phasePortraitWindow();
    QVERIFY(QTest::qWaitForWindowExposed(portrait));
    w.startOrStop(); // traced live
    const int traced = pixelsOf(portrait->surface()->image(), graphics::traceColour);
    QVERIFY(traced > 200);

    portrait->resize(portrait->width() + 150, portrait->height() + 90);
    QTRY_VERIFY(portrait->surface()->image().width() >= portrait->width());
    const int redrawn = pixelsOf(portrait->surface()->image(), graphics::traceColour);
    QVERIFY2(redrawn > traced, qPrintable(QString::number(redrawn))); // larger, not lost
}

// Two runs with different viscosities kept, the window resized: both still on every time graph
// and the plane, in their own hues, named in the legend by their viscosity.
void ResearchWindowsTest::storedRunsSurviveAResizeWithTheirLegend() {
    MainWindow& w = *window_;
    enter(w, Input::T, "0.5");
    for (const QString eta : {"0.05", "0.2"}) {
        enter(w, Input::eta, eta);
        w.startOrStop();
        w.runMenu().mnuRunKeep->trigger();
    }
    enter(w, Input::eta, "0.1");
    w.resize(w.width() + 120, w.height() + 60);
    QTRY_COMPARE(w.controls().Picture1->image().size(), w.controls().Picture1->size());
    const MainControls& c = w.controls();
    for (PictureBox* panel : {c.Picture1, c.Picture3, c.Picture4, c.Picture6}) {
        if (panel == c.Picture3) c.Option2->click(); // the time graphs are drawn when shown
        for (std::size_t run : {0, 1})
            QVERIFY2(pixelsOf(panel->image(), graphics::storedRunColour(run)) > 0,
                     qPrintable(panel->objectName()));
    }
    QStringList labels;
    for (const graphics::Surface::Label& label : c.Picture3->surface().labels())
        labels << label.text;
    QVERIFY2(labels.contains("η = 0.05") && labels.contains("η = 0.2"),
             qPrintable(labels.join('|')));

    w.runMenu().mnuRunForget->trigger();
    QCOMPARE(pixelsOf(c.Picture3->image(), graphics::storedRunColour(0)), 0);
}

void ResearchWindowsTest::legendNamesTheDifferingInputs() {
    const Inputs current = initialInputs();
    Inputs stored = current;
    QCOMPARE(legendText(stored, current), "те же параметры");
    stored.nu = 4;
    stored.T = 0.1F;
    QCOMPARE(legendText(stored, current), "ν = 4.0, T = 0.1");
}

// The tooltip over X(t) at the pixel of a recorded sample's time names that sample's time and
// deviation; over the plane, the cursor's coordinates.
void ResearchWindowsTest::hoverShowsTheRecordedValues() {
    MainWindow& w = *window_;
    enter(w, Input::T, "0.5");
    w.startOrStop();
    w.controls().Option2->click(); // the time graphs
    const std::vector<RunSample>& samples = w.runController().record().samples();
    const RunSample& p = samples[samples.size() / 2];
    const auto tooltipAt = [](PictureBox* panel, QPointF user) {
        const QPoint at = panel->surface().toPixel(user).toPoint();
        QHelpEvent help(QEvent::ToolTip, at, panel->mapToGlobal(at));
        QCoreApplication::sendEvent(panel, &help);
        return QToolTip::text();
    };
    const double Xg = w.experiment().derived.Xg;
    const QString sep = QLocale::system().decimalPoint();
    const auto number = [&](double x) { return QString::number(x, 'g', 5).replace('.', sep); };
    QCOMPARE(tooltipAt(w.controls().Picture3, {p.t, 0}),
             "t = " + number(p.t) + " с\nX − Xg = " + number(p.X - Xg) + " м");
    QCOMPARE(tooltipAt(w.controls().Picture4, {p.t, 123}),
             "t = " + number(p.t) + " с\nVx = " + number(p.Vx) + " м/с");

    w.controls().Option1->click(); // the animation view shows the plane
    QTRY_VERIFY(w.controls().Picture1->isVisible());
    const QString plane = tooltipAt(w.controls().Picture1, {0, Xg});
    QVERIFY2(plane.startsWith("Y = ") && plane.contains("\nX = "), qPrintable(plane));
}

void ResearchWindowsTest::cleanup() {
    window_.reset();
    platform_.reset();
}

QTEST_MAIN(ResearchWindowsTest)
#include "tst_research_windows.moc"
