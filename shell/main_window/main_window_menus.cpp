// The menus: the help documents, the instruction, the About box, the authors window, and ending
// the program with a confirmation.  They all work during a run too: a run pauses between steps,
// and a modal box simply holds it until it is closed.

#include "shell/help/authors_window.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/main_window/main_window.h"
#include "shell/research/measurements_window.h"
#include "shell/research/phase_portrait_window.h"
#include "shell/resonance/resonance_window.h"
#include "shell/main_window/window_texts.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>

namespace trelvix {

void MainWindow::connectMenus() {
    const MainMenus& m = menus_;
    connect(m.mnuFilespravka, &QAction::triggered, this, &MainWindow::openReference);
    connect(m.mnuFilespravka2, &QAction::triggered, this, &MainWindow::openReference2);
    connect(m.mnuFileExit, &QAction::triggered, this, &MainWindow::close); // asks as the close box
    connect(m.mnuResearchResonance, &QAction::triggered, this, &MainWindow::openResonanceCurve);
    connect(m.mnuHelpInstruction, &QAction::triggered, this, &MainWindow::openInstruction);
    connect(m.mnuHelpUprav, &QAction::triggered, this, &MainWindow::openControlsGuide);
    connect(m.mnuHelpAvtors, &QAction::triggered, this, &MainWindow::showAuthors);
    connect(m.mnuHelpAbout, &QAction::triggered, this, &MainWindow::showAbout);
}

// The documents lie in the current folder; the desktop picks the viewer (a PDF reader, the text
// editor for the instruction).  A missing document or viewer is not reported.
void MainWindow::openReference() {
    platform_.desktop.openDocument(QStringLiteral("spravka.pdf"));
}

void MainWindow::openReference2() {
    platform_.desktop.openDocument(QStringLiteral("spravka2.pdf"));
}

void MainWindow::openControlsGuide() {
    platform_.desktop.openDocument(QStringLiteral("uprav.pdf"));
}

void MainWindow::openInstruction() {
    platform_.desktop.openDocument(QStringLiteral("instruction.txt"));
}

void MainWindow::showAbout() {
    platform_.messages.inform(texts::aboutTitle, texts::aboutText);
}

// The authors window opens centred over the main window wherever that stands; choosing the item
// again while it is open brings it back to the centre.  The main window stays usable.
void MainWindow::showAuthors() {
    if (!authorsWindow_) authorsWindow_ = new AuthorsWindow;
    authorsWindow_->credit()->setText(texts::authorsText);
    authorsWindow_->show(); // first, so that its frame is known
    const QRect main = frameGeometry();
    const QSize size = authorsWindow_->frameGeometry().size();
    authorsWindow_->move(main.x() + (main.width() - size.width()) / 2,
                         main.y() + (main.height() - size.height()) / 2);
    authorsWindow_->raise();
}

AuthorsWindow* MainWindow::authorsWindow() const {
    return authorsWindow_;
}

// Only a Yes ends the program.  It ends at once, also in the middle of a run: the
// run stops without finishing its step, the results file is closed with every line written so
// far, and the other windows go with the main one.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!platform_.messages.askYesNo(texts::exitTitle, texts::exitQuestion)) {
        event->ignore(); // everything goes on as before, a run included
        return;
    }
    run_.endProgram();
    if (authorsWindow_) authorsWindow_->close();
    if (magnifier_) magnifier_->close();
    if (resonanceWindow_) resonanceWindow_->close();
    if (measurements_) measurements_->close();
    if (phasePortrait_) phasePortrait_->close();
    event->accept();
}

} // namespace trelvix
