#include "shell/main_window/menus.h"

#include "shell/main_window/window_texts.h"
#include "shell/widgets/assets.h"

#include <QMenuBar>

namespace trelvix {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// `picture` names the item's menu picture, or is null for an item without one.
QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                 const char* picture = nullptr) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (picture) action->setIcon(assets::menuPicture(picture));
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

} // namespace

MainMenus buildMenus(QMenuBar* bar) {
    MainMenus m{};
    m.mnuFile = addMenu(bar, "mnuFile", QStringLiteral("&Файл"));
    m.mnuFilespravka = addItem(m.mnuFile, "mnuFilespravka", QStringLiteral("Справка"), "reference");
    m.mnuFilespravka->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m.mnuFilespravka2 =
        addItem(m.mnuFile, "mnuFilespravka2", QStringLiteral("Справка2"), "reference2");
    m.mnuHelpSep1 = addSeparator(m.mnuFile, "mnuHelpSep1");
    m.mnuFileExit = addItem(m.mnuFile, "mnuFileExit", QStringLiteral("Выход"), "exit");
    m.experiment = buildExperimentMenus(m.mnuFile, m.mnuHelpSep1);

    m.mnuResearch = addMenu(bar, "mnuResearch", QStringLiteral("&Исследование"));
    m.mnuResearchResonance =
        addItem(m.mnuResearch, "mnuResearchResonance", QStringLiteral("Резонансная кривая"));
    m.mnuResearchResonance->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    m.mnuHelp = addMenu(bar, "mnuHelp", QStringLiteral("&Помощь"));
    m.mnuHelpInstruction =
        addItem(m.mnuHelp, "mnuHelpInstruction", QStringLiteral("Инструкция"), "instruction");
    m.mnuHelpUprav = addItem(m.mnuHelp, "mnuHelpUprav", QStringLiteral("Управление"), "controls");
    m.mnuHelpSep2 = addSeparator(m.mnuHelp, "mnuHelpSep2");
    m.mnuHelpAvtors = addItem(m.mnuHelp, "mnuHelpAvtors", texts::authorsTitle, "authors");
    m.mnuHelpAbout = addItem(m.mnuHelp, "mnuHelpAbout", QStringLiteral("О программе"), "about");
    return m;
}

} // namespace trelvix
