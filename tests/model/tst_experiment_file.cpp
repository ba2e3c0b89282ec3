#include "../support/file_size_limit.h"
#include "model/experiment_file.h"
#include "model/system_error_text.h"

#include <QtTest>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

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
    void failedWriteLeavesTheOldFile();
    void pathsThatCannotBeReadSayWhy_data();
    void pathsThatCannotBeReadSayWhy();
};

void ExperimentFileTest::writtenTextReadsBack() {
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::string_view name : names)
        entries.emplace_back(name, std::string(name) + " text, 1 , 5 = x");
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
                                                "nu = 3\n"
                                                "nu = 4,5\n"
                                                "k = 45.5 N/m, 2,");
    QVERIFY(reading.ok());
    QCOMPARE(reading.texts.at("eta"), "0.05");
    // The last line of a name counts; a comma between digits is a decimal point, no other.
    QCOMPARE(reading.texts.at("nu"), "4.5");
    QCOMPARE(reading.lines.at("nu"), 6);
    QCOMPARE(reading.texts.at("k"), "45.5 N/m, 2,");
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

    // A failure without a Russian phrase keeps the system's own words.
    QCOMPARE(systemErrorText(EXDEV), std::string(std::strerror(EXDEV)));
    // Denied access, which a test run as root cannot provoke, names its side.
    QCOMPARE(systemErrorText(EACCES, FileAccess::Reading), "нет прав на чтение");
    QCOMPARE(systemErrorText(EACCES, FileAccess::Writing), "нет прав на запись");
}

// The new text cannot be written whole (the size limit strikes after the first bytes): the old
// file must keep every byte, which only a save through a separate file can promise.
void ExperimentFileTest::failedWriteLeavesTheOldFile() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("lab1.trelvix").toStdString();
    QVERIFY(saveFileAtomically(path, "old\n").ok);
    {
        const FileSizeLimit limit(2);
        const FileStatus status = saveFileAtomically(path, "a new text longer than the limit\n");
        QVERIFY(!status.ok);
        QCOMPARE(status.reason, "файл слишком велик");
    }
    QCOMPARE(contentsOf(QString::fromStdString(path)), "old\n");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"lab1.trelvix"});
}

void ExperimentFileTest::pathsThatCannotBeReadSayWhy_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << "none.trelvix"
                                  << "файл не найден";
    QTest::newRow("folder") << "folder.trelvix"
                            << "это папка, а не файл";
    // Opening a pipe for reading would wait for a writer for ever.
    QTest::newRow("named pipe") << "pipe.trelvix"
                                << "это именованный канал, а не файл";
    QTest::newRow("device") << "/dev/null"
                            << "это устройство, а не файл";
    QTest::newRow("symbolic link loop") << "loop.trelvix"
                                        << "символические ссылки пути замкнуты в кольцо";
}

void ExperimentFileTest::pathsThatCannotBeReadSayWhy() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.trelvix"));
    QCOMPARE(mkfifo(dir.filePath("pipe.trelvix").toLocal8Bit().constData(), 0600), 0);
    QVERIFY(QFile::link(dir.filePath("loop.trelvix"), dir.filePath("loop.trelvix")));
    const QString path = name.startsWith('/') ? name : dir.filePath(name);
    const ExperimentFileReading reading = readExperimentFile(path.toStdString(), names);
    QCOMPARE(reading.problem, ExperimentFileProblem::Unreadable);
    QCOMPARE(QString::fromStdString(reading.reason), reason);
}

QTEST_APPLESS_MAIN(ExperimentFileTest)
#include "tst_experiment_file.moc"
