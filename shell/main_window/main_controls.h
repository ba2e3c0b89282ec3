#pragma once

// Every control of the main window, under the name that the whole program uses for it.  The
// window creates them once (buildMainControls) and they live as long as the window.

#include "model/captions.h"
#include "model/inputs.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace trelvix {

class PictureBox;

struct MainControls {
    // Headings of the two columns of the right-hand block.
    QLabel* parametersHeading;
    QLabel* characteristicsHeading;

    // Parameter rows: the caption and the input field of each of the twelve inputs, in the order
    // of Input; the fifteen characteristics of the motion, in the order of Result.
    std::array<QLabel*, allInputs.size()> captions;
    std::array<QLineEdit*, allInputs.size()> fields;
    std::array<QLabel*, resultCount> results;
    QLabel* caption(Input input) const { return captions[static_cast<std::size_t>(input)]; }
    QLineEdit* field(Input input) const { return fields[static_cast<std::size_t>(input)]; }
    QLabel* result(Result row) const { return results[static_cast<std::size_t>(row)]; }

    // Greek letters laid over the leading blanks of some captions, in the order of the overlay
    // tables (control_inventory.h); letter() gives a row's letter or null.
    std::array<QLabel*, 3> parameterLetters;
    std::array<QLabel*, 8> resultLetters;
    QLabel* letter(Input input) const;
    QLabel* letter(Result row) const;

    // Running the experiment.
    QPushButton* startButton;     // start and stop
    QPushButton* magnifierButton; // opens the magnifier
    QCheckBox* resultsFileBox;    // write the results file
    QScrollBar* slowDownBar;      // time slow-down factor
    QLabel* slowDownLabel;        // shows the slow-down factor
    QScrollBar* magnifierZoomBar;

    // Choice between the animation view and the time-graph view.
    QGroupBox* viewFrame;
    QRadioButton* animationOption;
    QRadioButton* graphsOption;

    // Plot panels and the zoom scroll bars of the time graphs.
    PictureBox* planePanel;        // Y-X plane
    PictureBox* animationPanel;    // animation, above the plane
    PictureBox* displacementPanel; // X(t)
    PictureBox* velocityPanel;     // Vx(t)
    PictureBox* energyPanel;       // W(t)
    QScrollBar* displacementZoomBar;
    QScrollBar* velocityZoomBar;
    QScrollBar* energyZoomBar;
};

// Creates every control as a child of `clientArea` with its name, caption, tooltip, font,
// colours and initial state, in the keyboard order of the window.  The scroll bars get their
// ranges when the window connects them (entry/scroll_bars.h).
MainControls buildMainControls(QWidget* clientArea);

} // namespace trelvix
