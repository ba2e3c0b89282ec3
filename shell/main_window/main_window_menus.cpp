// The menus the window answers itself (the resonance curve and ending the program with a
// confirmation); the help and the language have controllers of their own.

#include "shell/help/help_controller.h"
#include "shell/language/language_controller.h"
#include "shell/main_window/control_texts.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"
#include "shell/research/phase_portrait_window.h"
#include "shell/research/research_controller.h"
#include "shell/resonance/resonance_window.h"
#include "shell/widgets/magnifier_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>

namespace trelvix {

void MainWindow::connectMenus() {
    features_.help = new HelpController(platform_, menus_, this);
    features_.language = new LanguageController(platform_, menus_.mnuFileLanguage, this);
    connect(menus_.mnuFileExit, &QAction::triggered, this, &MainWindow::close); // asks as the box
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

// The captions recomputed from the document and the plots drawn anew with their texts, the last
// run included, as a resize does.
void MainWindow::retranslate() {
    retranslateMenus(menus_);
    setControlTexts(controls_, running());
    showTitles();
    redraw();
}

AuthorsWindow* MainWindow::authorsWindow() const {
    return features_.help->authorsWindow();
}

// Only a Yes ends the program.  It ends at once, also in the middle of a run: the
// run stops without finishing its step, the results file is closed with every line written so
// far, and the other windows go with the main one.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!platform_.messages.askYesNo(texts::exitTitle(), texts::exitQuestion())) {
        event->ignore(); // everything goes on as before, a run included
        return;
    }
    run_.endProgram();
    features_.help->closeWindows();
    if (magnifier_) magnifier_->close();
    features_.research->closeWindows();
    event->accept();
}

} // namespace trelvix
