// Experiment files, examples and the export of the last run through the main window: a saved
// set-up loads back to the same twelve texts, a file that cannot be used changes nothing, the
// examples give the regimes they name, and the CSV table is what a spreadsheet set to Russian
// reads as numbers.  Runs under a Russian locale, where the C library writes decimal commas.

#include "../help/pdf_pages.h"
#include "entry/input_table.h"
#include "last_step.h"
#include "open_windows.h"
#include "recording_platform.h"
#include "shell/files/lab_report.h"
#include "shell/main_window/main_window.h"
#include "shell/research/phase_portrait_window.h"
#include "shell/resonance/resonance_window.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/picture_box.h"
#include "test_files.h"
#include "window_fixture.h"

#include <QtTest>
#include <QtWidgets>
#include <numbers>

using namespace trelvix;

namespace {

// A vector drawing: lines and texts as SVG elements, no picture of pixels embedded.
void verifyVectorSvg(const QByteArray& svg) {
    QVERIFY(svg.contains("<svg"));
    int shapes = 0;
    for (const char* element : {"<path", "<polyline", "<rect", "<circle", "<ellipse"})
        shapes += svg.count(element);
    QVERIFY2(shapes > 10, svg.left(400).constData());
    QVERIFY(svg.contains("<text"));
    QVERIFY(!svg.contains("<image"));
}

QStringList fieldTexts(const MainWindow& window) {
    QStringList texts;
    for (const InputRow& row : inputTable())
        texts << window.controls().field(row.input)->text();
    return texts;
}

// Types a new text into a parameter field as the student would overwrite it.
void enter(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

const QRegularExpression cyrillic("\\p{Cyrillic}");

// The lines of `text` with a Russian letter.
QString cyrillicLines(const QString& text) {
    return text.split('\n').filter(cyrillic).join('\n');
}

// The report's plain text without the experiment's own values (the texts of the fields), which
// stay as the student typed them in any language.
QString reportWords(const LabReport& report) {
    QTextDocument document;
    composeLabReport(document, report);
    QString text = document.toPlainText();
    for (const ReportParameter& parameter : report.parameters)
        text.remove(parameter.text);
    return text;
}

} // namespace

class ExperimentFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void saveThenOpenGivesTheSameTexts();
    void textsGoThroughTheFieldRules();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void unknownNamesWarnAndTheRestLoads();
    void examplesGiveTheRegimesTheyName();
    void lastRunExportsAsCsvAndToTheClipboard();
    void panelPicturesSaveAndCopy();
    void pictureTypeFollowsTheChosenType_data();
    void pictureTypeFollowsTheChosenType();
    void reportAsPdfAndPrinted();
    void exportAndReportFollowTheLanguage();
    void savedInEnglishOpensInRussian();
    void fileMessagesFollowTheLanguage_data();
    void fileMessagesFollowTheLanguage();
    void cleanup();

private:
    QString path(const QString& name) const { return workDir_->filePath(name); }

    WindowFixture fixture_;
    std::unique_ptr<RecordingPlatform>& platform_ = fixture_.platform;
    std::unique_ptr<MainWindow>& window_ = fixture_.window;
    std::unique_ptr<QTemporaryDir>& workDir_ = fixture_.workDir;
};

void ExperimentFilesTest::init() {
    QVERIFY(fixture_.open());
}

void ExperimentFilesTest::saveThenOpenGivesTheSameTexts() {
    MainWindow& w = *window_;
    enter(w.controls().field(Input::k), "55.25");
    enter(w.controls().field(Input::nu), "3.3");
    const QStringList saved = fieldTexts(w);

    platform_->chosenFiles << path("lab1"); // the extension is added
    w.menus().experiment.save->trigger();
    const QList<QByteArray> lines = fileBytes(path("lab1.trelvix")).split('\n');
    QCOMPARE(lines.size(), 2 + 12 + 1);
    QCOMPARE(lines[0], QByteArray("trelvix experiment 1"));
    QVERIFY(lines[1].startsWith("# "));
    QCOMPARE(lines[5], QByteArray("k = 55.250"));

    enter(w.controls().field(Input::k), "41");
    enter(w.controls().field(Input::T), "7");
    platform_->chosenFiles << path("lab1.trelvix");
    w.menus().experiment.open->trigger();
    QCOMPARE(fieldTexts(w), saved);
    QCOMPARE(w.experiment().inputs.k, 55.25);

    // The file heads the recent files, which open it again.
    enter(w.controls().field(Input::k), "41");
    QMenu* recent = w.menus().experiment.recent;
    emit recent->aboutToShow();
    QVERIFY(recent->actions().first()->text().endsWith(path("lab1.trelvix")));
    recent->actions().first()->trigger();
    QCOMPARE(fieldTexts(w), saved);
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 0);
}

// Each text is pasted at once: a comma between digits is a decimal point, words after the number
// are ignored, and a name not given returns to its start.
void ExperimentFilesTest::textsGoThroughTheFieldRules() {
    MainWindow& w = *window_;
    const QString initialX0 = w.controls().field(Input::X0)->text();
    enter(w.controls().field(Input::X0), "0.5");
    platform_->clear();
    writeFile(path("rules.trelvix"), "trelvix experiment 1\n\n# a comment\n  nu = 4,5  \n"
                                     "k = 45.5 N/m\n");
    w.openExperimentFile(path("rules.trelvix"));
    QCOMPARE(w.controls().field(Input::nu)->text(), QString("4.5000"));
    QCOMPARE(w.controls().field(Input::k)->text(), QString("45.500"));
    QCOMPARE(w.controls().field(Input::X0)->text(), initialX0);
    QCOMPARE(platform_->log(), QStringList());
}

void ExperimentFilesTest::badFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("where");
    QTest::newRow("not UTF-8") << QByteArray("trelvix experiment 1\nm = 0.1\nd = \xff\xfe\n")
                               << "строка 3";
    QTest::newRow("other first line")
        << QByteArray("trelvix experiment 2\nm = 0.1\n") << "строка 1";
    QTest::newRow("larger than 64 KiB")
        << QByteArray("trelvix experiment 1\nm = 0.1\n") + QByteArray(64 * 1024, '#') << "64 КБ";
    QTest::newRow("not NAME = TEXT")
        << QByteArray("trelvix experiment 1\nm = 0.1\nk 45\n") << "строка 3";
    QTest::newRow("not a number") << QByteArray("trelvix experiment 1\nm = abc\n")
                                  << "строка 2, m (масса шара): «abc»";
    QTest::newRow("refused by the field's rule")
        << QByteArray("trelvix experiment 1\nk = 50\n\nd = -1\n")
        << "строка 4, d (диаметр шара): не может быть отрицательным или 0";
    // X0 is checked against the d and Xm of the file, as the fields would.
    QTest::newRow("refused against another value")
        << QByteArray("trelvix experiment 1\nXm = 1\nX0 = 0.5\n") << "строка 3, X0";
}

void ExperimentFilesTest::badFilesChangeNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, where);
    MainWindow& w = *window_;
    enter(w.controls().field(Input::m), "0.2");
    platform_->clear();
    const QStringList before = fieldTexts(w);
    const Inputs inputsBefore = w.experiment().inputs;
    writeFile(path("bad.trelvix"), bytes);
    w.openExperimentFile(path("bad.trelvix"));
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 1);
    const PlatformEvent& box = platform_->events.first();
    QCOMPARE(box.title, QString("Ошибка"));
    QVERIFY2(box.text.contains(path("bad.trelvix")) && box.text.contains(where),
             qPrintable(box.text));
    QVERIFY(!box.text.contains("Не вводите")); // a file is corrected, not typed again
    QCOMPARE(fieldTexts(w), before);
    QCOMPARE(w.experiment().inputs.m, inputsBefore.m);
    QMenu* recent = w.menus().experiment.recent;
    emit recent->aboutToShow();
    for (const QAction* item : recent->actions())
        QVERIFY(!item->text().endsWith("bad.trelvix"));
}

// The warning stays short however many and however long the unknown names are: ten are listed,
// each cut to 40 characters, and the rest counted.
void ExperimentFilesTest::unknownNamesWarnAndTheRestLoads() {
    MainWindow& w = *window_;
    QByteArray bytes = "trelvix experiment 1\nmass = 3\nk = 50\ncolour = red\n";
    bytes += QByteArray(50, 'w') + " = 1\n";
    for (int i = 4; i <= 12; ++i)
        bytes += "name" + QByteArray::number(i) + " = 1\n";
    writeFile(path("unknown.trelvix"), bytes);
    w.openExperimentFile(path("unknown.trelvix"));
    QCOMPARE(w.controls().field(Input::k)->text(), QString("50.000"));
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 1);
    QCOMPARE(platform_->events.first().title, QString("Предупреждение"));
    const QString text = platform_->events.first().text;
    QVERIFY2(text.contains("mass, colour, " + QString(40, 'w') + "…, name4"), qPrintable(text));
    QVERIFY2(text.contains("name10 и ещё 2"), qPrintable(text));
    QVERIFY(!text.contains("name11"));
}

// Each example is checked by the physics of its regime, from the characteristics it leaves.
void ExperimentFilesTest::examplesGiveTheRegimesTheyName() {
    MainWindow& w = *window_;
    const auto& presets = w.menus().experiment.presets;
    const Characteristics& now = w.experiment().derived;
    const Inputs& in = w.experiment().inputs;

    presets[1]->trigger(); // drive at resonance
    QVERIFY(std::fabs(in.nu / now.nu_r - 1) < 1e-3);
    presets[4]->trigger(); // beats: 5 % above ν0
    QVERIFY(std::fabs(in.nu / (now.omega_0 / (2 * std::numbers::pi)) - 1.05) < 1e-3);
    presets[0]->trigger(); // critical viscosity: the damping equals the natural frequency
    QVERIFY(std::fabs(now.delta / now.omega_0 - 1) < 1e-3);
    presets[2]->trigger();
    QCOMPARE(in.Xm, 0.0);
    const double k = in.k;
    presets[3]->trigger();
    QCOMPARE(in.ro, 0.0);
    QCOMPARE(in.eta, 0.0);
    QCOMPARE(in.k, k);                                           // everything else stays
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 2); // the two vacuum warnings

    // Damped beyond ω0/√2 there is no resonance maximum to drive at: nothing changes.
    enter(w.controls().field(Input::ro), "1000");
    enter(w.controls().field(Input::eta), "20");
    const double nu = in.nu;
    platform_->clear();
    presets[1]->trigger();
    QCOMPARE(in.nu, nu);
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 1);
    QCOMPARE(platform_->events.first().title, QString("Ошибка"));
}

void ExperimentFilesTest::lastRunExportsAsCsvAndToTheClipboard() {
    MainWindow& w = *window_;
    const ExperimentMenus& m = w.menus().experiment;
    QVERIFY(!m.exportCsv->isEnabled() && !m.copyTable->isEnabled());
    enter(w.controls().field(Input::T), "0.1");
    int steps = 0;
    connect(&w.runController(), &RunController::stepped, this, [&steps] { ++steps; });
    const LastStep last(w);
    w.startOrStop();
    QVERIFY(m.exportCsv->isEnabled() && m.copyTable->isEnabled());

    platform_->chosenFiles << path("run.csv");
    m.exportCsv->trigger();
    const QByteArray csv = fileBytes(path("run.csv"));
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 1 + steps); // the header, the initial state, the steps
    QCOMPARE(lines[0], QString("t, с;X − Xg, м;Vx, м/с;W, Дж"));
    QVERIFY(lines[1].startsWith("0;"));
    const QStringList cells = lines.last().split(';');
    QCOMPARE(cells.size(), 4);
    QVERIFY(!lines.last().contains('.')); // the desktop's decimal comma, nowhere a point
    const QLocale russian(QLocale::Russian);
    QCOMPARE(cells[0], russian.toString(steps * w.experiment().derived.step, 'g', 10));
    QCOMPARE(russian.toDouble(cells[1]), last.state.X - w.experiment().derived.Xg);
    QCOMPARE(russian.toDouble(cells[2]), last.state.Vx);
    QCOMPARE(russian.toFloat(cells[3]), last.state.W);

    m.copyTable->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, lines.join('\n').replace(';', '\t') + '\n');
}

// The time graphs, the magnifier and the research plots (the Y-X plot below): PNG at the panel's
// device pixels, SVG as a vector drawing, the clipboard.
void ExperimentFilesTest::panelPicturesSaveAndCopy() {
    MainWindow& w = *window_;
    enter(w.controls().field(Input::T), "0.1");
    w.startOrStop();
    w.runMenu().mnuRunKeep->trigger();
    w.openMagnifier();
    w.controls().graphsOption->click();
    w.runMenu().mnuPhasePortrait->trigger();
    w.openResonanceCurve();
    QTRY_VERIFY(!w.resonanceWindow()->curve().points.empty());
    const QList<PictureBox*> panels{w.controls().displacementPanel, w.magnifier()->surface(),
                                    w.phasePortraitWindow()->surface(),
                                    w.resonanceWindow()->amplitudePanel(),
                                    w.resonanceWindow()->phasePanel()};
    for (PictureBox* panel : panels) {
        QVERIFY(panel->isVisible());
        QAction* save = panel->findChild<QAction*>("savePicture");
        QVERIFY(save && panel->contextMenuPolicy() == Qt::ActionsContextMenu);
        platform_->chosenFiles << path("plot") << path("plot.svg");
        save->trigger();
        const QImage png(path("plot.png"));
        QCOMPARE(png.size(), panel->image().size());
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
                 panel->image().convertToFormat(QImage::Format_RGB32));
        save->trigger();
        verifyVectorSvg(fileBytes(path("plot.svg")));
        panel->findChild<QAction*>("copyPicture")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 panel->image().convertToFormat(QImage::Format_RGB32));
    }
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 0);
}

// The extension typed decides the file type; a name without one gets the type chosen in the
// dialog, whose data the file then holds.
void ExperimentFilesTest::pictureTypeFollowsTheChosenType_data() {
    QTest::addColumn<QString>("chosenType");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    const QString png = "Изображения PNG (*.png)", svg = "Рисунки SVG (*.svg)";
    QTest::newRow("PNG, no extension") << png << "plot"
                                       << "plot.png";
    QTest::newRow("SVG, no extension") << svg << "plot"
                                       << "plot.svg";
    QTest::newRow("SVG, .png typed") << svg << "plot.png"
                                     << "plot.png";
    QTest::newRow("PNG, .SVG typed") << png << "plot.SVG"
                                     << "plot.SVG";
    QTest::newRow("SVG, other extension") << svg << "plot.v1"
                                          << "plot.v1.svg";
}

void ExperimentFilesTest::pictureTypeFollowsTheChosenType() {
    QFETCH(QString, chosenType);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    platform_->chosenFiles << path(typed);
    platform_->chosenFilters << chosenType;
    window_->controls().planePanel->findChild<QAction*>("savePicture")->trigger();
    QCOMPARE(QDir(workDir_->path()).entryList(QDir::Files), QStringList{written});
    const QByteArray bytes = fileBytes(path(written));
    if (written.endsWith(".png"))
        QVERIFY(bytes.startsWith("\x89PNG"));
    else
        verifyVectorSvg(bytes);
}

// The report needs a run; the printer gets the same pages as the PDF file.
void ExperimentFilesTest::reportAsPdfAndPrinted() {
    MainWindow& w = *window_;
    const ExperimentMenus& m = w.menus().experiment;
    QVERIFY(!m.report->isEnabled() && !m.print->isEnabled());
    enter(w.controls().field(Input::T), "0.1");
    w.startOrStop();
    platform_->chosenFiles << path("report");
    m.report->trigger();
    const QByteArray pdf = fileBytes(path("report.pdf"));
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdfPageCount(pdf) >= 3); // the tables, then the four graphs two to a page
    // The graphs, those out of sight included, are vector drawings: many lines, no image.
    QCOMPARE(pdf.count("/Subtype /Image"), 0);
    QVERIFY(pdfStreamsInflated(pdf).count(" l\n") > 100); // the tables draw none
    QTextDocument document;
    composeLabReport(document, w.labReport());
    QVERIFY(document.toPlainText().contains("Измерения"));
    QVERIFY(document.toPlainText().contains("Период T, c"));
    // Every face in it is the carried serif, whatever fonts the desktop has.
    QRegularExpressionMatchIterator face =
        QRegularExpression("/BaseFont\\s*/(\\S+)").globalMatch(QString::fromLatin1(pdf));
    QVERIFY(face.hasNext());
    while (face.hasNext()) {
        const QString name = face.next().captured(1);
        QVERIFY2(name.contains("TrelvixSerif"), qPrintable(name));
    }
    platform_->printerFile = path("printed.pdf");
    m.print->trigger();
    QCOMPARE(pdfPageCount(fileBytes(path("printed.pdf"))), pdfPageCount(pdf));
}

// In English the table's header and the report's own texts are English and the numbers are the
// same; back in Russian both are exactly what they were.
void ExperimentFilesTest::exportAndReportFollowTheLanguage() {
    MainWindow& w = *window_;
    enter(w.controls().field(Input::T), "0.1");
    w.startOrStop();
    const QDateTime when = QDateTime::currentDateTime();
    const auto report = [&] {
        LabReport r = w.labReport();
        r.when = when;
        return r;
    };
    const auto csvLines = [&] {
        platform_->chosenFiles << path("run.csv");
        w.menus().experiment.exportCsv->trigger();
        return QString::fromUtf8(fileBytes(path("run.csv"))).split("\r\n");
    };
    const QString russianReport = reportWords(report());
    const QStringList russianCsv = csvLines();

    QVERIFY(platform_->languages.use("en"));
    const QString englishReport = reportWords(report());
    const QStringList englishCsv = csvLines();
    QVERIFY2(!englishCsv[0].contains(cyrillic), qPrintable(englishCsv[0]));
    QVERIFY(englishCsv[0] != russianCsv[0]);
    QCOMPARE(englishCsv.mid(1), russianCsv.mid(1));

    QVERIFY(platform_->languages.use("ru"));
    QCOMPARE(reportWords(report()), russianReport);
    QCOMPARE(csvLines(), russianCsv);
    QVERIFY(englishReport != russianReport);
    const QString russianLeft = cyrillicLines(englishReport);
    QVERIFY2(russianLeft.isEmpty(), qPrintable(russianLeft));
}

// Only the comment of a saved experiment follows the language: its names and numbers do not.
void ExperimentFilesTest::savedInEnglishOpensInRussian() {
    MainWindow& w = *window_;
    enter(w.controls().field(Input::k), "55.25");
    const QStringList saved = fieldTexts(w);
    QVERIFY(platform_->languages.use("en"));
    platform_->chosenFiles << path("lab1.trelvix");
    w.menus().experiment.save->trigger();
    const QList<QByteArray> lines = fileBytes(path("lab1.trelvix")).split('\n');
    QVERIFY2(lines[1].startsWith("# ") && !QString::fromUtf8(lines[1]).contains(cyrillic),
             lines[1].constData());
    QCOMPARE(lines[5], QByteArray("k = 55.250"));

    QVERIFY(platform_->languages.use("ru"));
    enter(w.controls().field(Input::k), "41");
    w.openExperimentFile(path("lab1.trelvix"));
    QCOMPARE(fieldTexts(w), saved);
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 0);
}

// After a switch the messages about files, the model's reasons in them included, are English.
void ExperimentFilesTest::fileMessagesFollowTheLanguage_data() {
    QTest::addColumn<QString>("name"); // opened, or saved to when there are no bytes
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing file") << "none.trelvix" << QByteArray("-");
    QTest::newRow("a folder") << "folder" << QByteArray("-");
    QTest::newRow("not NAME = TEXT") << "bad.trelvix" << QByteArray("trelvix experiment 1\nk 45\n");
    QTest::newRow("unknown names")
        << "unknown.trelvix" << QByteArray("trelvix experiment 1\nmass = 3\n");
    QTest::newRow("save into a missing folder") << "none/lab1.trelvix" << QByteArray();
}

void ExperimentFilesTest::fileMessagesFollowTheLanguage() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    MainWindow& w = *window_;
    QVERIFY(QDir(workDir_->path()).mkdir("folder"));
    if (bytes.size() > 1) writeFile(path(name), bytes);
    QVERIFY(platform_->languages.use("en"));
    platform_->clear();
    if (bytes.isEmpty()) {
        platform_->chosenFiles << path(name);
        w.menus().experiment.save->trigger();
    } else {
        w.openExperimentFile(path(name));
    }
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 1);
    const QString text = platform_->events.first().text;
    QVERIFY2(text.contains(path(name)) && !text.contains(cyrillic), qPrintable(text));
}

void ExperimentFilesTest::cleanup() {
    if (platform_) QVERIFY(platform_->languages.use("ru"));
    window_.reset();
    QCOMPARE(visibleTopLevelWindows(), QStringList());
}

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "ru_RU.UTF-8");
    QApplication app(argc, argv);
    ExperimentFilesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_experiment_files.moc"
