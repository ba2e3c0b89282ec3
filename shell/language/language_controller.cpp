#include "shell/language/language_controller.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <cstdio>

namespace trelvix {

namespace {

void reportFallback(const QString& code) {
    const QString line = QStringLiteral("trelvix: перевод «%1» не загружен, программа работает "
                                        "на русском языке\n")
                             .arg(code);
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

bool apply(LanguageSwitch& languages, const QString& code) {
    if (languages.use(code)) return true;
    reportFallback(code);
    languages.use(sourceLanguage);
    return false;
}

} // namespace

LanguageController::LanguageController(const Platform& platform, QMenu* menu, QObject* parent)
    : QObject(parent), platform_(platform), items_(new QActionGroup(this)) {
    for (const QString& code : availableLanguages()) {
        QAction* item = menu->addAction(languageName(code));
        item->setObjectName(QStringLiteral("mnuLanguage_") + code);
        item->setData(code);
        item->setCheckable(true);
        items_->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { choose(code); });
    }
    tickCurrent();
    // The menu's own title changes with the language; so may the current one, from elsewhere.
    menu->installEventFilter(this);
}

void LanguageController::choose(const QString& code) {
    if (code == platform_.languages.current()) return;
    if (apply(platform_.languages, code)) storeLanguage(code);
    tickCurrent();
}

bool LanguageController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange) tickCurrent();
    return QObject::eventFilter(watched, event);
}

void LanguageController::tickCurrent() {
    for (QAction* item : items_->actions())
        item->setChecked(item->data().toString() == platform_.languages.current());
}

void startInLanguage(LanguageSwitch& languages, const QString& commandLineChoice) {
    QString code = commandLineChoice;
    if (code.isEmpty()) code = storedLanguage();
    if (!availableLanguages().contains(code))
        code = desktopLanguage(QProcessEnvironment::systemEnvironment());
    apply(languages, code);
}

} // namespace trelvix
