// The results file: turning "Файл" on writes the header with the parameters as the window shows
// them; the next run then appends a line per step (see the run) and closes the file.

#include "shell/main_window.h"
#include "shell/window_texts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace trelvix {

namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

void MainWindow::Check_p_Click() {
    if (!controls_.Check_p->isChecked()) return;
    // Turning the box on again before a run replaces the file with a fresh header.
    const FileStatus status = resultsFile_.create(headerTexts());
    if (!status.ok) reportFileFailure(status);
}

ParameterTexts MainWindow::headerTexts() const {
    const MainControls& c = controls_;
    ParameterTexts t;
    t.Label1 = utf8(c.Label1->text());
    t.Text1 = utf8(c.Text1->text());
    t.Label4 = utf8(c.Label4->text());
    t.Text4 = utf8(c.Text4->text());
    t.Label7 = utf8(c.Label7->text());
    t.Text7 = utf8(c.Text7->text());
    t.Label8 = utf8(c.Label8->text());
    t.Text8 = utf8(c.Text8->text());
    t.Label2 = utf8(c.Label2->text());
    t.Text2 = utf8(c.Text2->text());
    t.Text3 = utf8(c.Text3->text());
    t.Text5 = utf8(c.Text5->text());
    t.Label6 = utf8(c.Label6->text());
    t.Text6 = utf8(c.Text6->text());
    t.Text9 = utf8(c.Text9->text());
    t.Label18 = utf8(c.Label18->text());
    t.Text18 = utf8(c.Text18->text());
    t.Label19 = utf8(c.Label19->text());
    t.Text19 = utf8(c.Text19->text());
    t.Label20 = utf8(c.Label20->text());
    t.Text20 = utf8(c.Text20->text());
    return t;
}

// A file that cannot be created or written is never a silent success: the student is told which
// file and why, and the box is turned off (nothing stays open).
void MainWindow::reportFileFailure(const FileStatus& status) {
    controls_.Check_p->setChecked(false);
    platform_.messages.inform(texts::errorTitle,
                              texts::fileErrorMessage(QString::fromStdString(resultsFile_.path()),
                                                      QString::fromStdString(status.reason)));
}

} // namespace trelvix
