#include "shell/main_window/menus.h"

#include "shell/widgets/assets.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <vector>

namespace trelvix {

namespace {

enum class Bar { File, Research, Help };
enum class EnabledWhen { Always, Idle, Running, Held, IdleAfterRun, IdleWithKeptRuns };

// One row of the menus, in their order.  A row without a text is a separator; a row with a
// submenu slot is a submenu; every other row is an item whose action lands in its slot.
struct MenuRow {
    Bar bar;
    const char* name; // object name; null for an unnamed separator
    const char* text; // the source of the translated text; null for a separator
    QList<QKeySequence> keys;
    const char* picture; // the item's menu picture, or null
    QAction** (*item)(MainMenus&);
    QMenu** (*submenu)(MainMenus&);
    EnabledWhen enabled;
};

using M = MainMenus;
using enum EnabledWhen;

MenuRow item(Bar bar, const char* name, const char* text, QAction** (*slot)(M&),
             EnabledWhen enabled = Always, QList<QKeySequence> keys = {},
             const char* picture = nullptr) {
    return {bar, name, text, std::move(keys), picture, slot, nullptr, enabled};
}
MenuRow separator(Bar bar, QAction** (*slot)(M&) = nullptr, const char* name = nullptr) {
    return {bar, name, nullptr, {}, nullptr, slot, nullptr, Always};
}
MenuRow submenu(Bar bar, const char* name, const char* text, QMenu** (*slot)(M&)) {
    return {bar, name, text, {}, nullptr, nullptr, slot, Idle};
}

// The texts are translated in the context of the menus.
struct MenuTexts {
    Q_DECLARE_TR_FUNCTIONS(trelvix::MainMenus)
public:
    static const std::vector<MenuRow>& table();
    static QString presetCaption(Preset preset);
};

const std::vector<MenuRow>& MenuTexts::table() {
    using enum Bar;
    using K = QKeySequence;
    static const std::vector<MenuRow> rows{
        item(
            File, "mnuFilespravka", QT_TR_NOOP("Справка"), [](M& m) { return &m.mnuFilespravka; },
            Always, {K(Qt::CTRL | Qt::Key_S)}, "reference"),
        item(
            File, "mnuFilespravka2", QT_TR_NOOP("Справка2"),
            [](M& m) { return &m.mnuFilespravka2; }, Always, {}, "reference2"),
        separator(File),
        item(File, "mnuFileOpen", QT_TR_NOOP("Открыть эксперимент…"),
             [](M& m) { return &m.experiment.open; }, Idle, {K(Qt::CTRL | Qt::Key_O)}),
        item(File, "mnuFileSave", QT_TR_NOOP("Сохранить эксперимент…"),
             [](M& m) { return &m.experiment.save; }, Always,
             {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
        submenu(File, "mnuFileRecent", QT_TR_NOOP("Последние"),
                [](M& m) { return &m.experiment.recent; }),
        submenu(File, "mnuFileExamples", QT_TR_NOOP("Примеры"),
                [](M& m) { return &m.experiment.examples; }),
        separator(File),
        item(
            File, "mnuFileExportCsv", QT_TR_NOOP("Экспорт таблицы (CSV)…"),
            [](M& m) { return &m.experiment.exportCsv; }, IdleAfterRun),
        item(
            File, "mnuFileCopyTable", QT_TR_NOOP("Копировать таблицу"),
            [](M& m) { return &m.experiment.copyTable; }, IdleAfterRun),
        separator(File),
        item(
            File, "mnuFileReport", QT_TR_NOOP("Отчёт (PDF)…"),
            [](M& m) { return &m.experiment.report; }, IdleAfterRun),
        item(File, "mnuFilePrint", QT_TR_NOOP("Печать…"), [](M& m) { return &m.experiment.print; },
             IdleAfterRun, {K(Qt::CTRL | Qt::Key_P)}),
        submenu(File, "mnuFileLanguage", QT_TR_NOOP("Язык"),
                [](M& m) { return &m.mnuFileLanguage; }),
        separator(
            File, [](M& m) { return &m.mnuHelpSep1; }, "mnuHelpSep1"),
        item(
            File, "mnuFileExit", QT_TR_NOOP("Выход"), [](M& m) { return &m.mnuFileExit; }, Always,
            {}, "exit"),

        item(Research, "mnuResearchResonance", QT_TR_NOOP("Резонансная кривая"),
             [](M& m) { return &m.mnuResearchResonance; }, Always, {K(Qt::CTRL | Qt::Key_R)}),
        item(Research, "mnuRunPause", QT_TR_NOOP("Пауза"), [](M& m) { return &m.run.mnuRunPause; },
             Running, {K(Qt::Key_F5), K(Qt::Key_Pause)}),
        // F5 continues a held run too; the item shows the key without taking it from «Пауза».
        item(
            Research, "mnuRunContinue", QT_TR_NOOP("Продолжить\tF5"),
            [](M& m) { return &m.run.mnuRunContinue; }, Held),
        item(Research, "mnuRunStep", QT_TR_NOOP("Шаг"), [](M& m) { return &m.run.mnuRunStep; },
             Held, {K(Qt::Key_F6)}),
        separator(Research),
        item(
            Research, "mnuRunKeep", QT_TR_NOOP("Запомнить прогон"),
            [](M& m) { return &m.run.mnuRunKeep; }, IdleAfterRun),
        item(
            Research, "mnuRunForget", QT_TR_NOOP("Забыть прогоны"),
            [](M& m) { return &m.run.mnuRunForget; }, IdleWithKeptRuns),
        separator(Research),
        item(Research, "mnuPhasePortrait", QT_TR_NOOP("Фазовый портрет"),
             [](M& m) { return &m.run.mnuPhasePortrait; }),
        item(Research, "mnuMeasurements", QT_TR_NOOP("Измерения"),
             [](M& m) { return &m.run.mnuMeasurements; }),

        item(
            Help, "mnuHelpInstruction", QT_TR_NOOP("Инструкция"),
            [](M& m) { return &m.mnuHelpInstruction; }, Always, {}, "instruction"),
        item(
            Help, "mnuHelpUprav", QT_TR_NOOP("Управление"), [](M& m) { return &m.mnuHelpUprav; },
            Always, {}, "controls"),
        separator(
            Help, [](M& m) { return &m.mnuHelpSep2; }, "mnuHelpSep2"),
        item(
            Help, "mnuHelpAvtors", QT_TR_NOOP("Авторы"), [](M& m) { return &m.mnuHelpAvtors; },
            Always, {}, "authors"),
        item(
            Help, "mnuHelpAbout", QT_TR_NOOP("О программе"), [](M& m) { return &m.mnuHelpAbout; },
            Always, {}, "about"),
    };
    return rows;
}

QMenu* addMenu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void addRow(QMenu* menu, const MenuRow& row, MainMenus& m) {
    QAction* action = nullptr;
    if (row.submenu) {
        *row.submenu(m) = menu->addMenu(QString());
        (*row.submenu(m))->setObjectName(QString::fromLatin1(row.name));
        return;
    }
    action = row.text ? menu->addAction(QString()) : menu->addSeparator();
    if (row.name) action->setObjectName(QString::fromLatin1(row.name));
    action->setShortcuts(row.keys);
    if (row.picture) action->setIcon(assets::menuPicture(row.picture));
    if (row.item) *row.item(m) = action;
}

// The ready-made examples, one item each, in the order of allPresets.
QString MenuTexts::presetCaption(Preset preset) {
    switch (preset) {
    case Preset::CriticalViscosity:
        return tr("Критическая вязкость (η = ηкр)");
    case Preset::DriveAtResonance:
        return tr("Вынуждающая сила на резонансе (ν = νr)");
    case Preset::NoDrive:
        return tr("Без вынуждающей силы (Xm = 0)");
    case Preset::Vacuum:
        return tr("Вакуум (ρ = 0, η = 0)");
    case Preset::Beats:
        return tr("Биения (ν на 5 % выше νo)");
    }
    return {};
}

bool enabledIn(EnabledWhen when, const MenuState& s) {
    const bool idle = s.phase == RunPhase::Idle;
    switch (when) {
    case Always:
        return true;
    case Idle:
        return idle;
    case Running:
        return !idle;
    case Held:
        return s.phase == RunPhase::Held;
    case IdleAfterRun:
        return idle && s.hasLastRun;
    case IdleWithKeptRuns:
        return idle && s.hasKeptRuns;
    }
    return true;
}

} // namespace

MainMenus buildMenus(QMenuBar* bar) {
    MainMenus m{};
    m.mnuFile = addMenu(bar, "mnuFile");
    m.mnuResearch = addMenu(bar, "mnuResearch");
    m.mnuHelp = addMenu(bar, "mnuHelp");
    for (const MenuRow& row : MenuTexts::table())
        addRow(row.bar == Bar::File       ? m.mnuFile
               : row.bar == Bar::Research ? m.mnuResearch
                                          : m.mnuHelp,
               row, m);
    for (std::size_t i = 0; i < m.experiment.presets.size(); ++i)
        m.experiment.presets[i] = m.experiment.examples->addAction(QString());
    retranslateMenus(m);
    return m;
}

void retranslateMenus(const MainMenus& menus) {
    MainMenus m = menus;
    m.mnuFile->setTitle(MenuTexts::tr("&Файл"));
    m.mnuResearch->setTitle(MenuTexts::tr("&Исследование"));
    m.mnuHelp->setTitle(MenuTexts::tr("&Помощь"));
    for (const MenuRow& row : MenuTexts::table()) {
        if (!row.text) continue;
        if (row.submenu)
            (*row.submenu(m))->setTitle(MenuTexts::tr(row.text));
        else
            (*row.item(m))->setText(MenuTexts::tr(row.text));
    }
    for (std::size_t i = 0; i < m.experiment.presets.size(); ++i)
        m.experiment.presets[i]->setText(MenuTexts::presetCaption(allPresets[i]));
}

void enableMenus(const MainMenus& menus, const MenuState& state) {
    MainMenus m = menus;
    for (const MenuRow& row : MenuTexts::table()) {
        QAction* action = row.submenu ? (*row.submenu(m))->menuAction()
                          : row.item  ? *row.item(m)
                                      : nullptr;
        if (action && !action->isSeparator()) action->setEnabled(enabledIn(row.enabled, state));
    }
}

} // namespace trelvix
