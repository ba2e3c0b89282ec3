#pragma once

// Every control of the main window, under the name that the whole program uses for it.  The
// window creates them once (buildMainControls) and they live as long as the window.

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
    QLabel* Label10;
    QLabel* Label11;

    // Parameter rows: the caption and the input field of each of the twelve inputs, in the order
    // of Input.
    std::array<QLabel*, allInputs.size()> captions;
    std::array<QLineEdit*, allInputs.size()> fields;
    QLabel* caption(Input input) const { return captions[static_cast<std::size_t>(input)]; }
    QLineEdit* field(Input input) const { return fields[static_cast<std::size_t>(input)]; }

    // Greek letters laid over the leading blanks of the captions ρo, η and ν.
    QLabel* Label3_2;
    QLabel* Label5_2;
    QLabel* Label9_2;

    // Result rows: the fifteen characteristics of the motion.
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QLabel* Label22;
    QLabel* Label23;
    QLabel* Label24;
    QLabel* Label25;
    QLabel* Label26;
    QLabel* Label27;
    QLabel* Label28;
    QLabel* Label29;
    QLabel* Label30;

    // Greek letters of the result rows: ρ, δ, ω, ω, ω, Θ, ν, η.
    QLabel* Label12_2;
    QLabel* Label16_2;
    QLabel* Label17_2;
    QLabel* Label22_2;
    QLabel* Label23_2;
    QLabel* Label27_2;
    QLabel* Label29_2;
    QLabel* Label30_2;

    // Running the experiment.
    QPushButton* CmdOK;    // start and stop
    QPushButton* Command1; // opens the magnifier
    QCheckBox* Check_p;    // write the results file
    QScrollBar* HScroll1;  // time slow-down factor
    QLabel* Label21;       // shows the slow-down factor
    QScrollBar* HScroll2;  // zoom of the magnifier

    // Choice between the animation view and the time-graph view.
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;

    // Plot panels and the zoom scroll bars of the time graphs.
    PictureBox* Picture1; // Y-X plane
    PictureBox* Picture2; // animation, above Picture1
    PictureBox* Picture3; // X(t)
    PictureBox* Picture4; // Vx(t)
    PictureBox* Picture6; // W(t)
    QScrollBar* VScroll1;
    QScrollBar* VScroll2;
    QScrollBar* VScroll3;

    // Hidden holders of the menu pictures.
    QLabel* Picture5;
    QLabel* Picture8;
    QLabel* Picture9;
    QLabel* Picture10;
    QLabel* Picture11;
    QLabel* Picture12;
    QLabel* Picture13;
};

// Creates every control as a child of `clientArea` with its name, caption, tooltip, font,
// colours and initial state, in the keyboard order of the window.  The scroll bars get their
// ranges when the window connects them (entry/scroll_bars.h).
MainControls buildMainControls(QWidget* clientArea);

} // namespace trelvix
