// The results file: turning "Файл" on writes the header with the parameters as the window shows
// them; the next run then appends a line per step and closes the file.

#include "entry/input_table.h"
#include "shell/main_window.h"
#include "shell/window_texts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace trelvix {

void MainWindow::resultsFileToggled(bool on) {
    if (!on) {
        run_.stopRecording();
        return;
    }
    // Turning the box on again before a run replaces the file with a fresh header.
    const FileStatus status = run_.startRecording(headerRows());
    if (!status.ok)
        reportFileFailure(QString::fromStdString(run_.resultsFile().path()),
                          QString::fromStdString(status.reason));
}

// Each input's line: its fixed key or the caption of its row, and the text of its field.
std::array<HeaderRow, allInputs.size()> MainWindow::headerRows() const {
    std::array<HeaderRow, allInputs.size()> rows;
    for (const InputRow& row : inputTable()) {
        const std::string key = row.resultsFileKey
                                    ? std::string(row.resultsFileKey)
                                    : controls_.caption(row.input)->text().toStdString();
        rows[static_cast<std::size_t>(row.input)] = {
            key, controls_.field(row.input)->text().toStdString()};
    }
    return rows;
}

// A file that cannot be created or written is never a silent success: the student is told which
// file and why, and the box is turned off (nothing stays open).
void MainWindow::reportFileFailure(const QString& path, const QString& reason) {
    controls_.Check_p->setChecked(false);
    platform_.messages.inform(texts::errorTitle, texts::fileErrorMessage(path, reason));
}

} // namespace trelvix
