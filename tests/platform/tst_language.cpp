// The language of the texts: which one a start picks from the desktop, switching between the
// built-in ones, and the fall-back to Russian when a translation cannot be loaded.

#include "model/translated_text.h"
#include "platform/file_list_texts.h"
#include "platform/language.h"

#include <QAbstractFileIconProvider>
#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest>

using namespace trelvix;

namespace {

QString menuExit() {
    return QCoreApplication::translate("trelvix::MainMenus", "Выход");
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void desktopLanguage_data();
    void desktopLanguage();
    void switchesEveryTranslationBackAndForth();
    void damagedTranslationLeavesRussian();
    void fileListInProgramLanguage();
};

void LanguageTest::desktopLanguage_data() {
    QTest::addColumn<QStringList>("variables"); // NAME=value
    QTest::addColumn<QString>("expected");
    QTest::newRow("English desktop") << QStringList{"LANG=en_GB.UTF-8"} << "en";
    QTest::newRow("Russian desktop") << QStringList{"LANG=ru_RU.UTF-8"} << "ru";
    QTest::newRow("no setting at all") << QStringList{} << "ru";
    QTest::newRow("C.UTF-8") << QStringList{"LANG=C.UTF-8"} << "ru";
    QTest::newRow("a language the program lacks") << QStringList{"LANG=de_DE.UTF-8"} << "ru";
    QTest::newRow("LC_ALL=C over English") << QStringList{"LC_ALL=C", "LANG=en_US.UTF-8"} << "ru";
    QTest::newRow("messages in English") << QStringList{"LC_MESSAGES=en_US", "LANG=ru_RU"} << "en";
    QTest::newRow("LANGUAGE first") << QStringList{"LANGUAGE=en:ru", "LANG=ru_RU.UTF-8"} << "en";
    QTest::newRow("LANGUAGE Russian") << QStringList{"LANGUAGE=ru", "LANG=en_US.UTF-8"} << "ru";
    QTest::newRow("LANGUAGE under C") << QStringList{"LANGUAGE=en", "LANG=POSIX"} << "ru";
}

void LanguageTest::desktopLanguage() {
    QFETCH(QStringList, variables);
    QFETCH(QString, expected);
    QProcessEnvironment environment;
    for (const QString& variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QCOMPARE(trelvix::desktopLanguage(environment), expected);
}

// Each switch replaces the texts of the program, of the model and of Qt's dialogs; back in
// Russian nothing of the English is left.
void LanguageTest::switchesEveryTranslationBackAndForth() {
    QCOMPARE(availableLanguages().mid(0, 2), QStringList({"ru", "en"}));
    QCOMPARE(languageName("en"), QStringLiteral("English"));
    LanguageSwitch languages;
    QVERIFY(languages.use("en"));
    QCOMPARE(menuExit(), QStringLiteral("Exit"));
    QCOMPARE(translatedText("trelvix::MainMenus", "Выход"), std::string("Exit"));
    QVERIFY(languages.use("ru"));
    QCOMPARE(menuExit(), QStringLiteral("Выход"));
    QCOMPARE(languages.current(), QStringLiteral("ru"));

    // What Qt's own Russian leaves in English in the file dialog: a folder's type.
    const QTemporaryDir folder;
    QCOMPARE(QAbstractFileIconProvider().type(QFileInfo(folder.path())), QStringLiteral("Папка"));
}

void LanguageTest::damagedTranslationLeavesRussian() {
    const QTemporaryDir folder;
    QFile damaged(folder.filePath("trelvix_en.qm"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a translation");
    damaged.close();
    QCOMPARE(availableLanguages(folder.path()), QStringList({"ru", "en"}));

    LanguageSwitch languages(folder.path());
    QVERIFY(!languages.use("en"));
    QCOMPARE(languages.current(), QStringLiteral("ru"));
    QCOMPARE(menuExit(), QStringLiteral("Выход"));
    QCOMPARE(languageName("en", folder.path()), QStringLiteral("en"));
}

// Qt's file list writes sizes and dates in the system's C locale; the program's view of it writes
// them in the program's language.
void LanguageTest::fileListInProgramLanguage() {
    const QTemporaryDir folder;
    QFile file(folder.filePath("table.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3 * 1024 + 512, 'x'));
    file.close();
    QFileSystemModel files;
    QSignalSpy loaded(&files, &QFileSystemModel::directoryLoaded);
    const QModelIndex root = files.setRootPath(folder.path());
    QVERIFY(loaded.wait());
    FileListTexts list;
    list.setSourceModel(&files);
    const QModelIndex row = list.mapFromSource(files.index(file.fileName()));
    const auto text = [&](int column) {
        return list.index(row.row(), column, list.mapFromSource(root)).data().toString();
    };

    LanguageSwitch languages;
    QVERIFY(languages.use("ru"));
    QCOMPARE(text(1), QStringLiteral("3,5 КБ"));
    QVERIFY2(!text(3).contains(QRegularExpression("[A-Za-z]")), qPrintable(text(3)));
    QCOMPARE(FileListTexts::sizeText(1023), QStringLiteral("1023 байт"));
    QCOMPARE(FileListTexts::sizeText(5 * 1024 * 1024), QStringLiteral("5,0 МБ"));
    QVERIFY(languages.use("en"));
    QCOMPARE(text(1), QStringLiteral("3.5 KB"));
    QCOMPARE(text(0), QStringLiteral("table.csv"));
    QVERIFY(languages.use("ru"));
}

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
