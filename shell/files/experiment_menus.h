#pragma once

// The items of the «Файл» menu that deal with experiments and the last run: opening and saving
// experiment files, the recent files, the ready-made examples, the export of the last run and its
// lab report.

#include "model/experiment_presets.h"

#include <array>

class QAction;
class QMenu;

namespace trelvix {

struct ExperimentMenus {
    QAction* open;
    QAction* save;
    QMenu* recent; // filled each time it opens
    QMenu* examples;
    std::array<QAction*, std::size(allPresets)> presets; // in the order of allPresets
    QAction* exportCsv;
    QAction* copyTable;
    QAction* report;
    QAction* print;
};

} // namespace trelvix
