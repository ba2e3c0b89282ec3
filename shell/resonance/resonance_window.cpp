#include "shell/resonance/resonance_window.h"

#include "entry/input_table.h"
#include "model/number_text.h"
#include "platform/decimal_separator.h"
#include "shell/main_window/window_texts.h"
#include "shell/resonance/resonance_setup.h"
#include "shell/resonance/resonance_texts.h"
#include "shell/widgets/assets.h"
#include "shell/widgets/control_style.h"
#include "shell/widgets/picture_box.h"
#include "shell/widgets/picture_menu.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

// How often the progress bar follows the sweep, ms.
constexpr int progressInterval = 50;
// Frequencies are shown as the driving-frequency field shows ν.
const char* frequencyPattern() {
    return inputRow(Input::nu).pattern;
}

QLineEdit* rangeField(const char* name, int width, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(width);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colours::fieldYellow);
    field->setPalette(palette);
    return field;
}

QPushButton* button(const char* name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

PictureBox* plotPanel(const char* name, QWidget* parent) {
    auto* panel = new PictureBox(Qt::white, parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setMouseTracking(true);
    panel->setMinimumSize(320, 160);
    return panel;
}

} // namespace

ResonanceWindow::ResonanceWindow(const Platform& platform, const ExperimentDocument& document,
                                 QLineEdit* frequencyField)
    : platform_(platform), document_(document), frequencyField_(frequencyField) {
    connect(&document_, &ExperimentDocument::characteristicsChanged, this,
            &ResonanceWindow::experimentChanged);
    setObjectName(QStringLiteral("FormResonance"));
    setWindowIcon(assets::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setFont(fonts::times1125());
    setBackground(this, colours::formGrey);

    plots_ = new QWidget(this);
    amplitude_ = plotPanel("resonanceAmplitude", plots_);
    phase_ = plotPanel("resonancePhase", plots_);
    using graphics::ResonanceQuantity;
    for (const auto& [panel, quantity] : {std::pair{amplitude_, ResonanceQuantity::Amplitude},
                                          std::pair{phase_, ResonanceQuantity::Phase}}) {
        panel->setDrawing([this, which = quantity](graphics::Surface& onto) {
            graphics::drawResonancePlot(curve_, which, onto, separator().toStdString());
        });
        addPictureMenu(panel, platform_);
    }
    auto* plotLayout = new QVBoxLayout(plots_);
    plotLayout->setContentsMargins(0, 0, 0, 0);
    plotLayout->addWidget(amplitude_, 3);
    plotLayout->addWidget(phase_, 2);
    for (PictureBox* panel : {amplitude_, phase_})
        panel->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildRangeRow());
    layout->addWidget(plots_, 1);
    layout->addWidget(buildExportRow());
    resize(760, 640);

    connect(&sweeper_, &ResonanceSweeper::finished, this,
            [this](InputProblem, bool cancelled) { sweepFinished(cancelled); });
    connect(&progressTimer_, &QTimer::timeout, this, &ResonanceWindow::showProgress);
    progressTimer_.setInterval(progressInterval);
    setBusy(false);
    retranslate();
}

void ResonanceWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

// The curve stays as it is and a sweep in progress goes on: only the texts change, the computed
// ones made anew from what they say.
void ResonanceWindow::retranslate() {
    setWindowTitle(texts::resonanceTitle());
    fromLabel_->setText(tr("от, Гц"));
    toLabel_->setText(tr("до, Гц"));
    pointsLabel_->setText(tr("точек"));
    from_->setAccessibleName(tr("начало диапазона частот, Гц"));
    to_->setAccessibleName(tr("конец диапазона частот, Гц"));
    points_->setAccessibleName(tr("число точек кривой"));
    compute_->setText(tr("Рассчитать"));
    cancel_->setText(tr("Отмена"));
    progress_->setAccessibleName(tr("ход расчёта кривой"));
    amplitude_->setAccessibleName(tr("амплитуда от частоты"));
    phase_->setAccessibleName(tr("сдвиг фазы от частоты"));
    saveCsv_->setText(texts::resonanceSaveCsv());
    savePng_->setText(texts::resonanceSavePng());
    showReading(reading_);
    showStatus(statusText_);
    redrawPlots();
}

// The status line keeps what it says, to say it again in another language.
void ResonanceWindow::showStatus(std::function<QString()> text) {
    statusText_ = std::move(text);
    status_->setText(statusText_ ? statusText_() : QString());
}

// The values at a point of the curve, or with none the hint how to read them.
void ResonanceWindow::showReading(std::optional<ResonancePoint> p) {
    reading_ = p;
    readout_->setText(p ? readoutText(*p) : texts::resonanceHint());
}

QWidget* ResonanceWindow::buildRangeRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    from_ = rangeField("resonanceFrom", 80, row);
    to_ = rangeField("resonanceTo", 80, row);
    points_ = rangeField("resonancePoints", 64, row);
    for (auto [caption, field] : {std::pair{&fromLabel_, from_}, std::pair{&toLabel_, to_},
                                  std::pair{&pointsLabel_, points_}}) {
        *caption = new QLabel(row);
        layout->addWidget(*caption);
        layout->addWidget(field);
    }
    compute_ = button("resonanceCompute", row);
    cancel_ = button("resonanceCancel", row);
    progress_ = new QProgressBar(row);
    progress_->setObjectName(QStringLiteral("resonanceProgress"));
    layout->addWidget(compute_);
    layout->addWidget(cancel_);
    layout->addWidget(progress_, 1);
    connect(compute_, &QPushButton::clicked, this, &ResonanceWindow::computeCurve);
    connect(cancel_, &QPushButton::clicked, &sweeper_, &ResonanceSweeper::cancel);
    return row;
}

QWidget* ResonanceWindow::buildExportRow() {
    auto* row = new QWidget(this);
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    readout_ = new QLabel(row);
    readout_->setObjectName(QStringLiteral("resonanceReadout"));
    // A long reading takes two lines rather than widen the window; the two lines are kept for it
    // at every width, so that the plots above never have to give up height to it.
    readout_->setWordWrap(true);
    readout_->setMinimumHeight(2 * readout_->fontMetrics().lineSpacing());
    status_ = new QLabel(row);
    status_->setObjectName(QStringLiteral("resonanceStatus"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    saveCsv_ = button("resonanceCsv", row);
    savePng_ = button("resonancePng", row);
    buttons->addWidget(saveCsv_);
    buttons->addWidget(savePng_);
    layout->addWidget(readout_);
    layout->addLayout(buttons);
    connect(saveCsv_, &QPushButton::clicked, this, &ResonanceWindow::exportCsv);
    connect(savePng_, &QPushButton::clicked, this, &ResonanceWindow::exportPng);
    return row;
}

void ResonanceWindow::setRange(const FrequencyRange& range) {
    from_->setText(QString::fromStdString(formatNumber(range.from, frequencyPattern())));
    to_->setText(QString::fromStdString(formatNumber(range.to, frequencyPattern())));
    points_->setText(QString::number(range.points));
}

// A refusal sounds the tone and explains, as «ПУСК» does; nothing is computed.
bool ResonanceWindow::refuse(const QString& message) {
    platform_.tone.sound(messageToneUnits);
    platform_.messages.inform(texts::errorTitle(), message);
    return false;
}

// The range as typed, read like the parameter fields read their texts but with a decimal comma
// between digits allowed; the number of points must be a whole number.
std::optional<FrequencyRange> ResonanceWindow::rangeFromFields() {
    const auto read = [](const QLineEdit* field) {
        return readNumber(withDecimalPoint(field->text().toStdString()));
    };
    const double points = read(points_);
    FrequencyRange range{read(from_), read(to_),
                         static_cast<int>(std::clamp<double>(points, 0, maxSweepPoints + 1.0))};
    if (points != std::floor(points)) {
        refuse(texts::resonanceWholePoints());
        return std::nullopt;
    }
    const InputProblem problem = checkRange(range);
    if (problem == InputProblem::None) return range;
    refuse(resonanceProblemMessage(problem));
    return std::nullopt;
}

// Only what the curve depends on can refuse it: the coefficients of the equation of motion and
// the range, not the computation time or the start of the motion.
void ResonanceWindow::computeCurve() {
    if (sweeper_.busy()) return;
    const Experiment& e = document_.experiment();
    const DrivenOscillator oscillator = drivenOscillatorOf(e.inputs, e.derived);
    if (const InputProblem problem = checkOscillator(oscillator); problem != InputProblem::None) {
        refuse(resonanceProblemMessage(problem));
        return;
    }
    const std::optional<FrequencyRange> range = rangeFromFields();
    if (range) sweep(oscillator, *range);
}

void ResonanceWindow::sweep(const DrivenOscillator& oscillator, const FrequencyRange& range) {
    const Characteristics& derived = document_.characteristics();
    curve_ = {{},
              oscillator,
              range.from,
              range.to,
              document_.inputs().nu,
              hasResonance(derived) ? derived.nu_r : std::nan("")};
    gridPoints_ = range.points;
    curveAsked_ = true;
    showStatus({});
    showReading(std::nullopt);
    redrawPlots();
    setBusy(true);
    sweeper_.start(oscillator, range);
}

void ResonanceWindow::setBusy(bool busy) {
    compute_->setEnabled(!busy);
    cancel_->setEnabled(busy);
    if (busy) {
        progress_->setRange(0, std::max(gridPoints_, 1));
        progress_->setValue(0);
        progressTimer_.start();
    } else {
        progressTimer_.stop();
    }
}

// The bar counts the points of the grid; the few that refine the peak afterwards keep it full.
// The points computed since the last look join the curve, which is drawn anew with them.
void ResonanceWindow::showProgress() {
    progress_->setValue(std::min(sweeper_.pointsDone(), gridPoints_));
    std::vector<ResonancePoint> computed = sweeper_.takePoints();
    if (computed.empty()) return;
    mergePoints(curve_.points, std::move(computed));
    redrawPlots();
}

// The ν mark follows the driving frequency at once; a curve asked for another oscillator is
// computed anew over the same range, after the sweep in progress (if any) has been cancelled.
// Inputs the curve cannot be computed for leave the curve as it is: the student is typing in the
// main window, and a box there would interrupt every keystroke.
void ResonanceWindow::experimentChanged() {
    const std::optional<DrivenOscillator> oscillator = computableOscillator();
    if (!curveAsked_ || !oscillator || *oscillator == curve_.oscillator) {
        redrawPlots();
        return;
    }
    if (sweeper_.busy()) {
        sweepAgain_ = true;
        sweeper_.cancel();
        return;
    }
    sweep(*oscillator, {curve_.from, curve_.to, gridPoints_});
}

std::optional<DrivenOscillator> ResonanceWindow::computableOscillator() const {
    const Experiment& e = document_.experiment();
    const DrivenOscillator oscillator = drivenOscillatorOf(e.inputs, e.derived);
    if (checkOscillator(oscillator) != InputProblem::None) return std::nullopt;
    return oscillator;
}

void ResonanceWindow::sweepFinished(bool cancelled) {
    // A sweep cancelled for a new oscillator: the curve of the oscillator the document has now
    // follows, whether or not the cancelled one had shown points (typing "50" passes "5").
    if (sweepAgain_) {
        sweepAgain_ = false;
        setBusy(false);
        const std::optional<DrivenOscillator> oscillator = computableOscillator();
        if (oscillator)
            sweep(*oscillator, {curve_.from, curve_.to, gridPoints_});
        else
            redrawPlots();
        return;
    }
    cancelled_ = cancelled;
    showProgress(); // a cancelled sweep leaves the bar where it stopped
    setBusy(false);
    const std::vector<ResonancePoint>& all = curve_.points;
    const auto points = static_cast<int>(all.size());
    const auto nonFinite = static_cast<int>(std::count_if(
        all.begin(), all.end(), [](const auto& p) { return p.status == PointStatus::NonFinite; }));
    const int refining = std::max(points - gridPoints_, 0);
    showStatus([cancelled, points, refining, nonFinite] {
        return texts::sweepSummary(cancelled, points, refining, nonFinite);
    });
    redrawPlots();
}

QString ResonanceWindow::separator() const {
    return desktopDecimalSeparator();
}

void ResonanceWindow::redrawPlots() {
    curve_.nu = document_.inputs().nu;
    const std::string decimal = separator().toStdString();
    amplitude_->clear();
    phase_->clear();
    graphics::drawResonancePlot(curve_, graphics::ResonanceQuantity::Amplitude,
                                amplitude_->surface(), decimal);
    graphics::drawResonancePlot(curve_, graphics::ResonanceQuantity::Phase, phase_->surface(),
                                decimal);
}

void ResonanceWindow::showReadout(PictureBox* panel, QPointF at) {
    const std::optional<ResonancePoint> p =
        graphics::curveAt(curve_, panel->surface().toUser(at).x());
    if (!p) {
        QToolTip::hideText();
        return;
    }
    showReading(*p);
    QToolTip::showText(panel->mapToGlobal(at.toPoint()), readout_->text(), panel);
}

// The computed curve and the linear theory at the point `p` of the curve.
QString ResonanceWindow::readoutText(const ResonancePoint& p) const {
    const QLocale locale = QLocale::system();
    const auto number = [&](double x) {
        return std::isfinite(x) ? locale.toString(x, 'g', 5) : QStringLiteral("—");
    };
    return texts::readoutText(number(p.nu), number(p.amplitude), number(p.phase),
                              number(linearAmplitude(curve_.oscillator, p.nu)),
                              number(linearPhase(curve_.oscillator, p.nu)));
}

// The driving frequency takes the text as if the student had typed it, with the field's own
// checks; the mark of the plots then follows it.
void ResonanceWindow::offerFrequency(double nu) {
    if (!frequencyField_->isEnabled()) { // a run in progress locks the parameters
        showStatus(texts::offerDuringRun);
        return;
    }
    const QString text = QString::fromStdString(formatNumber(nu, frequencyPattern()));
    if (!platform_.messages.askYesNo(texts::resonanceTitle(), texts::offerFrequencyQuestion(text)))
        return;
    frequencyField_->setText(text);
    redrawPlots();
}

bool ResonanceWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* panel = qobject_cast<PictureBox*>(watched);
    if (!panel) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Resize) // drawn once the panel's image has taken the new size
        QMetaObject::invokeMethod(this, &ResonanceWindow::redrawPlots, Qt::QueuedConnection);
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseMove) showReadout(panel, mouse->position());
    if (event->type() == QEvent::MouseButtonPress && panel == amplitude_ &&
        mouse->button() == Qt::LeftButton) {
        const double nu = panel->surface().toUser(mouse->position()).x();
        if (graphics::curveAt(curve_, nu)) offerFrequency(nu);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace trelvix
