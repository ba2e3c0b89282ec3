// The controls guide, in Russian and in each translation, names every key of the menus and no key
// the menus do not have: each menu key stands in the guide as <kbd>KEY</kbd>, written as the menu
// shows it.

#include "help_folders.h"
#include "shell/main_window/menus.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QtTest>

using namespace trelvix;

namespace {

// The keys of every item, as text; an item that only shows a key after a tab ("Продолжить\tF5")
// counts with that key.
QSet<QString> menuKeys(const QMenuBar& bar) {
    QSet<QString> keys;
    for (const QAction* action : bar.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts())
            keys.insert(key.toString(QKeySequence::NativeText));
        const qsizetype tab = action->text().indexOf(QLatin1Char('\t'));
        if (tab >= 0) keys.insert(action->text().mid(tab + 1));
    }
    return keys;
}

QSet<QString> guideKeys(const QString& html) {
    QSet<QString> keys;
    static const QRegularExpression kbd(QStringLiteral("<kbd>([^<]+)</kbd>"));
    for (const QRegularExpressionMatch& m : kbd.globalMatch(html))
        keys.insert(m.captured(1));
    return keys;
}

} // namespace

class HelpShortcutsTest : public QObject {
    Q_OBJECT

private slots:
    void guideListsTheMenuKeys_data();
    void guideListsTheMenuKeys();
};

void HelpShortcutsTest::guideListsTheMenuKeys_data() {
    QTest::addColumn<QString>("guide");
    for (const QString& folder : helpFolders())
        QTest::newRow(qPrintable(folder + "uprav.html")) << folder + "uprav.html";
}

void HelpShortcutsTest::guideListsTheMenuKeys() {
    QFETCH(QString, guide);
    QMenuBar bar;
    buildMenus(&bar);
    const QSet<QString> inMenus = menuKeys(bar);
    // A guard against a menu table that lost its keys: then an empty guide would also pass.
    QVERIFY(inMenus.contains(QStringLiteral("Ctrl+R")));

    QFile file(QStringLiteral(HELP_SOURCE_DIR "/") + guide);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QSet<QString> inGuide = guideKeys(QString::fromUtf8(file.readAll()));

    QStringList missing = (inMenus - inGuide).values();
    QStringList unknown = (inGuide - inMenus).values();
    missing.sort();
    unknown.sort();
    QVERIFY2(missing.isEmpty(), qPrintable("not in " + guide + ": " + missing.join(", ")));
    QVERIFY2(unknown.isEmpty(), qPrintable("no menu has: " + unknown.join(", ")));
}

QTEST_MAIN(HelpShortcutsTest)
#include "tst_help_shortcuts.moc"
