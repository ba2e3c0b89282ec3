#include "model/experiment_file.h"

#include <QtTest>
#include <array>
#include <fstream>
#include <sstream>

using namespace trelvix;

namespace {

constexpr std::array<std::string_view, 12> names{"m",   "d",  "c",  "k",  "L0",  "ro",
                                                 "eta", "Xm", "nu", "X0", "V0x", "T"};

ExperimentFileReading parse(const std::string& bytes) {
    return parseExperimentFile(bytes, names);
}

std::string contentsOf(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

} // namespace

Q_DECLARE_METATYPE(ExperimentFileProblem)

class ExperimentFileTest : public QObject {
    Q_OBJECT

private slots:
    void writtenTextReadsBack();
    void linesAreTrimmedAndCommentsSkipped();
    void unknownNamesAreListedAndTheRestKept();
    void unusableFilesNameTheirLine_data();
    void unusableFilesNameTheirLine();
    void saveReplacesTheFileWhole();
    void failedSaveLeavesTheOldFile();
};

void ExperimentFileTest::writtenTextReadsBack() {
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::string_view name : names)
        entries.emplace_back(name, std::string(name) + " text, 1,5 = x");
    const ExperimentFileReading reading =
        parse(experimentFileText(entries, "сохранено 2026-12-07 10:15"));
    QVERIFY(reading.ok());
    QCOMPARE(reading.texts.size(), names.size());
    for (const auto& [name, text] : entries)
        QCOMPARE(reading.texts.at(name), text);
}

void ExperimentFileTest::linesAreTrimmedAndCommentsSkipped() {
    const ExperimentFileReading reading = parse("\xEF\xBB\xBFtrelvix experiment 1\r\n"
                                                "# a comment = with an equals sign\r\n"
                                                "\r\n"
                                                "   eta\t=   0.05  \r\n"
                                                "nu = 4,5\n"
                                                "nu = 3\n"
                                                "k = 45.5 N/m");
    QVERIFY(reading.ok());
    QCOMPARE(reading.texts.at("eta"), "0.05");
    QCOMPARE(reading.texts.at("nu"), "3"); // the last line of a name counts
    QCOMPARE(reading.texts.at("k"), "45.5 N/m");
    QCOMPARE(reading.texts.size(), std::size_t(3));
}

void ExperimentFileTest::unknownNamesAreListedAndTheRestKept() {
    const ExperimentFileReading reading = parse("trelvix experiment 1\nmass = 2\nm = 0.1\nη = 3\n");
    QVERIFY(reading.ok());
    QCOMPARE(reading.unknownNames, (std::vector<std::string>{"mass", "η"}));
    QCOMPARE(reading.texts.at("m"), "0.1");
}

void ExperimentFileTest::unusableFilesNameTheirLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ExperimentFileProblem>("problem");
    QTest::addColumn<int>("line");
    using enum ExperimentFileProblem;
    const QByteArray header = "trelvix experiment 1\n";
    QTest::newRow("empty") << QByteArray() << WrongFirstLine << 1;
    QTest::newRow("other first line")
        << QByteArray("trelvix experiment 2\nm = 1\n") << WrongFirstLine << 1;
    QTest::newRow("Latin-1 byte") << header + "m = 1\nc = 0\xE9\n" << NotText << 3;
    QTest::newRow("overlong UTF-8") << header + "m = \xC0\xAF\n" << NotText << 2;
    QTest::newRow("NUL byte") << header + QByteArray("m = 1\0", 6) << NotText << 2;
    QTest::newRow("line without =") << header + "m = 1\n\nd 0.1\n" << BadLine << 4;
    QTest::newRow("name with a blank") << header + "m x = 1\n" << BadLine << 2;
    QTest::newRow("empty name") << header + " = 1\n" << BadLine << 2;
    QTest::newRow("larger than 64 KiB") << header + "# " + QByteArray(64 * 1024, 'x') + "\n"
                                        << TooLarge << 0;
}

void ExperimentFileTest::unusableFilesNameTheirLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(ExperimentFileProblem, problem);
    QFETCH(int, line);
    const ExperimentFileReading reading = parse(bytes.toStdString());
    QCOMPARE(reading.problem, problem);
    QCOMPARE(reading.line, line);
    QVERIFY(reading.texts.empty());
}

void ExperimentFileTest::saveReplacesTheFileWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath("lab1.trelvix");
    QVERIFY(saveFileAtomically(path.toStdString(), "first version, longer than the next\n").ok);
    QVERIFY(saveFileAtomically(path.toStdString(), "second\n").ok);
    QCOMPARE(contentsOf(path), "second\n");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"lab1.trelvix"});
    const ExperimentFileReading reading = readExperimentFile(path.toStdString(), names);
    QCOMPARE(reading.problem, ExperimentFileProblem::WrongFirstLine);
}

void ExperimentFileTest::failedSaveLeavesTheOldFile() {
    QTemporaryDir dir;
    const FileStatus noFolder =
        saveFileAtomically(dir.filePath("missing/lab1.trelvix").toStdString(), "x\n");
    QVERIFY(!noFolder.ok);
    QCOMPARE(QString::fromStdString(noFolder.reason), QString("нет такой папки"));

    // A folder where the file should go cannot be replaced; the folder and its contents stay,
    // and no temporary file is left behind.
    QVERIFY(QDir(dir.path()).mkpath("lab2.trelvix/inner"));
    const FileStatus overFolder =
        saveFileAtomically(dir.filePath("lab2.trelvix").toStdString(), "x\n");
    QVERIFY(!overFolder.ok);
    QVERIFY(QFileInfo(dir.filePath("lab2.trelvix/inner")).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

    const ExperimentFileReading missing =
        readExperimentFile(dir.filePath("none.trelvix").toStdString(), names);
    QCOMPARE(missing.problem, ExperimentFileProblem::Unreadable);
    QCOMPARE(QString::fromStdString(missing.reason), QString("нет такой папки"));
}

QTEST_APPLESS_MAIN(ExperimentFileTest)
#include "tst_experiment_file.moc"
