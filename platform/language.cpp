#include "platform/language.h"

#include "model/translated_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>

namespace trelvix {

namespace {

const QString programPrefix = QStringLiteral("trelvix_");
const QString languageKey = QStringLiteral("language");

QSettings settings() {
    return QSettings(QStringLiteral("trelvix"), QStringLiteral("trelvix"));
}

// "en_GB.UTF-8@euro" → "en".
QString languageOfLocaleName(const QString& name) {
    return name.section(QRegularExpression(QStringLiteral("[_.@]")), 0, 0).toLower();
}

std::string translatedByQt(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

bool isPlainCLocale(const QString& name) {
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.startsWith(QLatin1String("C."));
}

std::unique_ptr<QTranslator> loaded(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) return nullptr;
    return translator;
}

} // namespace

QStringList availableLanguages(const QString& folder) {
    QStringList codes;
    const QStringList files =
        QDir(folder).entryList({programPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.mid(programPrefix.size()).chopped(3);
    codes.removeAll(sourceLanguage);
    codes.prepend(sourceLanguage);
    return codes;
}

QString languageName(const QString& code, const QString& folder) {
    // The name is one of the texts: each translation gives its own.
    const char* ownName = QT_TRANSLATE_NOOP("trelvix::Language", "Русский");
    if (code == sourceLanguage) return QString::fromUtf8(ownName);
    const auto translator = loaded(programPrefix + code, folder);
    const QString name =
        translator ? translator->translate("trelvix::Language", ownName) : QString();
    return name.isEmpty() ? code : name;
}

QString desktopLanguage(const QProcessEnvironment& environment) {
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QString::fromLatin1(variable));
        if (!locale.isEmpty()) break;
    }
    if (isPlainCLocale(locale)) return sourceLanguage;
    // LANGUAGE lists the desktop's languages in order of preference; its first is the desktop's.
    const QString preferred = environment.value(QStringLiteral("LANGUAGE")).section(u':', 0, 0);
    const QString code = languageOfLocaleName(preferred.isEmpty() ? locale : preferred);
    return availableLanguages().contains(code) ? code : sourceLanguage;
}

QString storedLanguage() {
    return settings().value(languageKey).toString();
}

void storeLanguage(const QString& code) {
    settings().setValue(languageKey, code);
}

LanguageSwitch::LanguageSwitch(QString folder) : folder_(std::move(folder)) {}

LanguageSwitch::~LanguageSwitch() {
    removeAll();
}

bool LanguageSwitch::use(const QString& code) {
    std::unique_ptr<QTranslator> program;
    if (code != sourceLanguage) {
        program = loaded(programPrefix + code, folder_);
        if (!program || program->isEmpty()) return false;
    }
    removeAll();
    // Qt's own texts: its translation where the system has one, and for Russian the program's
    // additions to it (texts Qt's translation misses in the file dialog).
    install(loaded(QStringLiteral("qtbase_") + code,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    install(loaded(QStringLiteral("qt_") + code, folder_));
    install(std::move(program));
    // The model's texts (file headings, reasons) follow the same translation.
    setTextTranslation(translatedByQt);
    // Dates, sizes and file types in Qt's dialogs follow the default locale.
    QLocale::setDefault(QLocale(code));
    current_ = code;
    return true;
}

void LanguageSwitch::install(std::unique_ptr<QTranslator> translator) {
    if (!translator) return;
    QCoreApplication::installTranslator(translator.get());
    installed_.push_back(std::move(translator));
}

void LanguageSwitch::removeAll() {
    for (const auto& translator : installed_)
        QCoreApplication::removeTranslator(translator.get());
    installed_.clear();
}

} // namespace trelvix
