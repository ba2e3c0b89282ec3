#pragma once

// The menu bar of the main window.  Every item is a named action; the commands behind them are
// connected by the window.

#include "shell/files/experiment_menus.h"

class QAction;
class QMenu;
class QMenuBar;

namespace trelvix {

struct MainMenus {
    QMenu* mnuFile;
    QAction* mnuFilespravka;
    QAction* mnuFilespravka2;
    ExperimentMenus experiment;
    QAction* mnuHelpSep1;
    QAction* mnuFileExit;

    QMenu* mnuResearch; // items without pictures; the study of runs adds its own
    QAction* mnuResearchResonance;

    QMenu* mnuHelp;
    QAction* mnuHelpInstruction;
    QAction* mnuHelpUprav;
    QAction* mnuHelpSep2;
    QAction* mnuHelpAvtors;
    QAction* mnuHelpAbout;
};

MainMenus buildMenus(QMenuBar* bar);

} // namespace trelvix
