#pragma once

// The menu bar of the main window, built from one table of actions (main_window/menus.cpp): each
// item's menu, name, text, keys, picture and when it is enabled.  The commands behind the items
// are connected by the controllers that own them.

#include "shell/files/experiment_menus.h"
#include "shell/run/run_controller.h"
#include "shell/run/run_menu.h"

class QAction;
class QMenu;
class QMenuBar;

namespace trelvix {

struct MainMenus {
    QMenu* mnuFile;
    QAction* mnuFilespravka;
    QAction* mnuFilespravka2;
    ExperimentMenus experiment;
    QMenu* mnuFileLanguage;
    QAction* mnuHelpSep1;
    QAction* mnuFileExit;

    QMenu* mnuResearch;
    QAction* mnuResearchResonance;
    RunMenuItems run;

    QMenu* mnuHelp;
    QAction* mnuHelpInstruction;
    QAction* mnuHelpUprav;
    QAction* mnuHelpSep2;
    QAction* mnuHelpAvtors;
    QAction* mnuHelpAbout;
};

MainMenus buildMenus(QMenuBar* bar);
// Sets every text of the menus in the current language.
void retranslateMenus(const MainMenus& menus);

// What the items' enabling depends on.
struct MenuState {
    RunPhase phase = RunPhase::Idle;
    bool hasLastRun = false;
    bool hasKeptRuns = false;
};

// An item is offered only when it does something: holding needs a run, continuing and stepping
// a held one; opening a file or an example changes the fields, which a run locks; the export and
// keeping need a finished run, forgetting kept runs; neither may clear the plots under a run.
void enableMenus(const MainMenus& menus, const MenuState& state);

} // namespace trelvix
