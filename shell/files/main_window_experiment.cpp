// Experiment files and examples in the window: opening (from the menu, the recent files or the
// command line), saving, and the ready-made examples.  Every text reaches its field as if the
// student had pasted it there at once, so the field's own rules read, refuse and reset it.

#include "model/number_text.h"
#include "shell/files/experiment_entries.h"
#include "shell/files/experiment_file_texts.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/picture_box.h"
#include "shell/widgets/picture_menu.h"
#include "shell/main_window/window_texts.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>

namespace trelvix {

namespace {

const QString experimentFilter = QStringLiteral("Эксперименты (*.trelvix)");
const QString defaultExperimentName = QStringLiteral("эксперимент.trelvix");

} // namespace

void MainWindow::connectExperimentMenus() {
    const ExperimentMenus& m = menus_.experiment;
    connect(m.open, &QAction::triggered, this, &MainWindow::openExperiment);
    connect(m.save, &QAction::triggered, this, &MainWindow::saveExperiment);
    connect(m.recent, &QMenu::aboutToShow, this, &MainWindow::listRecentFiles);
    for (std::size_t i = 0; i < m.presets.size(); ++i)
        connect(m.presets[i], &QAction::triggered, this,
                [this, preset = allPresets[i]] { applyPreset(preset); });
    connect(m.exportCsv, &QAction::triggered, this, &MainWindow::exportTableCsv);
    connect(m.copyTable, &QAction::triggered, this, &MainWindow::copyTable);
    connect(m.report, &QAction::triggered, this, &MainWindow::writeReport);
    connect(m.print, &QAction::triggered, this, &MainWindow::printReport);
    const MainControls& c = controls_;
    for (PictureBox* panel :
         {c.planePanel, c.animationPanel, c.displacementPanel, c.velocityPanel, c.energyPanel})
        addPictureMenu(panel, platform_.files, platform_.messages);
    setExperimentItemsEnabled(true);
}

// Opening and the examples change the fields, which a run locks; the export and the report need
// a run.
void MainWindow::setExperimentItemsEnabled(bool enabled) {
    const ExperimentMenus& m = menus_.experiment;
    for (QAction* item : {m.open, m.recent->menuAction(), m.examples->menuAction()})
        item->setEnabled(enabled);
    for (QAction* item : {m.exportCsv, m.copyTable, m.report, m.print})
        item->setEnabled(enabled && !run_.record().empty());
}

// A text equal to the one shown changes nothing in the field, but its rule must still be
// checked against the other inputs, as the command line does.
void MainWindow::enterFieldText(Input input, const QString& text) {
    QLineEdit* field = controls_.field(input);
    if (field->text() == text)
        fields_.fieldEdited(input);
    else
        field->setText(text);
}

void MainWindow::openExperiment() {
    const QString path =
        platform_.files.fileToOpen(QStringLiteral("Открыть эксперимент"), experimentFilter);
    if (!path.isEmpty()) openExperimentFile(path);
}

// A file that cannot be used, or one with a value its field would refuse, changes nothing and
// stays out of the recent files; names the program does not know are listed in a warning after
// the rest has been loaded.
void MainWindow::openExperimentFile(const QString& path) {
    const ExperimentFileReading reading = readExperimentFile(path.toStdString(), experimentNames());
    if (!reading.ok()) {
        platform_.messages.inform(texts::errorTitle, texts::experimentFileProblem(path, reading));
        return;
    }
    const ExperimentEntries entries = entriesOf(reading);
    if (const auto refused = enterExperiment(entries).refused; !refused.empty()) {
        platform_.messages.inform(texts::errorTitle, texts::experimentValuesRefused(path, refused));
        return;
    }
    for (const InputRow& row : inputTable())
        enterFieldText(row.input,
                       QString::fromStdString(entries.texts[static_cast<std::size_t>(row.input)]));
    if (!entries.unknownNames.isEmpty())
        platform_.messages.inform(warningTitle,
                                  texts::unknownExperimentNames(path, entries.unknownNames));
    document_.setPath(path);
    recentFiles_.add(path);
}

void MainWindow::saveExperiment() {
    QString path = platform_.files.fileToSave(
        QStringLiteral("Сохранить эксперимент"),
        document_.path().isEmpty() ? defaultExperimentName : document_.path(), experimentFilter);
    if (path.isEmpty()) return;
    if (!path.endsWith(QString::fromLatin1(experimentFileExtension.data(),
                                           qsizetype(experimentFileExtension.size()))))
        path += QString::fromLatin1(experimentFileExtension.data(),
                                    qsizetype(experimentFileExtension.size()));
    std::array<std::string, allInputs.size()> shown;
    for (const InputRow& row : inputTable())
        shown[static_cast<std::size_t>(row.input)] = displayText(row, document_.inputs());
    const FileStatus status = saveFileAtomically(path.toStdString(), savedExperiment(shown));
    if (!status.ok) {
        platform_.messages.inform(
            texts::errorTitle,
            texts::experimentSaveFailed(path, QString::fromStdString(status.reason)));
        return;
    }
    document_.setPath(path);
    recentFiles_.add(path);
}

void MainWindow::listRecentFiles() {
    QMenu* menu = menus_.experiment.recent;
    menu->clear();
    const QStringList paths = recentFiles_.paths();
    if (paths.isEmpty()) menu->addAction(QStringLiteral("(список пуст)"))->setEnabled(false);
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), this,
                        [this, path] { openExperimentFile(path); });
    }
}

// The values are written in the general number form; each field then rounds to its own.
void MainWindow::applyPreset(Preset preset) {
    const auto changes = presetValues(preset, document_.characteristics());
    if (changes.empty()) {
        platform_.messages.inform(texts::errorTitle, texts::presetImpossible);
        return;
    }
    for (const auto& [input, value] : changes)
        enterFieldText(input, QString::fromStdString(generalNumber(value)));
}

} // namespace trelvix
