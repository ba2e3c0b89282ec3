#pragma once

// Every control of the main window, under the name that the whole program uses for it.  The
// window creates them once (buildMainControls) and they live as long as the window.

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class QWidget;

namespace trelvix {

class PictureBox;

struct MainControls {
    // Headings of the two columns of the right-hand block.
    QLabel* Label10;
    QLabel* Label11;

    // Parameter rows: the caption and the input field of each of the twelve inputs.
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label9;
    QLabel* Label18;
    QLabel* Label19;
    QLabel* Label20;
    QLineEdit* Text1;
    QLineEdit* Text4;
    QLineEdit* Text7;
    QLineEdit* Text8;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text9;
    QLineEdit* Text18;
    QLineEdit* Text19;
    QLineEdit* Text20;

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

    // Paces a run.
    QTimer* Timer1;
};

// Creates every control as a child of `clientArea` with its name, caption, tooltip, font,
// colours and initial state, in the keyboard order of the window.
MainControls buildMainControls(QWidget* clientArea);

} // namespace trelvix
