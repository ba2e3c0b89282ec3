#include "shell/files/experiment_files_controller.h"

#include "model/number_text.h"
#include "shell/files/experiment_entries.h"
#include "shell/files/experiment_file_texts.h"
#include "shell/files/save_through_dialog.h"
#include "shell/main_window/window_texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace trelvix {

namespace {

QString experimentFilter() {
    return ExperimentFilesController::tr("Эксперименты (*.trelvix)");
}

} // namespace

ExperimentFilesController::ExperimentFilesController(const Platform& platform,
                                                     ExperimentDocument& document,
                                                     const ExperimentMenus& menus, EnterText enter,
                                                     QObject* parent)
    : QObject(parent), platform_(platform), document_(document), menus_(menus),
      enter_(std::move(enter)) {
    connect(menus_.open, &QAction::triggered, this, &ExperimentFilesController::openExperiment);
    connect(menus_.save, &QAction::triggered, this, &ExperimentFilesController::saveExperiment);
    connect(menus_.recent, &QMenu::aboutToShow, this, &ExperimentFilesController::listRecentFiles);
    for (std::size_t i = 0; i < menus_.presets.size(); ++i)
        connect(menus_.presets[i], &QAction::triggered, this,
                [this, preset = allPresets[i]] { applyPreset(preset); });
}

void ExperimentFilesController::openExperiment() {
    const QString path = platform_.files.fileToOpen(tr("Открыть эксперимент"), experimentFilter());
    if (!path.isEmpty()) openExperimentFile(path);
}

void ExperimentFilesController::openExperimentFile(const QString& path) {
    const ExperimentFileReading reading = readExperimentFile(path.toStdString(), experimentNames());
    if (!reading.ok()) {
        platform_.messages.inform(texts::errorTitle(), texts::experimentFileProblem(path, reading));
        return;
    }
    const ExperimentEntries entries = entriesOf(reading);
    if (const auto refused = enterExperiment(entries).refused; !refused.empty()) {
        platform_.messages.inform(texts::errorTitle(),
                                  texts::experimentValuesRefused(path, refused));
        return;
    }
    for (const InputRow& row : inputTable())
        enter_(row.input,
               QString::fromStdString(entries.texts[static_cast<std::size_t>(row.input)]));
    if (!entries.unknownNames.isEmpty())
        platform_.messages.inform(warningTitle(),
                                  texts::unknownExperimentNames(path, entries.unknownNames));
    document_.setPath(path);
    recentFiles_.add(path);
}

void ExperimentFilesController::saveExperiment() {
    std::array<std::string, allInputs.size()> shown;
    for (const InputRow& row : inputTable())
        shown[static_cast<std::size_t>(row.input)] = displayText(row, document_.inputs());
    const SaveOffer offer{tr("Сохранить эксперимент"),
                          document_.path().isEmpty() ? tr("эксперимент.trelvix") : document_.path(),
                          experimentFilter(),
                          {QString::fromLatin1(experimentFileExtension.data(),
                                               qsizetype(experimentFileExtension.size()))},
                          texts::experimentSaveFailed};
    const QString path = saveThroughDialog(platform_, offer, [&](const QString&) {
        return QByteArray::fromStdString(savedExperiment(shown));
    });
    if (path.isEmpty()) return;
    document_.setPath(path);
    recentFiles_.add(path);
}

void ExperimentFilesController::listRecentFiles() {
    QMenu* menu = menus_.recent;
    menu->clear();
    const QStringList paths = recentFiles_.paths();
    if (paths.isEmpty()) {
        const QString empty = tr("(список пуст)");
        menu->addAction(empty)->setEnabled(false);
    }
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), this,
                        [this, path] { openExperimentFile(path); });
    }
}

void ExperimentFilesController::applyPreset(Preset preset) {
    const auto changes = presetValues(preset, document_.characteristics());
    if (changes.empty()) {
        platform_.messages.inform(texts::errorTitle(), texts::presetImpossible());
        return;
    }
    for (const auto& [input, value] : changes)
        enter_(input, QString::fromStdString(generalNumber(value)));
}

} // namespace trelvix
