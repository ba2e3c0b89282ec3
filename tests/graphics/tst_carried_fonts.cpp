// The carried faces: registered from the program's resources, and what a request for them draws
// with is exactly those files (Liberation 1.x outlines), whatever else the machine has installed
// (this suite is meant to run where Liberation 2.x shares the original family names too).

#include "graphics/carried_fonts.h"

#include <QFile>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>
#include <QtTest>

using namespace trelvix::graphics;

Q_DECLARE_METATYPE(trelvix::graphics::Face)

class CarriedFontsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void requestsDrawWithTheCarriedFiles_data();
    void requestsDrawWithTheCarriedFiles();
};

void CarriedFontsTest::initTestCase() {
    QVERIFY(registerCarriedFonts());
}

void CarriedFontsTest::requestsDrawWithTheCarriedFiles_data() {
    QTest::addColumn<Face>("face");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("file");
    QTest::newRow("serif") << Face::Serif << false << ":/fonts/TrelvixSerif-Regular.ttf";
    QTest::newRow("serif bold") << Face::Serif << true << ":/fonts/TrelvixSerif-Bold.ttf";
    QTest::newRow("sans") << Face::Sans << false << ":/fonts/TrelvixSans-Regular.ttf";
}

void CarriedFontsTest::requestsDrawWithTheCarriedFiles() {
    QFETCH(Face, face);
    QFETCH(bool, bold);
    QFETCH(QString, file);
    const QFont font = carriedFont(face, 12, bold);
    const QFontInfo resolved(font);
    QCOMPARE(resolved.family(), carriedFamily(face));
    QCOMPARE(resolved.bold(), bold);

    QFile carried(file);
    QVERIFY(carried.open(QIODevice::ReadOnly));
    const QRawFont expected(carried.readAll(), 12);
    const QRawFont drawn = QRawFont::fromFont(font);
    QVERIFY(expected.isValid() && drawn.isValid());
    QCOMPARE(drawn.fontTable("glyf"), expected.fontTable("glyf"));
    // The head table's font revision, 16.16 fixed point: the 1.x faces the windows were laid
    // out with, not the 2.x ones of the same names.
    const QByteArray head = drawn.fontTable("head");
    QVERIFY(head.size() >= 8);
    QCOMPARE(qFromBigEndian<quint32>(head.constData() + 4) >> 16, 1U);

    // Greek and Cyrillic letters have outlines of their own: none is drawn as a blank.
    for (const QChar letter : QStringLiteral("ωδφΘνЖя")) {
        QVERIFY2(drawn.supportsCharacter(letter), qPrintable(QString(letter)));
        const QList<quint32> glyphs = drawn.glyphIndexesForString(QString(letter));
        QVERIFY(!glyphs.isEmpty() && !drawn.pathForGlyph(glyphs.first()).isEmpty());
    }
}

QTEST_MAIN(CarriedFontsTest)
#include "tst_carried_fonts.moc"
