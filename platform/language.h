#pragma once

// The language of the program's texts.  The texts are written in Russian, the program's own
// language; every other language is a translation built into the program (":/i18n/trelvix_<code>
// .qm"), found at run time, so that adding one needs no change here.  The choice is kept in the
// settings; without one the desktop's language decides.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTranslator;

namespace trelvix {

inline const QString sourceLanguage = QStringLiteral("ru");

// "ru" first, then the built-in translations in alphabetical order.
QStringList availableLanguages(const QString& folder = QStringLiteral(":/i18n"));

// A language's name in that language («Русский», "English"), for the menu.
QString languageName(const QString& code, const QString& folder = QStringLiteral(":/i18n"));

// English only when the desktop's messages are set to it; Russian in every other case, the
// C/POSIX locale included (its messages are the program's own texts).
QString desktopLanguage(const QProcessEnvironment& environment);

// The language chosen in the menu at an earlier start, or empty.
QString storedLanguage();
void storeLanguage(const QString& code);

// Installs the translators of one language into the application: the program's texts and Qt's
// own (dialog buttons, the file dialog) and the model's, and makes that language the default locale
// of Qt's widgets.  Installing posts a LanguageChange event to every window.
class LanguageSwitch {
public:
    explicit LanguageSwitch(QString folder = QStringLiteral(":/i18n"));
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // False when the translation cannot be loaded: the program then stays in Russian.
    bool use(const QString& code);
    QString current() const { return current_; }

private:
    void install(std::unique_ptr<QTranslator> translator);
    void removeAll();

    QString folder_;
    QString current_ = sourceLanguage;
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

} // namespace trelvix
