#pragma once

// Experiment files and examples: opening (from the menu, the recent files or the command line),
// saving, and the ready-made examples.  Every text reaches its field as if the student had
// pasted it there at once, so the field's own rules read, refuse and reset it.

#include "model/experiment_presets.h"
#include "platform/platform.h"
#include "shell/document/experiment_document.h"
#include "shell/files/experiment_menus.h"
#include "shell/files/recent_files.h"

#include <QObject>
#include <functional>

namespace trelvix {

class ExperimentFilesController : public QObject {
    Q_OBJECT
public:
    // Writes a text into the field of an input, through the field's rules.
    using EnterText = std::function<void(Input input, const QString& text)>;

    ExperimentFilesController(const Platform& platform, ExperimentDocument& document,
                              const ExperimentMenus& menus, EnterText enter, QObject* parent);

    void openExperiment();
    // A file that cannot be used, or one with a value its field would refuse, changes nothing
    // and stays out of the recent files; names the program does not know are listed in a
    // warning after the rest has been loaded.
    void openExperimentFile(const QString& path);
    void saveExperiment();
    // The values are written in the general number form; each field then rounds to its own.
    void applyPreset(Preset preset);

private:
    void listRecentFiles();

    Platform platform_;
    ExperimentDocument& document_;
    ExperimentMenus menus_;
    EnterText enter_;
    RecentFiles recentFiles_;
};

} // namespace trelvix
