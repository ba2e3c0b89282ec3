// The windows that study a run through the main window: «Измерения» after a free and a driven run,
// the phase portrait traced live and drawn anew from the record after a resize, and all three
// research windows in the language the student chooses.

#include "graphics/style.h"
#include "recording_platform.h"
#include "shell/main_window/main_window.h"
#include "shell/research/measurements_window.h"
#include "shell/research/phase_portrait_window.h"
#include "shell/research/run_legend.h"
#include "shell/resonance/resonance_setup.h"
#include "shell/resonance/resonance_window.h"
#include "shell/widgets/picture_box.h"
#include "test_files.h"
#include "window_fixture.h"

#include <QtTest>
#include <QtWidgets>
#include <latch>

using namespace trelvix;

namespace {

void enter(MainWindow& w, Input input, const QString& text) {
    QLineEdit* field = w.controls().field(input);
    field->selectAll();
    field->insert(text);
}

// The cursor over the middle of a plot of the resonance window: its values under the plots.
// The tooltip with them goes, as it does when the student clicks elsewhere.
void hoverOver(PictureBox* panel) {
    const QPoint at(panel->width() / 2, panel->height() / 2);
    QMouseEvent move(QEvent::MouseMove, at, panel->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &move);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
}

bool hasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

// The panels' picture menu is the shared one of every plot, translated with it.
bool isPictureMenu(const QAction* action) {
    return action->objectName() == "savePicture" || action->objectName() == "copyPicture";
}

void addTexts(QStringList& texts, const QString& where, const QTableWidget& table) {
    for (int column = 0; column < table.columnCount(); ++column)
        texts << where + "/head" + QString::number(column) + ": " +
                     table.horizontalHeaderItem(column)->text();
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            if (const QTableWidgetItem* item = table.item(row, column))
                texts << where + QString("/%1,%2: ").arg(row).arg(column) + item->text() + "|" +
                             item->toolTip();
}

// Every text a student can see or hear read out in `window`: titles, captions, table cells,
// tooltips, accessible names, the items of its menus; each prefixed with where it stands.
QStringList visibleTexts(QWidget* window) {
    QStringList texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisible()) continue;
        const QString where =
            w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
        texts << where + ": " + w->windowTitle() + "|" + w->toolTip() + "|" + w->accessibleName() +
                     "|" + w->accessibleDescription() + "|" + w->whatsThis() + "|" + w->statusTip();
        if (const auto* label = qobject_cast<QLabel*>(w))
            texts << where + " text: " + label->text();
        if (const auto* button = qobject_cast<QAbstractButton*>(w))
            texts << where + " text: " + button->text();
        if (const auto* table = qobject_cast<QTableWidget*>(w)) addTexts(texts, where, *table);
        for (const QAction* action : w->actions())
            if (!isPictureMenu(action))
                texts << where + " action: " + action->text() + "|" + action->toolTip();
    }
    return texts;
}

} // namespace

class ResearchWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void measurementsMatchWhatHolds_data();
    void measurementsMatchWhatHolds();
    void researchWindowsFitTheirTexts_data();
    void researchWindowsFitTheirTexts();
    void researchWindowsSwitchLanguageAndBack();
    void phasePortraitSurvivesAResize();
    void storedRunsSurviveAResizeWithTheirLegend();
    void legendNamesTheDifferingInputs();
    void hoverShowsTheRecordedValues();
    void lastRunStaysDrawnThroughResizeKeepAndViews();
    void resonanceWindowFollowsTheDrivingFrequency();
    void documentSignalsEachChangeOnce();
    void startClickWhileARunEndsStartsNothing();
    void cleanup();

private:
    // A free run with quadratic drag (reasons and inapplicable predictions in the table), kept
    // for the legend, then all three research windows open and the resonance curve computed.
    void openResearchWindowsAfterARun();
    void switchTo(const QString& language);

    WindowFixture fixture_;
    std::unique_ptr<RecordingPlatform>& platform_ = fixture_.platform;
    std::unique_ptr<MainWindow>& window_ = fixture_.window;
};

void ResearchWindowsTest::init() {
    QVERIFY(fixture_.open());
    fixture_.withoutPauses();
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
// hold shows no difference.
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
}

void ResearchWindowsTest::openResearchWindowsAfterARun() {
    MainWindow& w = *window_;
    enter(w, Input::Xm, "0");
    enter(w, Input::c, "0.5");
    enter(w, Input::T, "2");
    w.startOrStop();
    w.runMenu().mnuRunKeep->trigger();
    w.runMenu().mnuMeasurements->trigger();
    w.runMenu().mnuPhasePortrait->trigger();
    w.openResonanceCurve();
    QVERIFY(w.measurementsWindow() && w.phasePortraitWindow() && w.resonanceWindow());
    QTRY_VERIFY_WITH_TIMEOUT(!w.resonanceWindow()->sweeper().busy(), 10000);
    QVERIFY(!w.resonanceWindow()->curve().points.empty());
}

// The windows retranslate themselves on the events a real switch sends.
void ResearchWindowsTest::switchTo(const QString& language) {
    QVERIFY(platform_->languages.use(language));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void ResearchWindowsTest::researchWindowsFitTheirTexts_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Russian") << "ru";
    QTest::newRow("English") << "en";
}

// At the measurements window's own size every column is in sight under the note; at the
// smallest size of the resonance window no caption is cut and no two of its parts overlap, with
// the hint and with a reading under the cursor.
void ResearchWindowsTest::researchWindowsFitTheirTexts() {
    QFETCH(QString, language);
    openResearchWindowsAfterARun();
    switchTo(language);
    MainWindow& w = *window_;
    w.runMenu().mnuMeasurements->trigger(); // sized to the table in this language
    QTableWidget* table = w.measurementsWindow()->table();
    QVERIFY(QTest::qWaitForWindowExposed(table));
    const int last = table->columnCount() - 1;
    QVERIFY(table->columnViewportPosition(last) + table->columnWidth(last) <=
            table->viewport()->width());
    const QLabel* note = w.measurementsWindow()->findChild<QLabel*>();
    QVERIFY(!note->geometry().intersects(table->geometry()));

    ResonanceWindow* resonance = w.resonanceWindow();
    PictureBox* amplitude = resonance->amplitudePanel();
    for (const bool reading : {false, true}) {
        if (reading) {
            hoverOver(amplitude);
            QVERIFY(resonance->findChild<QLabel*>("resonanceReadout")->text().startsWith("ν = "));
        }
        resonance->resize(resonance->minimumSizeHint());
        QTRY_COMPARE(resonance->size(), resonance->minimumSizeHint());
        for (QWidget* part : resonance->findChildren<QWidget*>()) {
            if (!part->isVisible()) continue;
            const auto* label = qobject_cast<QLabel*>(part);
            const bool fits = label && label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : part->width() >= part->minimumSizeHint().width();
            QVERIFY2(fits, qPrintable(part->objectName() + " " + (label ? label->text() : "")));
            for (QWidget* other :
                 part->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(other == part || !other->isVisible() ||
                             !other->geometry().intersects(part->geometry()),
                         qPrintable(part->objectName() + " / " + other->objectName()));
        }
    }
}

// In English no text of the three windows has a Cyrillic letter left: the table and the note
// measured anew (the model's reasons too), the resonance status line and the legend of the kept
// run said again, the curve kept; the questions and refusals follow.  Back in Russian every text
// is what it was.
void ResearchWindowsTest::researchWindowsSwitchLanguageAndBack() {
    openResearchWindowsAfterARun();
    MainWindow& w = *window_;
    ResonanceWindow* resonance = w.resonanceWindow();
    const QList<QWidget*> windows{w.measurementsWindow(), w.phasePortraitWindow(), resonance};
    const auto allTexts = [&] {
        QStringList texts;
        for (QWidget* window : windows)
            texts << visibleTexts(window);
        return texts;
    };
    const auto legend = [&] {
        QStringList texts;
        for (const auto& label : w.phasePortraitWindow()->surface()->surface().labels())
            texts << label.text;
        return texts;
    };
    hoverOver(resonance->amplitudePanel());
    const QStringList russian = allTexts();
    QVERIFY(legend().contains("те же параметры"));
    const std::size_t points = resonance->curve().points.size();

    switchTo("en");
    QVERIFY(!resonance->sweeper().busy());
    for (const QString& text : allTexts())
        QVERIFY2(!hasCyrillic(text), qPrintable(text));
    const MeasurementsWindow& measurements = *w.measurementsWindow();
    QVERIFY(!measurements.table()
                 ->findItems("— (forced oscillations only (Xm ≠ 0, ν ≠ 0))", Qt::MatchExactly)
                 .isEmpty());
    QCOMPARE(measureRun(w.runController().record()).amplitude.reason,
             std::string("forced oscillations only (Xm ≠ 0, ν ≠ 0)"));
    QVERIFY2(legend().contains("same parameters"), qPrintable(legend().join('|')));
    QCOMPARE(resonance->curve().points.size(), points); // not computed anew
    const QString status = resonance->findChild<QLabel*>("resonanceStatus")->text();
    QVERIFY2(status.startsWith(QString("Points computed: %1.").arg(points)), qPrintable(status));

    QTest::mouseClick(resonance->findChild<QPushButton*>("resonanceCompute"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!resonance->sweeper().busy(), 10000);
    resonance->findChild<QLineEdit*>("resonancePoints")->setText("2.5");
    QTest::mouseClick(resonance->findChild<QPushButton*>("resonanceCompute"), Qt::LeftButton);
    const ResonancePoint* peak = peakPoint(resonance->curve().points);
    QVERIFY(peak);
    const QPoint at =
        resonance->amplitudePanel()->surface().toPixel({peak->nu, peak->amplitude}).toPoint();
    QTest::mouseClick(resonance->amplitudePanel(), Qt::LeftButton, {}, at);
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 1);
    QCOMPARE(platform_->count(PlatformEvent::Kind::Question), 1);
    for (const PlatformEvent& event : platform_->events)
        QVERIFY2(!hasCyrillic(event.text), qPrintable(event.text));
    hoverOver(resonance->amplitudePanel()); // the same curve computed anew: the same reading

    switchTo("ru");
    resonance->findChild<QLineEdit*>("resonancePoints")
        ->setText(QString::number(defaultResonancePoints));
    QCOMPARE(allTexts(), russian);
    QVERIFY(legend().contains("те же параметры"));
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
    QTRY_COMPARE(w.controls().planePanel->image().size(), w.controls().planePanel->size());
    const MainControls& c = w.controls();
    for (PictureBox* panel : {c.planePanel, c.displacementPanel, c.velocityPanel, c.energyPanel}) {
        if (panel == c.displacementPanel)
            c.graphsOption->click(); // the time graphs are drawn when shown
        for (std::size_t run : {0, 1})
            QVERIFY2(pixelsOf(panel->image(), graphics::storedRunColour(run)) > 0,
                     qPrintable(panel->objectName()));
    }
    QStringList labels;
    for (const graphics::Surface::Label& label : c.displacementPanel->surface().labels())
        labels << label.text;
    QVERIFY2(labels.contains("η = 0.05") && labels.contains("η = 0.2"),
             qPrintable(labels.join('|')));

    w.runMenu().mnuRunForget->trigger();
    QCOMPARE(pixelsOf(c.displacementPanel->image(), graphics::storedRunColour(0)), 0);
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
    w.controls().graphsOption->click(); // the time graphs
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
    QCOMPARE(tooltipAt(w.controls().displacementPanel, {p.t, 0}),
             "t = " + number(p.t) + " с\nX − Xg = " + number(p.X - Xg) + " м");
    QCOMPARE(tooltipAt(w.controls().velocityPanel, {p.t, 123}),
             "t = " + number(p.t) + " с\nVx = " + number(p.Vx) + " м/с");

    w.controls().animationOption->click(); // the animation view shows the plane
    QTRY_VERIFY(w.controls().planePanel->isVisible());
    const QString plane = tooltipAt(w.controls().planePanel, {0, Xg});
    QVERIFY2(plane.startsWith("Y = ") && plane.contains("\nX = "), qPrintable(plane));
}

// The last run belongs to the experiment: a resize, keeping it and switching the views all
// leave it drawn in its own colour, and only a new input takes it off the panels.
void ResearchWindowsTest::lastRunStaysDrawnThroughResizeKeepAndViews() {
    MainWindow& w = *window_;
    const MainControls& c = w.controls();
    enter(w, Input::T, "0.5");
    const QSize size = w.size();
    const auto red = [](PictureBox* panel) {
        return pixelsOf(panel->image(), graphics::traceColour);
    };
    const int bare = red(c.planePanel); // the equilibrium line is red too
    w.startOrStop();
    const int traced = red(c.planePanel);
    QVERIFY(traced > bare + 20);

    w.resize(size + QSize(120, 60));
    QTRY_COMPARE(c.planePanel->image().size(), c.planePanel->size());
    w.resize(size);
    QTRY_COMPARE(c.planePanel->image().size(), c.planePanel->size());
    // Redrawn from the record: but for a pixel at each turn of the ball (a step drawn alone ends
    // round, the redrawn trace turns with a flat join).
    QVERIFY2(std::abs(red(c.planePanel) - traced) <= 8, qPrintable(QString::number(traced)));
    w.runMenu().mnuRunKeep->trigger();
    QVERIFY(std::abs(red(c.planePanel) - traced) <= 8); // drawn over its kept copy

    c.graphsOption->click();
    const int graphed = red(c.displacementPanel);
    enter(w, Input::T, "0.6"); // another experiment: its panels start empty
    QVERIFY(red(c.displacementPanel) < graphed);
}

// The resonance window is a view of the experiment: a new driving frequency moves its mark at
// once, and a new oscillator brings a new curve.
void ResearchWindowsTest::resonanceWindowFollowsTheDrivingFrequency() {
    MainWindow& w = *window_;
    w.openResonanceCurve();
    ResonanceWindow* resonance = w.resonanceWindow();
    QVERIFY(resonance);
    QTRY_VERIFY(!resonance->curve().points.empty());
    const DrivenOscillator first = resonance->curve().oscillator;
    enter(w, Input::nu, "3");
    QCOMPARE(resonance->curve().nu, 3.0);
    QCOMPARE(resonance->curve().oscillator, first); // ν alone needs no new curve
    enter(w, Input::k, "50");
    QVERIFY(resonance->curve().oscillator != first);
    QCOMPARE(resonance->curve().oscillator.omega_0_sq, 50 / w.experiment().inputs.m);
    QTRY_VERIFY(!resonance->curve().points.empty());

    // Typing "80" passes "8": the sweep for 8, held before its first point, is cancelled and the
    // curve of 80 follows it.
    QTRY_VERIFY(!resonance->sweeper().busy());
    std::latch released(1);
    resonance->sweeper().setBeforePoint([&](int) { released.wait(); });
    const auto release = qScopeGuard([&] {
        if (!released.try_wait()) released.count_down();
    });
    enter(w, Input::k, "8");
    QVERIFY(resonance->sweeper().busy());
    enter(w, Input::k, "80");
    released.count_down(); // the workers pass the hook from now on
    QTRY_VERIFY(!resonance->sweeper().busy() && !resonance->curve().points.empty());
    resonance->sweeper().setBeforePoint({});
    QCOMPARE(resonance->curve().oscillator.omega_0_sq, 80 / w.experiment().inputs.m);
    QVERIFY(!resonance->lastSweepCancelled());
}

void ResearchWindowsTest::documentSignalsEachChangeOnce() {
    MainWindow& w = *window_;
    QSignalSpy inputs(&w.document(), &ExperimentDocument::inputChanged);
    QSignalSpy characteristics(&w.document(), &ExperimentDocument::characteristicsChanged);
    QSignalSpy stored(&w.document(), &ExperimentDocument::storedRunsChanged);
    QSignalSpy view(&w.document(), &ExperimentDocument::viewChanged);
    enter(w, Input::k, "50.000"); // typed in its display form: stored once, no write-back
    QCOMPARE(inputs.size(), 1);
    QCOMPARE(inputs.at(0).at(0).value<Input>(), Input::k);
    QCOMPARE(characteristics.size(), 1);
    w.controls().velocityZoomBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(view.size(), 1);
    QCOMPARE(view.at(0).at(0).value<ViewChange>(), ViewChange::Scales);
    // Nothing to keep before a run, nothing to forget before a kept one, nothing to hold.
    const RunMenuItems& items = w.runMenu();
    QVERIFY(!items.mnuRunKeep->isEnabled() && !items.mnuRunForget->isEnabled());
    QVERIFY(!items.mnuRunPause->isEnabled());
    enter(w, Input::T, "0.1");
    w.startOrStop();
    items.mnuRunKeep->trigger();
    QCOMPARE(stored.size(), 1);
    QCOMPARE(w.document().storedRuns().runs().size(), std::size_t{1});
    QVERIFY(items.mnuRunForget->isEnabled());
}

// A click that arrives while a stopped run still finishes its last pause belongs to that run.
void ResearchWindowsTest::startClickWhileARunEndsStartsNothing() {
    MainWindow& w = *window_;
    int runsBegun = 0;
    connect(&w.document(), &ExperimentDocument::lastRunChanged, [&] { ++runsBegun; });
    int clicksWhileStopping = 0;
    connect(&w.runController(), &RunController::stepped, &w, [&] {
        if (w.runController().phase() != RunPhase::Running) return;
        QVERIFY(w.runMenu().mnuRunPause->isEnabled()); // a run can be held, not kept
        QVERIFY(!w.runMenu().mnuRunKeep->isEnabled());
        w.startOrStop(); // STOP: the run is now finishing its step
        QCOMPARE(w.runController().phase(), RunPhase::Stopping);
        w.startOrStop(); // START while it ends
        ++clicksWhileStopping;
    });
    w.startOrStop();
    QCOMPARE(clicksWhileStopping, 1);
    QCOMPARE(runsBegun, 1);
    QCOMPARE(w.runController().phase(), RunPhase::Idle);
}

void ResearchWindowsTest::cleanup() {
    if (platform_) QVERIFY(platform_->languages.use("ru"));
    window_.reset();
    platform_.reset();
}

QTEST_MAIN(ResearchWindowsTest)
#include "tst_research_windows.moc"
