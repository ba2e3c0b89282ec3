#pragma once

// The help of the program: the reference documents, the instruction and the controls guide
// (opened in the desktop's viewers from the current folder), the About box and the authors
// window.  They all work during a run too: a run pauses between steps, and a modal box simply
// holds it until it is closed.

#include "platform/platform.h"
#include "shell/help/authors_window.h"

#include <QObject>
#include <QPointer>

namespace trelvix {

class AuthorsWindow;
struct MainMenus;

class HelpController : public QObject {
    Q_OBJECT
public:
    // Connects the help items of `menus`; the authors window opens centred over `mainWindow`.
    HelpController(const Platform& platform, const MainMenus& menus, QWidget* mainWindow);
    ~HelpController() override;

    // The document in the current language.
    void openDocument(const char* fileName);
    void showAbout();
    // The authors window opens centred over the main window wherever that stands; choosing the
    // item again while it is open brings it back to the centre.  The main window stays usable.
    void showAuthors();
    // The authors window, while it is open.
    AuthorsWindow* authorsWindow() const { return authorsWindow_; }
    void closeWindows();

private:
    Platform platform_;
    QWidget* mainWindow_;
    QPointer<AuthorsWindow> authorsWindow_;
};

} // namespace trelvix
