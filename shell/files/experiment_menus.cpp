#include "shell/files/experiment_menus.h"

#include <QMenu>

namespace trelvix {

namespace {

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

QAction* insertItem(QMenu* menu, QAction* before, const char* name, const QString& caption) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->insertAction(before, action);
    return action;
}

QMenu* insertSubmenu(QMenu* menu, QAction* before, const char* name, const QString& caption) {
    auto* submenu = new QMenu(caption, menu);
    submenu->setObjectName(QString::fromLatin1(name));
    menu->insertMenu(before, submenu);
    return submenu;
}

} // namespace

ExperimentMenus buildExperimentMenus(QMenu* file, QAction* before) {
    ExperimentMenus m{};
    file->insertSeparator(before);
    m.open = insertItem(file, before, "mnuFileOpen", QStringLiteral("Открыть эксперимент…"));
    m.open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m.save = insertItem(file, before, "mnuFileSave", QStringLiteral("Сохранить эксперимент…"));
    m.save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m.recent = insertSubmenu(file, before, "mnuFileRecent", QStringLiteral("Последние"));
    m.examples = insertSubmenu(file, before, "mnuFileExamples", QStringLiteral("Примеры"));
    for (std::size_t i = 0; i < m.presets.size(); ++i)
        m.presets[i] = m.examples->addAction(presetCaption(allPresets[i]));
    file->insertSeparator(before);
    m.exportCsv =
        insertItem(file, before, "mnuFileExportCsv", QStringLiteral("Экспорт таблицы (CSV)…"));
    m.copyTable =
        insertItem(file, before, "mnuFileCopyTable", QStringLiteral("Копировать таблицу"));
    file->insertSeparator(before);
    m.report = insertItem(file, before, "mnuFileReport", QStringLiteral("Отчёт (PDF)…"));
    m.print = insertItem(file, before, "mnuFilePrint", QStringLiteral("Печать…"));
    m.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    return m;
}

} // namespace trelvix
