#pragma once

// The menu bar of the main window.  Every item is a named action; the commands behind them are
// connected by the window.

#include "shell/experiment_menus.h"

class QAction;
class QMenu;
class QMenuBar;

namespace trelvix {

struct MainControls;

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

// Puts the picture of each bitmap holder on its menu item, by the item's position in its menu.
void attachMenuPictures(const MainMenus& menus, const MainControls& controls);

} // namespace trelvix
