// What a student must be able to read at every window size: no label on a plot panel runs into
// another or out of its panel, the result captions read whole with their Greek letters, the
// parameter captions stand on the baseline of their fields, the view frame's parts do not touch.
// Large windows, where nothing ever collided, keep exactly the pictures they had.  The rules for
// texts hold in every language the program speaks: the window is switched to it once shown, as a
// student switches it.

#include "graphics/plot_texts.h"
#include "graphics/surface.h"
#include "recording_platform.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/circle_shape.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/picture_box.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

using namespace trelvix;

namespace {

// Set TRELVIX_WRITE_REFERENCE to a folder to write the large-size pictures there instead of
// comparing with them (done once, before the legibility rules existed).
const char* const referenceFolder = LEGIBILITY_REFERENCE;

void showAtClientSize(MainWindow& window, QSize client) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(client.width(), client.height() + window.menuBar()->sizeHint().height());
    QTRY_COMPARE(window.clientArea()->size(), client);
}

// The language a test looks at: the window switches to it as when it is chosen in the menu.
void speak(RecordingPlatform& platform, const QString& language) {
    QVERIFY(platform.languages.use(language));
    QCoreApplication::sendPostedEvents(); // the LanguageChange events
    QCoreApplication::processEvents();
}

// The rows of a test that looks at the window in each language.
void inEachLanguage() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Russian") << "ru";
    QTest::newRow("English") << "en";
}

// The window at 700 x 504 in the language of the row.
void showInLanguage(MainWindow& window, RecordingPlatform& platform) {
    QFETCH(QString, language);
    showAtClientSize(window, {700, 504});
    speak(platform, language);
}

struct NamedPanel {
    QString name;
    PictureBox* panel;
};

std::vector<NamedPanel> panels(MainWindow& window) {
    const MainControls& c = window.controls();
    return {{"plane", c.planePanel},
            {"scene", c.animationPanel},
            {"displacement", c.displacementPanel},
            {"velocity", c.velocityPanel},
            {"energy", c.energyPanel},
            {"magnifier", window.magnifier()->surface()}};
}

// The darkest ink of a pixel: 255 for black, 0 for the background.
int ink(QRgb pixel) {
    return 255 - std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
}

// The lowest row of `picture` within `columns` that holds text ink, or -1.
int lowestInkRow(const QImage& picture, const QRect& columns) {
    for (int y = columns.bottom(); y >= columns.top(); --y)
        for (int x = columns.left(); x <= columns.right(); ++x)
            if (ink(picture.pixel(x, y)) > 128) return y;
    return -1;
}

// The columns of `row` of `picture` between `from` and `to` that hold ink.
QList<int> inkColumns(const QImage& picture, int top, int bottom, int from, int to) {
    QList<int> columns;
    for (int x = from; x < to; ++x)
        for (int y = top; y <= bottom; ++y)
            if (ink(picture.pixel(x, y)) > 100) {
                columns << x;
                break;
            }
    return columns;
}

// The widest gap between two ink columns among the first `span` pixels of a run of columns.
int widestGap(const QList<int>& columns, int span) {
    int widest = 0;
    for (int i = 1; i < columns.size() && columns[i] < columns.first() + span; ++i)
        widest = std::max(widest, columns[i] - columns[i - 1] - 1);
    return widest;
}

} // namespace

class LegibilityTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void largeWindowsKeepTheirPictures_data();
    void largeWindowsKeepTheirPictures();
    void labelsNeverOverlap_data();
    void labelsNeverOverlap();
    void captionsAreNotCut_data();
    void captionsAreNotCut();
    void resultCaptionsFitTheirFrames_data() { inEachLanguage(); }
    void resultCaptionsFitTheirFrames();
    void greekLettersJoinTheirCaptions_data() { inEachLanguage(); }
    void greekLettersJoinTheirCaptions();
    void captionsStandOnTheBaselineOfTheirFields_data() { inEachLanguage(); }
    void captionsStandOnTheBaselineOfTheirFields();
    void viewChoiceKeepsClearOfItsFrame_data() { inEachLanguage(); }
    void viewChoiceKeepsClearOfItsFrame();
    void magnifierMarkerIsACircle();
};

// The program's own language is where every other test starts.
void LegibilityTest::cleanup() {
    LanguageSwitch languages;
    QVERIFY(languages.use("ru"));
}

void LegibilityTest::largeWindowsKeepTheirPictures_data() {
    QTest::addColumn<QSize>("client");
    QTest::newRow("1400 x 1000") << QSize(1400, 1000);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
}

void LegibilityTest::largeWindowsKeepTheirPictures() {
    QFETCH(QSize, client);
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    window.openMagnifier();
    window.magnifier()->resize(420, 420);
    showAtClientSize(window, client);
    QTRY_COMPARE(window.magnifier()->size(), QSize(420, 420));
    const QString size = QStringLiteral("%1x%2").arg(client.width()).arg(client.height());
    const QByteArray writeTo = qgetenv("TRELVIX_WRITE_REFERENCE");
    for (const NamedPanel& panel : panels(window)) {
        // The time graphs are drawn when their view is chosen.
        if (panel.name == "displacement") window.controls().graphsOption->click();
        const QImage picture = panel.panel->image().convertToFormat(QImage::Format_RGB32);
        const QString file = size + '_' + panel.name + ".png";
        if (!writeTo.isEmpty()) {
            QVERIFY(picture.save(QString::fromLocal8Bit(writeTo) + '/' + file));
            continue;
        }
        const QImage reference(QString::fromUtf8(referenceFolder) + '/' + file);
        QVERIFY2(!reference.isNull(), qPrintable(file));
        QVERIFY2(picture == reference.convertToFormat(QImage::Format_RGB32), qPrintable(file));
    }
    window.magnifier()->close();
}

void LegibilityTest::labelsNeverOverlap_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("graphs");
    QTest::addColumn<QString>("language");
    QTest::newRow("700 x 504, animation") << QSize(700, 504) << false << "ru";
    QTest::newRow("700 x 504, graphs") << QSize(700, 504) << true << "ru";
    QTest::newRow("smallest, graphs") << QSize(480, 240) << true << "ru";
    QTest::newRow("wide and short, graphs") << QSize(1200, 300) << true << "ru";
    QTest::newRow("1920 x 1080, graphs") << QSize(1920, 1080) << true << "ru";
    QTest::newRow("700 x 504, animation, English") << QSize(700, 504) << false << "en";
    QTest::newRow("700 x 504, graphs, English") << QSize(700, 504) << true << "en";
    QTest::newRow("smallest, graphs, English") << QSize(480, 240) << true << "en";
    QTest::newRow("1920 x 1080, graphs, English") << QSize(1920, 1080) << true << "en";
}

// No two labels of a panel share a pixel, whatever the size, and every label that names an
// axis lies wholly inside its panel, also once a run has drawn over the panels.
void LegibilityTest::labelsNeverOverlap() {
    QFETCH(QSize, client);
    QFETCH(bool, graphs);
    QFETCH(QString, language);
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    window.openMagnifier();
    window.magnifier()->resize(200, 200);
    showAtClientSize(window, client);
    speak(platform, language);
    if (graphs) QTest::mouseClick(window.controls().graphsOption, Qt::LeftButton);
    window.document().storeInput(Input::T, 0.2);
    window.startOrStop();
    using namespace graphics;
    const QStringList axisNames{yxVerticalAxisName(),   yxHorizontalAxisName(), timeAxisName(),
                                displacementAxisName(), velocityAxisName(),     energyAxisName()};
    QStringList drawnNames = axisNames; // those not yet found on a panel
    for (const NamedPanel& panel : panels(window)) {
        const QRectF inside(QPointF(0, 0), QSizeF(panel.panel->surface().size()));
        const auto& labels = panel.panel->surface().labels();
        // The animation is a copy of the plane: its labels are the plane's.
        QVERIFY2(!labels.empty() || panel.name == "scene", qPrintable(panel.name));
        for (std::size_t i = 0; i < labels.size(); ++i) {
            drawnNames.removeAll(labels[i].text);
            if (axisNames.contains(labels[i].text))
                QVERIFY2(inside.contains(labels[i].box), qPrintable(labels[i].text));
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                QVERIFY2(!labels[i].box.intersects(labels[j].box),
                         qPrintable(panel.name + ": " + labels[i].text + " / " + labels[j].text));
        }
    }
    QVERIFY2(drawnNames.isEmpty(), qPrintable(drawnNames.join(", ")));
    window.magnifier()->close();
}

void LegibilityTest::captionsAreNotCut_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("language");
    for (const char* language : {"ru", "en"}) {
        QTest::addRow("700 x 504, %s", language) << QSize(700, 504) << QString(language);
        QTest::addRow("1920 x 1080, %s", language) << QSize(1920, 1080) << QString(language);
    }
}

// Every caption of the window has the room its text needs: a label's text inside its frame, a
// button's inside its bevel, the check box's and the options' beside their marks, the frame's
// title within the frame.  (The Greek letters stand over blanks of their captions: see below.)
void LegibilityTest::captionsAreNotCut() {
    QFETCH(QSize, client);
    QFETCH(QString, language);
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAtClientSize(window, client);
    speak(platform, language);
    const MainControls& c = window.controls();
    // Where the ink of a text written from x = 0 ends: a blank at its end may be cut unseen.  A
    // label's ink may end a pixel and a half past it, where the field beside it begins: the
    // equals sign of the designed Russian "ρo (кг/м3) =" does.
    const auto width = [](const QWidget* w, const QString& text) {
        return QFontMetricsF(w->font()).boundingRect(text).right();
    };
    for (const QLabel* label : window.clientArea()->findChildren<QLabel*>()) {
        if (std::ranges::count(c.parameterLetters, label) +
            std::ranges::count(c.resultLetters, label))
            continue;
        const double needed = std::max(0, label->indent()) + width(label, label->text());
        QVERIFY2(needed <= label->contentsRect().width() + 1.5, qPrintable(label->text()));
    }
    for (const QPushButton* button : {c.startButton, c.magnifierButton}) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect inside =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY2(width(button, button->text()) <= inside.width(), qPrintable(button->text()));
    }
    const QStyle* style = c.resultsFileBox->style();
    const double box = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                       style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    QVERIFY2(box + width(c.resultsFileBox, c.resultsFileBox->text()) <= c.resultsFileBox->width(),
             qPrintable(c.resultsFileBox->text()));
    QVERIFY2(width(c.viewFrame, c.viewFrame->title()) < c.viewFrame->width() - 16,
             qPrintable(c.viewFrame->title()));
}

// Every result caption, the longest included, fits inside its bordered label at 700 x 504.
void LegibilityTest::resultCaptionsFitTheirFrames() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showInLanguage(window, platform);
    for (const ResultRow& row : resultRows) {
        const QLabel* label = window.controls().result(row.result);
        const QRect frame = label->contentsRect();
        const double needed = std::max(0, label->indent()) +
                              QFontMetricsF(label->font()).horizontalAdvance(label->text());
        QVERIFY2(needed <= frame.width(), qPrintable(label->text()));
    }
}

// The Greek letter and the caption after its blanks read as one word: in the picture of the
// window no gap between the ink of the letter and the ink after it is wider than a letter's own
// spacing ("ωo", "νr", "η_kr").  Where an equals sign follows the letter ("δ = ", "Θ = ") a
// blank between them is as in "Q = ".
void LegibilityTest::greekLettersJoinTheirCaptions() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showInLanguage(window, platform);
    const QImage picture = window.clientArea()->grab().toImage();
    for (const GreekOverlay<Result>& overlay : resultOverlays) {
        const QLabel* letter = window.controls().letter(overlay.partner);
        const QLabel* partner = window.controls().result(overlay.partner);
        if (partner->text().trimmed().startsWith('=')) continue;
        const QRect row = partner->geometry().adjusted(2, 4, 0, -4);
        const QList<int> columns =
            inkColumns(picture, row.top(), row.bottom(), row.left(), row.right());
        const double letterWidth = QFontMetricsF(letter->font()).horizontalAdvance(letter->text());
        QVERIFY2(widestGap(columns, int(letterWidth) + 8) <= 3, qPrintable(partner->text()));
    }
}

// The caption of each parameter row stands on the baseline of the number in its field.  The
// first letter of a caption sits on the baseline, as every digit of a field does (the rows whose
// caption starts with η or a parenthesis are left out: those reach below it).
void LegibilityTest::captionsStandOnTheBaselineOfTheirFields() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showInLanguage(window, platform);
    const QImage picture = window.clientArea()->grab().toImage();
    for (const Input input : allInputs) {
        if (input == Input::eta || input == Input::nu) continue;
        const QLabel* caption = window.controls().caption(input);
        const QLineEdit* field = window.controls().field(input);
        const QString text = caption->text().trimmed();
        const double blanks =
            QFontMetricsF(caption->font())
                .horizontalAdvance(caption->text().left(caption->text().indexOf(text.front())));
        const int firstLetterLeft = caption->x() + caption->contentsRect().left() + int(blanks);
        const QRect firstLetter(firstLetterLeft + 1, caption->y(), 5, caption->height());
        const QRect digits = field->geometry().adjusted(4, 2, -4, -2);
        QCOMPARE(lowestInkRow(picture, firstLetter), lowestInkRow(picture, digits));
    }
}

// The option buttons stand inside the frame's border, under its title, and the longer caption
// has all the room it needs.
void LegibilityTest::viewChoiceKeepsClearOfItsFrame() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showInLanguage(window, platform);
    const MainControls& c = window.controls();
    const QRect inside = c.viewFrame->contentsRect();
    for (const QRadioButton* option : {c.animationOption, c.graphsOption}) {
        QVERIFY(inside.contains(option->geometry()));
        const QStyle* style = option->style();
        const double needed = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                              style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) +
                              QFontMetricsF(option->font()).horizontalAdvance(option->text());
        QVERIFY2(needed < option->width(), qPrintable(option->text()));
    }
}

// The marker of the ball centre is a circle 10 pixels across in its 10 × 17 box.
void LegibilityTest::magnifierMarkerIsACircle() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    QWidget* marker = window.magnifier()->marker();
    QCOMPARE(marker->size(), QSize(10, 17));
    QImage picture(marker->size(), QImage::Format_ARGB32);
    picture.fill(Qt::white);
    marker->render(&picture);
    QRect drawn;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (ink(picture.pixel(x, y)) > 40) drawn |= QRect(x, y, 1, 1);
    QCOMPARE(drawn.width(), 10);
    QCOMPARE(drawn.height(), 10);
}

QTEST_MAIN(LegibilityTest)
#include "tst_legibility.moc"
