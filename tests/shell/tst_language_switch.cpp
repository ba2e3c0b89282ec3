// The main window, the magnifier and the authors window change language at once, while open: no
// Russian is left on any control, tooltip, accessible name, title or plot label, the texts that
// depend on the experiment are computed anew, the last run stays drawn, and back in Russian every
// text is exactly what it was.  The help documents follow the language.

#include "graphics/style.h"
#include "recording_platform.h"
#include "shell/help/authors_window.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/picture_box.h"
#include "window_fixture.h"

#include <QtTest>
#include <QtWidgets>
#include <map>

using namespace trelvix;

namespace {

// Every text a student can see or hear of `window` and its children: texts, titles, tooltips,
// accessible names and descriptions, context-menu items, and the labels drawn on its panels.
// Keyed by where the text stands, so that two snapshots compare text by text.
using Texts = std::map<QString, QString>;

void addAction(Texts& texts, const QString& at, const QAction* action) {
    if (action->isSeparator()) return;
    texts[at + "/text"] = action->text();
    texts[at + "/tip"] = action->toolTip();
    if (action->menu()) {
        int i = 0;
        for (const QAction* item : action->menu()->actions())
            addAction(texts, at + '/' + item->objectName() + '#' + QString::number(i++), item);
    }
}

void addWidget(Texts& texts, const QString& at, QWidget* w) {
    texts[at + "/title"] = w->windowTitle();
    texts[at + "/tip"] = w->toolTip();
    texts[at + "/name"] = w->accessibleName();
    texts[at + "/description"] = w->accessibleDescription();
    if (auto* label = qobject_cast<const QLabel*>(w)) texts[at + "/text"] = label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        texts[at + "/text"] = button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) texts[at + "/text"] = frame->title();
    if (auto* menu = qobject_cast<const QMenu*>(w)) texts[at + "/text"] = menu->title();
    if (auto* panel = qobject_cast<PictureBox*>(w)) {
        int i = 0;
        for (const graphics::Surface::Label& label : panel->surface().labels())
            texts[at + "/label#" + QString::number(i++)] = label.text;
    }
    int i = 0;
    for (const QAction* action : w->actions())
        addAction(texts, at + "/action#" + QString::number(i++), action);
    i = 0;
    for (QObject* child : w->children())
        if (auto* widget = qobject_cast<QWidget*>(child))
            addWidget(texts, at + '/' + widget->objectName() + '#' + QString::number(i++), widget);
}

Texts textsOf(const std::vector<QWidget*>& windows) {
    Texts texts;
    for (QWidget* window : windows)
        addWidget(texts, window->objectName(), window);
    return texts;
}

bool hasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4ff; });
}

void switchTo(RecordingPlatform& platform, const QString& code) {
    QVERIFY(platform.languages.use(code));
    QCoreApplication::sendPostedEvents(); // the LanguageChange events the switch posted
    QCoreApplication::processEvents();
}

// The number of pixels of `panel` painted in the colour of the traces.
int tracePixels(const PictureBox* panel) {
    const QImage image = panel->image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == graphics::traceColour;
    return count;
}

} // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyTextOfTheOpenWindowsChanges();
    void backInRussianEveryTextIsAsBefore();
    void resultCaptionsAreComputedAnew();
    void theLastRunStaysDrawn();
    void helpDocumentsFollowTheLanguage_data();
    void helpDocumentsFollowTheLanguage();

private:
    // The main window after a short run, with the time graphs shown, the magnifier and the
    // authors window open.
    std::vector<QWidget*> openWindowsAfterARun();

    WindowFixture f_;
};

void LanguageSwitchTest::init() {
    QVERIFY(f_.open());
    f_.withoutPauses();
}

void LanguageSwitchTest::cleanup() {
    if (f_.platform) f_.platform->languages.use(QStringLiteral("ru"));
    f_.close();
}

std::vector<QWidget*> LanguageSwitchTest::openWindowsAfterARun() {
    MainWindow& w = *f_.window;
    w.openMagnifier();
    w.menus().mnuHelpAvtors->trigger();
    QTest::mouseClick(w.controls().graphsOption, Qt::LeftButton);
    w.document().storeInput(Input::T, 0.2);
    w.startOrStop();
    return {&w, w.magnifier(), w.authorsWindow()};
}

// The title after the run (with its seconds), the picture menus, the time graphs' axis names and
// the characteristics included.  Only the name of the Russian language stays Russian.
void LanguageSwitchTest::everyTextOfTheOpenWindowsChanges() {
    const std::vector<QWidget*> windows = openWindowsAfterARun();
    QVERIFY(windows.back());
    const Texts russian = textsOf(windows);
    switchTo(*f_.platform, "en");
    const Texts english = textsOf(windows);
    QCOMPARE(english.size(), russian.size());
    int cyrillicBefore = 0;
    for (const auto& [at, text] : english) {
        cyrillicBefore += hasCyrillic(russian.at(at));
        if (text == QStringLiteral("Русский")) continue;
        QVERIFY2(!hasCyrillic(text), qPrintable(at + ": " + text));
    }
    QVERIFY(cyrillicBefore > 100); // the walk reached the texts
    QVERIFY(f_.window->windowTitle().endsWith(" s"));
}

void LanguageSwitchTest::backInRussianEveryTextIsAsBefore() {
    const std::vector<QWidget*> windows = openWindowsAfterARun();
    const Texts before = textsOf(windows);
    switchTo(*f_.platform, "en");
    QVERIFY(textsOf(windows) != before);
    switchTo(*f_.platform, "ru");
    const Texts after = textsOf(windows);
    for (const auto& [at, text] : before)
        QCOMPARE(after.at(at), text);
    QCOMPARE(after.size(), before.size());
}

// A caption computed in Russian is computed again in English: the same number, the unit in
// English.  The limit texts in words too.
void LanguageSwitchTest::resultCaptionsAreComputedAnew() {
    MainWindow& w = *f_.window;
    w.controls().field(Input::eta)->setText("0"); // the decrement and Q lose their meaning
    const QString frequency = w.controls().result(Result::harmonicFrequency)->text();
    QVERIFY(frequency.endsWith(QStringLiteral(" рад/c")));
    switchTo(*f_.platform, "en");
    QCOMPARE(w.controls().result(Result::harmonicFrequency)->text(),
             frequency.chopped(6) + QStringLiteral(" rad/s"));
    QVERIFY(w.controls().result(Result::criticalViscosity)->text().contains("_cr = "));
    QVERIFY(w.controls().result(Result::criticalViscosity)->text().endsWith(" Pa·s"));
}

// The redraw in the new language draws the last run again, as a resize does.
void LanguageSwitchTest::theLastRunStaysDrawn() {
    openWindowsAfterARun();
    const PictureBox* displacement = f_.window->controls().displacementPanel;
    const int drawn = tracePixels(displacement);
    QVERIFY(drawn > 100);
    switchTo(*f_.platform, "en");
    QCOMPARE(tracePixels(displacement), drawn);
}

void LanguageSwitchTest::helpDocumentsFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("Russian, in the current folder")
        << "ru"
        << QStringList{"open spravka.pdf", "open spravka2.pdf", "open uprav.pdf",
                       "open instruction.txt"};
    QTest::newRow("English, in its folder")
        << "en"
        << QStringList{"open en/spravka.pdf", "open en/spravka2.pdf", "open en/uprav.pdf",
                       "open en/instruction.txt"};
}

void LanguageSwitchTest::helpDocumentsFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, opened);
    switchTo(*f_.platform, language);
    const MainMenus& m = f_.window->menus();
    f_.platform->clear();
    for (QAction* item :
         {m.mnuFilespravka, m.mnuFilespravka2, m.mnuHelpUprav, m.mnuHelpInstruction})
        item->trigger();
    QCOMPARE(f_.platform->log(), opened);
}

QTEST_MAIN(LanguageSwitchTest)
#include "tst_language_switch.moc"
