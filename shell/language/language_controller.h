#pragma once

// «Файл» → «Язык»: one item per language the program has, each named in its own language; the
// chosen one is ticked.  A choice applies at once (every window retranslates itself on Qt's
// LanguageChange event) and is kept for the next start.

#include "platform/platform.h"

#include <QObject>

class QActionGroup;
class QMenu;

namespace trelvix {

class LanguageController : public QObject {
    Q_OBJECT
public:
    LanguageController(const Platform& platform, QMenu* menu, QObject* parent);

    // Switches the program to `code`.  A translation that cannot be loaded leaves it in Russian
    // and says so on standard error.
    void choose(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tickCurrent();

    Platform platform_;
    QActionGroup* items_;
};

// The language a start uses: the one named on the command line, else the one chosen in the
// menu at an earlier start, else the desktop's.  Applies it, falling back to Russian with one
// line on standard error when its translation cannot be loaded.
void startInLanguage(LanguageSwitch& languages, const QString& commandLineChoice);

} // namespace trelvix
