#pragma once

// The menu bar of the main window.  Every item is a named action; the commands behind them are
// connected by the window.

class QAction;
class QMenu;
class QMenuBar;

namespace trelvix {

struct MainControls;

struct MainMenus {
    QMenu* mnuFile;
    QAction* mnuFilespravka;
    QAction* mnuFilespravka2;
    QAction* mnuHelpSep1;
    QAction* mnuFileExit;

    QMenu* mnuResearch; // the study of runs; its items are added by the parts that serve them

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
