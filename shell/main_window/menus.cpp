#include "shell/main_window/menus.h"

#include "shell/main_window/window_texts.h"
#include "shell/widgets/assets.h"

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
    QString text;
    QList<QKeySequence> keys;
    const char* picture; // the item's menu picture, or null
    QAction** (*item)(MainMenus&);
    QMenu** (*submenu)(MainMenus&);
    EnabledWhen enabled;
};

using M = MainMenus;
using enum EnabledWhen;

MenuRow item(Bar bar, const char* name, const QString& text, QAction** (*slot)(M&),
             EnabledWhen enabled = Always, QList<QKeySequence> keys = {},
             const char* picture = nullptr) {
    return {bar, name, text, std::move(keys), picture, slot, nullptr, enabled};
}
MenuRow separator(Bar bar, QAction** (*slot)(M&) = nullptr, const char* name = nullptr) {
    return {bar, name, {}, {}, nullptr, slot, nullptr, Always};
}
MenuRow submenu(Bar bar, const char* name, const QString& text, QMenu** (*slot)(M&)) {
    return {bar, name, text, {}, nullptr, nullptr, slot, Idle};
}

const std::vector<MenuRow>& menuTable() {
    using enum Bar;
    using K = QKeySequence;
    static const std::vector<MenuRow> rows{
        item(
            File, "mnuFilespravka", QStringLiteral("Справка"),
            [](M& m) { return &m.mnuFilespravka; }, Always, {K(Qt::CTRL | Qt::Key_S)}, "reference"),
        item(
            File, "mnuFilespravka2", QStringLiteral("Справка2"),
            [](M& m) { return &m.mnuFilespravka2; }, Always, {}, "reference2"),
        separator(File),
        item(File, "mnuFileOpen", QStringLiteral("Открыть эксперимент…"),
             [](M& m) { return &m.experiment.open; }, Idle, {K(Qt::CTRL | Qt::Key_O)}),
        item(File, "mnuFileSave", QStringLiteral("Сохранить эксперимент…"),
             [](M& m) { return &m.experiment.save; }, Always,
             {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
        submenu(File, "mnuFileRecent", QStringLiteral("Последние"),
                [](M& m) { return &m.experiment.recent; }),
        submenu(File, "mnuFileExamples", QStringLiteral("Примеры"),
                [](M& m) { return &m.experiment.examples; }),
        separator(File),
        item(
            File, "mnuFileExportCsv", QStringLiteral("Экспорт таблицы (CSV)…"),
            [](M& m) { return &m.experiment.exportCsv; }, IdleAfterRun),
        item(
            File, "mnuFileCopyTable", QStringLiteral("Копировать таблицу"),
            [](M& m) { return &m.experiment.copyTable; }, IdleAfterRun),
        separator(File),
        item(
            File, "mnuFileReport", QStringLiteral("Отчёт (PDF)…"),
            [](M& m) { return &m.experiment.report; }, IdleAfterRun),
        item(File, "mnuFilePrint", QStringLiteral("Печать…"),
             [](M& m) { return &m.experiment.print; }, IdleAfterRun, {K(Qt::CTRL | Qt::Key_P)}),
        separator(
            File, [](M& m) { return &m.mnuHelpSep1; }, "mnuHelpSep1"),
        item(
            File, "mnuFileExit", QStringLiteral("Выход"), [](M& m) { return &m.mnuFileExit; },
            Always, {}, "exit"),

        item(Research, "mnuResearchResonance", QStringLiteral("Резонансная кривая"),
             [](M& m) { return &m.mnuResearchResonance; }, Always, {K(Qt::CTRL | Qt::Key_R)}),
        item(Research, "mnuRunPause", QStringLiteral("Пауза"),
             [](M& m) { return &m.run.mnuRunPause; }, Running, {K(Qt::Key_F5), K(Qt::Key_Pause)}),
        // F5 continues a held run too; the item shows the key without taking it from «Пауза».
        item(
            Research, "mnuRunContinue", QStringLiteral("Продолжить\tF5"),
            [](M& m) { return &m.run.mnuRunContinue; }, Held),
        item(Research, "mnuRunStep", QStringLiteral("Шаг"), [](M& m) { return &m.run.mnuRunStep; },
             Held, {K(Qt::Key_F6)}),
        separator(Research),
        item(
            Research, "mnuRunKeep", QStringLiteral("Запомнить прогон"),
            [](M& m) { return &m.run.mnuRunKeep; }, IdleAfterRun),
        item(
            Research, "mnuRunForget", QStringLiteral("Забыть прогоны"),
            [](M& m) { return &m.run.mnuRunForget; }, IdleWithKeptRuns),
        separator(Research),
        item(Research, "mnuPhasePortrait", QStringLiteral("Фазовый портрет"),
             [](M& m) { return &m.run.mnuPhasePortrait; }),
        item(Research, "mnuMeasurements", QStringLiteral("Измерения"),
             [](M& m) { return &m.run.mnuMeasurements; }),

        item(
            Help, "mnuHelpInstruction", QStringLiteral("Инструкция"),
            [](M& m) { return &m.mnuHelpInstruction; }, Always, {}, "instruction"),
        item(
            Help, "mnuHelpUprav", QStringLiteral("Управление"),
            [](M& m) { return &m.mnuHelpUprav; }, Always, {}, "controls"),
        separator(
            Help, [](M& m) { return &m.mnuHelpSep2; }, "mnuHelpSep2"),
        item(
            Help, "mnuHelpAvtors", texts::authorsTitle, [](M& m) { return &m.mnuHelpAvtors; },
            Always, {}, "authors"),
        item(
            Help, "mnuHelpAbout", QStringLiteral("О программе"),
            [](M& m) { return &m.mnuHelpAbout; }, Always, {}, "about"),
    };
    return rows;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void addRow(QMenu* menu, const MenuRow& row, MainMenus& m) {
    QAction* action = nullptr;
    if (row.submenu) {
        *row.submenu(m) = menu->addMenu(row.text);
        (*row.submenu(m))->setObjectName(QString::fromLatin1(row.name));
        return;
    }
    action = row.text.isEmpty() ? menu->addSeparator() : menu->addAction(row.text);
    if (row.name) action->setObjectName(QString::fromLatin1(row.name));
    action->setShortcuts(row.keys);
    if (row.picture) action->setIcon(assets::menuPicture(row.picture));
    if (row.item) *row.item(m) = action;
}

// The ready-made examples, one item each, in the order of allPresets.
QString presetCaption(Preset preset) {
    switch (preset) {
    case Preset::CriticalViscosity:
        return QStringLiteral("Критическая вязкость (η = ηкр)");
    case Preset::DriveAtResonance:
        return QStringLiteral("Вынуждающая сила на резонансе (ν = νr)");
    case Preset::NoDrive:
        return QStringLiteral("Без вынуждающей силы (Xm = 0)");
    case Preset::Vacuum:
        return QStringLiteral("Вакуум (ρ = 0, η = 0)");
    case Preset::Beats:
        return QStringLiteral("Биения (ν на 5 % выше νo)");
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
    m.mnuFile = addMenu(bar, "mnuFile", QStringLiteral("&Файл"));
    m.mnuResearch = addMenu(bar, "mnuResearch", QStringLiteral("&Исследование"));
    m.mnuHelp = addMenu(bar, "mnuHelp", QStringLiteral("&Помощь"));
    for (const MenuRow& row : menuTable())
        addRow(row.bar == Bar::File       ? m.mnuFile
               : row.bar == Bar::Research ? m.mnuResearch
                                          : m.mnuHelp,
               row, m);
    for (std::size_t i = 0; i < m.experiment.presets.size(); ++i)
        m.experiment.presets[i] = m.experiment.examples->addAction(presetCaption(allPresets[i]));
    return m;
}

void enableMenus(const MainMenus& menus, const MenuState& state) {
    MainMenus m = menus;
    for (const MenuRow& row : menuTable()) {
        QAction* action = row.submenu ? (*row.submenu(m))->menuAction()
                          : row.item  ? *row.item(m)
                                      : nullptr;
        if (action && !action->isSeparator()) action->setEnabled(enabledIn(row.enabled, state));
    }
}

} // namespace trelvix
