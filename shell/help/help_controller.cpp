#include "shell/help/help_controller.h"

#include "shell/help/authors_window.h"
#include "shell/main_window/menus.h"
#include "shell/main_window/window_texts.h"
#include "shell/widgets/window_placement.h"

#include <QAction>
#include <QLabel>

namespace trelvix {

HelpController::HelpController(const Platform& platform, const MainMenus& menus,
                               QWidget* mainWindow)
    : QObject(mainWindow), platform_(platform), mainWindow_(mainWindow) {
    // The Russian documents lie in the current folder, those of another language in the folder
    // named by its code ("en/spravka.pdf"); the desktop picks the viewer (a PDF reader, the
    // text editor for the instruction).  A missing document or viewer is not reported.
    const std::pair<QAction*, const char*> documents[] = {
        {menus.mnuFilespravka, "spravka.pdf"},
        {menus.mnuFilespravka2, "spravka2.pdf"},
        {menus.mnuHelpUprav, "uprav.pdf"},
        {menus.mnuHelpInstruction, "instruction.txt"},
    };
    for (const auto& [item, fileName] : documents)
        connect(item, &QAction::triggered, this, [this, name = fileName] { openDocument(name); });
    connect(menus.mnuHelpAvtors, &QAction::triggered, this, &HelpController::showAuthors);
    connect(menus.mnuHelpAbout, &QAction::triggered, this, &HelpController::showAbout);
}

HelpController::~HelpController() {
    delete authorsWindow_;
}

void HelpController::openDocument(const char* fileName) {
    const QString language = platform_.languages.current();
    const QString folder = language == sourceLanguage ? QString() : language + u'/';
    platform_.desktop.openDocument(folder + QString::fromLatin1(fileName));
}

void HelpController::showAbout() {
    platform_.messages.inform(texts::aboutTitle(), texts::aboutText());
}

void HelpController::showAuthors() {
    if (!authorsWindow_) authorsWindow_ = new AuthorsWindow;
    authorsWindow_->show(); // first, so that its frame is known
    placeByMainWindow(authorsWindow_, mainWindow_, WindowPlacement::Centred);
    authorsWindow_->raise();
}

void HelpController::closeWindows() {
    if (authorsWindow_) authorsWindow_->close();
}

} // namespace trelvix
