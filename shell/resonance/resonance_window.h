#pragma once

#include "graphics/resonance_plot.h"
#include "platform/platform.h"
#include "shell/document/experiment_document.h"
#include "shell/resonance/resonance_sweeper.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace trelvix {

class PictureBox;

// «Резонансная кривая»: the amplitude and the phase lag of the steady state against the driving
// frequency, computed on worker threads for the current parameters of the main window over a
// range the student edits.  Hovering a plot reads the curve at the cursor; a click on the
// amplitude plot offers that frequency to the driving-frequency field.  The window is discarded
// when the student closes it.
class ResonanceWindow : public QWidget {
    Q_OBJECT
public:
    // The window is a view of `document`: its ν mark follows the driving frequency and its
    // curve is computed anew when the oscillator changes.  `frequencyField` is the field of the
    // driving frequency, which takes an offered frequency through its rules.
    ResonanceWindow(const Platform& platform, const ExperimentDocument& document,
                    QLineEdit* frequencyField);

    // Writes the range into its fields.
    void setRange(const FrequencyRange& range);
    // «Рассчитать»: checks the parameters and the range and starts the sweep, or refuses with a
    // message and computes nothing.  Does nothing while a sweep is in progress.
    void computeCurve();
    // Offers `nu` to the driving-frequency field; Yes enters it there.
    void offerFrequency(double nu);
    // Both plots drawn anew from the curve and the current driving frequency.
    void redrawPlots();

    const graphics::ResonanceCurve& curve() const { return curve_; }
    const ResonanceSweeper& sweeper() const { return sweeper_; }
    ResonanceSweeper& sweeper() { return sweeper_; }
    bool lastSweepCancelled() const { return cancelled_; }
    PictureBox* amplitudePanel() const { return amplitude_; }
    PictureBox* phasePanel() const { return phase_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every text in the current language, the plots drawn anew with theirs.
    void retranslate();
    void showStatus(std::function<QString()> text);
    void showReading(std::optional<ResonancePoint> p);
    QString readoutText(const ResonancePoint& p) const;
    QWidget* buildRangeRow();
    QWidget* buildExportRow();
    bool refuse(const QString& message);
    void experimentChanged();
    // The document's oscillator, or none when no curve can be computed for it.
    std::optional<DrivenOscillator> computableOscillator() const;
    void sweep(const DrivenOscillator& oscillator, const FrequencyRange& range);
    std::optional<FrequencyRange> rangeFromFields();
    void setBusy(bool busy);
    void showProgress();
    void sweepFinished(bool cancelled);
    void showReadout(PictureBox* panel, QPointF at);
    QString separator() const;
    void exportCsv();
    void exportPng();

    Platform platform_;
    const ExperimentDocument& document_;
    QLineEdit* frequencyField_;
    graphics::ResonanceCurve curve_;
    int gridPoints_ = 0;
    bool cancelled_ = false;
    bool sweepAgain_ = false; // the oscillator changed during a sweep: a new one follows it
    bool curveAsked_ = false; // a curve was computed or is being computed: it follows the inputs
    ResonanceSweeper sweeper_;
    QTimer progressTimer_;

    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* points_ = nullptr;
    QPushButton* compute_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    PictureBox* amplitude_ = nullptr;
    PictureBox* phase_ = nullptr;
    QWidget* plots_ = nullptr;
    QLabel* readout_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QLabel* pointsLabel_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
    QPushButton* savePng_ = nullptr;
    std::function<QString()> statusText_;   // what the status line says; empty: nothing
    std::optional<ResonancePoint> reading_; // the point of the curve the readout shows
};

} // namespace trelvix
