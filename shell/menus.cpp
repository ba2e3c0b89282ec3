#include "shell/menus.h"

#include "shell/main_controls.h"

#include <QLabel>
#include <QMenuBar>

namespace trelvix {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

void attach(QMenu* menu, int position, const QLabel* holder) {
    menu->actions().at(position)->setIcon(QIcon(holder->pixmap()));
}

} // namespace

MainMenus buildMenus(QMenuBar* bar) {
    MainMenus m{};
    m.mnuFile = addMenu(bar, "mnuFile", QStringLiteral("&Файл"));
    m.mnuFilespravka = addItem(m.mnuFile, "mnuFilespravka", QStringLiteral("Справка"));
    m.mnuFilespravka->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m.mnuFilespravka2 = addItem(m.mnuFile, "mnuFilespravka2", QStringLiteral("Справка2"));
    m.mnuHelpSep1 = addSeparator(m.mnuFile, "mnuHelpSep1");
    m.mnuFileExit = addItem(m.mnuFile, "mnuFileExit", QStringLiteral("Выход"));

    m.mnuResearch = addMenu(bar, "mnuResearch", QStringLiteral("&Исследование"));

    m.mnuHelp = addMenu(bar, "mnuHelp", QStringLiteral("&Помощь"));
    m.mnuHelpInstruction = addItem(m.mnuHelp, "mnuHelpInstruction", QStringLiteral("Инструкция"));
    m.mnuHelpUprav = addItem(m.mnuHelp, "mnuHelpUprav", QStringLiteral("Управление"));
    m.mnuHelpSep2 = addSeparator(m.mnuHelp, "mnuHelpSep2");
    m.mnuHelpAvtors = addItem(m.mnuHelp, "mnuHelpAvtors", QStringLiteral("Авторы"));
    m.mnuHelpAbout = addItem(m.mnuHelp, "mnuHelpAbout", QStringLiteral("О программе"));
    return m;
}

void attachMenuPictures(const MainMenus& menus, const MainControls& c) {
    attach(menus.mnuFile, 0, c.Picture8);
    attach(menus.mnuFile, 1, c.Picture10);
    attach(menus.mnuFile, 3, c.Picture5);

    attach(menus.mnuHelp, 0, c.Picture13);
    attach(menus.mnuHelp, 1, c.Picture12);
    attach(menus.mnuHelp, 3, c.Picture9);
    attach(menus.mnuHelp, 4, c.Picture11);
}

} // namespace trelvix
