// The results file: turning "Файл" on writes the header with the parameters as the window shows
// them; the next run then appends a line per step and closes the file.

#include "entry/input_table.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"

#include <QCheckBox>

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

std::array<HeaderRow, allInputs.size()> MainWindow::headerRows() const {
    return resultsFileHeader(document_.inputs());
}

// A file that cannot be created or written is never a silent success: the student is told which
// file and why, and the box is turned off (nothing stays open).
void MainWindow::reportFileFailure(const QString& path, const QString& reason) {
    controls_.resultsFileBox->setChecked(false);
    platform_.messages.inform(texts::errorTitle(), texts::fileErrorMessage(path, reason));
}

} // namespace trelvix
