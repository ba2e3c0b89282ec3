#include "shell/run/run_menu.h"

#include <QAction>
#include <QMenu>

namespace trelvix {

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                 const QList<QKeySequence>& keys = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

} // namespace

RunMenuItems addRunItems(QMenu* research) {
    RunMenuItems items{};
    items.mnuRunPause = addItem(research, "mnuRunPause", QStringLiteral("Пауза"),
                                {QKeySequence(Qt::Key_F5), QKeySequence(Qt::Key_Pause)});
    // F5 continues a held run too; the item shows the key without taking it from «Пауза».
    items.mnuRunContinue = addItem(research, "mnuRunContinue", QStringLiteral("Продолжить\tF5"));
    items.mnuRunStep =
        addItem(research, "mnuRunStep", QStringLiteral("Шаг"), {QKeySequence(Qt::Key_F6)});
    research->addSeparator();
    items.mnuRunKeep = addItem(research, "mnuRunKeep", QStringLiteral("Запомнить прогон"));
    items.mnuRunForget = addItem(research, "mnuRunForget", QStringLiteral("Забыть прогоны"));
    research->addSeparator();
    items.mnuPhasePortrait =
        addItem(research, "mnuPhasePortrait", QStringLiteral("Фазовый портрет"));
    items.mnuMeasurements = addItem(research, "mnuMeasurements", QStringLiteral("Измерения"));
    return items;
}

} // namespace trelvix
