// The menus and ending the program: help documents by name, the About box, the authors window
// centred over the main window, and the exit question — also in the middle of a run.

#include "last_step.h"
#include "open_windows.h"
#include "recording_platform.h"
#include "shell/help/authors_window.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"
#include "shell/widgets/magnifier_window.h"
#include "window_fixture.h"

#include <QtTest>
#include <QtWidgets>

using namespace trelvix;

namespace {

QPoint centreOf(const QRect& r) {
    return r.topLeft() + QPoint(r.width() / 2, r.height() / 2);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void helpDocumentsOpenByName_data();
    void helpDocumentsOpenByName();
    void aboutBox();
    void authorsWindowCentredOverTheMainWindow();
    void exitAsksAndNoKeepsEverything();
    void noDuringARunLetsItGoOn();
    void yesDuringARunEndsAtOnceWithTheFileComplete();
    void aboutDuringARunHoldsItUntilClosed();
    void cleanup();

private:
    WindowFixture fixture_;
    std::unique_ptr<RecordingPlatform>& platform_ = fixture_.platform;
    std::unique_ptr<MainWindow>& window_ = fixture_.window;
    std::unique_ptr<QTemporaryDir>& workDir_ = fixture_.workDir;
};

void MenusTest::init() {
    QVERIFY(fixture_.open());
}

void MenusTest::helpDocumentsOpenByName_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("document");
    QTest::newRow("Справка") << "mnuFilespravka"
                             << "spravka.pdf";
    QTest::newRow("Справка2") << "mnuFilespravka2"
                              << "spravka2.pdf";
    QTest::newRow("Управление") << "mnuHelpUprav"
                                << "uprav.pdf";
    QTest::newRow("Инструкция") << "mnuHelpInstruction"
                                << "instruction.txt";
}

void MenusTest::helpDocumentsOpenByName() {
    QFETCH(QString, item);
    QFETCH(QString, document);
    auto* action = window_->findChild<QAction*>(item);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(platform_->log(), QStringList{"open " + document});
}

void MenusTest::aboutBox() {
    window_->menus().mnuHelpAbout->trigger();
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 1);
    const PlatformEvent& box = platform_->events.first();
    QCOMPARE(box.title, QString("О ПРОГРАММЕ"));
    const QStringList lines = box.text.split('\n');
    QVERIFY(lines.size() >= 8);
    QCOMPARE(lines[1],
             QString("Точка подвеса может совершать вертикальные гармонические колебания."));
    QCOMPARE(lines[2],
             QString("Колебания происходят в вязкой среде. Силы сопротивления пропорциональны v и "
                     "v^2."));
    QCOMPARE(lines[3], QString(" "));
    QCOMPARE(lines[4], QString("История версий:"));
}

void MenusTest::authorsWindowCentredOverTheMainWindow() {
    MainWindow& w = *window_;
    w.menus().mnuHelpAvtors->trigger();
    AuthorsWindow* authors = w.authorsWindow();
    QVERIFY(authors && authors->isVisible());
    QVERIFY(!authors->credit()->text().isEmpty());
    QVERIFY(QApplication::activeModalWidget() == nullptr); // the main window stays usable
    QVERIFY((centreOf(authors->frameGeometry()) - centreOf(w.frameGeometry())).manhattanLength() <=
            2);

    w.move(w.x() + 37, w.y() + 21);
    QTRY_VERIFY(w.frameGeometry().x() != authors->frameGeometry().x() + 37);
    w.menus().mnuHelpAvtors->trigger(); // again: back to the centre, still one window
    QCOMPARE(w.authorsWindow(), authors);
    QTRY_VERIFY(
        (centreOf(authors->frameGeometry()) - centreOf(w.frameGeometry())).manhattanLength() <= 2);
}

void MenusTest::exitAsksAndNoKeepsEverything() {
    MainWindow& w = *window_;
    w.menus().mnuFileExit->trigger();
    QVERIFY(!w.close()); // and the close box asks the same
    QCOMPARE(platform_->log(), (QStringList{"? На Выход: Вы абсолютно уверены?",
                                            "? На Выход: Вы абсолютно уверены?"}));
    QVERIFY(w.isVisible());
}

void MenusTest::noDuringARunLetsItGoOn() {
    MainWindow& w = *window_;
    const LastStep last(w);
    w.controls().field(Input::T)->setText("0.2");
    platform_->clear();
    QTimer::singleShot(40, &w, [&] { QVERIFY(!w.close()); });
    w.startOrStop();
    QVERIFY(last.state.t >= 0.2); // the run reached its time
    QCOMPARE(platform_->log(), (QStringList{"? На Выход: Вы абсолютно уверены?", "tone 50"}));
    QVERIFY(w.isVisible());
}

void MenusTest::yesDuringARunEndsAtOnceWithTheFileComplete() {
    MainWindow& w = *window_;
    const LastStep last(w);
    w.controls().resultsFileBox->click();
    platform_->clear();
    platform_->answers.enqueue(true);
    double closedAt = -1;
    QTimer::singleShot(150, &w, [&] {
        closedAt = last.state.t;
        w.close();
    });
    w.startOrStop();                  // returns once the run has been abandoned
    QCOMPARE(last.state.t, closedAt); // not one step after the answer
    QVERIFY(last.state.t > 0 && last.state.t < 1.0);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.windowTitle().contains(texts::elapsedPrefix())); // no time: the program ended
    QCOMPARE(platform_->log(), QStringList{"? На Выход: Вы абсолютно уверены?"}); // no end tone

    const QList<QByteArray> lines = fileBytes("trelvix_out.txt").split('\n');
    QVERIFY(lines.size() > 16);
    QVERIFY(lines.last().isEmpty()); // the file ends with a whole line
    for (qsizetype i = 15; i < lines.size() - 1; ++i) {
        QVERIFY(lines[i].endsWith('\r'));
        QCOMPARE(lines[i].simplified().split(' ').size(), 4);
    }
    QCOMPARE(visibleTopLevelWindows(), QStringList());
}

void MenusTest::aboutDuringARunHoldsItUntilClosed() {
    MainWindow& w = *window_;
    const LastStep last(w);
    w.controls().field(Input::T)->setText("0.2");
    platform_->clear();
    double heldAt = -1;
    platform_->whileOpen = [&](const PlatformEvent&) { heldAt = last.state.t; };
    QTimer::singleShot(40, &w, [&] { w.menus().mnuHelpAbout->trigger(); });
    w.startOrStop();
    QVERIFY(heldAt > 0 && heldAt < 0.2); // the box came up in the middle of the run
    QVERIFY(last.state.t >= 0.2);        // and the run went on to its end afterwards
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 1);
}

void MenusTest::cleanup() {
    window_.reset();
    platform_.reset();
    QVERIFY(QDir::setCurrent(QDir::tempPath()));
    workDir_.reset();
    QCOMPARE(visibleTopLevelWindows(), QStringList());
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
