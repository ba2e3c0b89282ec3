// The menus: the help documents, the instruction, the About box, the authors window, and ending
// the program with a confirmation.  They all work during a run too: a run pauses between steps,
// and a modal box simply holds it until it is closed.

#include "shell/authors_window.h"
#include "shell/magnifier_window.h"
#include "shell/main_window.h"
#include "shell/window_texts.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>

namespace trelvix {

void MainWindow::connectMenus() {
    const MainMenus& m = menus_;
    connect(m.mnuFilespravka, &QAction::triggered, this, &MainWindow::mnuFilespravka_Click);
    connect(m.mnuFilespravka2, &QAction::triggered, this, &MainWindow::mnuFilespravka2_Click);
    connect(m.mnuFileExit, &QAction::triggered, this, &MainWindow::mnuFileExit_Click);
    connect(m.mnuHelpInstruction, &QAction::triggered, this, &MainWindow::mnuHelpInstruction_Click);
    connect(m.mnuHelpUprav, &QAction::triggered, this, &MainWindow::mnuHelpUprav_Click);
    connect(m.mnuHelpAvtors, &QAction::triggered, this, &MainWindow::mnuHelpAvtors_Click);
    connect(m.mnuHelpAbout, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);
}

// The documents lie in the current folder; the desktop picks the viewer (a PDF reader, the text
// editor for the instruction).  A missing document or viewer is not reported.
void MainWindow::mnuFilespravka_Click() {
    platform_.desktop.openDocument(QStringLiteral("spravka.pdf"));
}

void MainWindow::mnuFilespravka2_Click() {
    platform_.desktop.openDocument(QStringLiteral("spravka2.pdf"));
}

void MainWindow::mnuHelpUprav_Click() {
    platform_.desktop.openDocument(QStringLiteral("uprav.pdf"));
}

void MainWindow::mnuHelpInstruction_Click() {
    platform_.desktop.openDocument(QStringLiteral("instruction.txt"));
}

void MainWindow::mnuHelpAbout_Click() {
    platform_.messages.inform(texts::aboutTitle, texts::aboutText);
}

// The authors window opens centred over the main window wherever that stands; choosing the item
// again while it is open brings it back to the centre.  The main window stays usable.
void MainWindow::mnuHelpAvtors_Click() {
    if (!form2_) form2_ = new AuthorsWindow;
    form2_->Label1()->setText(texts::authorsText);
    form2_->show(); // first, so that its frame is known
    const QRect main = frameGeometry();
    const QSize size = form2_->frameGeometry().size();
    form2_->move(main.x() + (main.width() - size.width()) / 2,
                 main.y() + (main.height() - size.height()) / 2);
    form2_->raise();
}

AuthorsWindow* MainWindow::Form2() const {
    return form2_;
}

void MainWindow::mnuFileExit_Click() {
    close(); // asks exactly as the close box does
}

// Form_Unload: only a Yes ends the program.  It ends at once, also in the middle of a run: the
// run stops without finishing its step, the results file is closed with every line written so
// far, and the other windows go with the main one.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!platform_.messages.askYesNo(texts::exitTitle, texts::exitQuestion)) {
        event->ignore(); // everything goes on as before, a run included
        return;
    }
    ending_ = true;
    if (pause_) pause_->quit();
    resultsFile_.close();
    if (form2_) form2_->close();
    if (form3_) form3_->close();
    event->accept();
}

} // namespace trelvix
