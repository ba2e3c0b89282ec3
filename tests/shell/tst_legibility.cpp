// What a student must be able to read at every window size: no label on a plot panel runs into
// another or out of its panel, the result captions read whole with their Greek letters, the
// parameter captions stand on the baseline of their fields, the view frame's parts do not touch.
// Large windows, where nothing ever collided, keep exactly the pictures they had.

#include "graphics/surface.h"
#include "recording_platform.h"
#include "shell/magnifier_window.h"
#include "shell/main_window.h"
#include "shell/picture_box.h"

#include <QMenuBar>
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

struct NamedSurface {
    QString name;
    const graphics::Surface* surface;
};

std::vector<NamedSurface> panels(MainWindow& window) {
    const MainControls& c = window.controls();
    return {{"plane", &c.Picture1->surface()},
            {"scene", &c.Picture2->surface()},
            {"displacement", &c.Picture3->surface()},
            {"velocity", &c.Picture4->surface()},
            {"energy", &c.Picture6->surface()},
            {"magnifier", &window.magnifier()->surface()->surface()}};
}

} // namespace

class LegibilityTest : public QObject {
    Q_OBJECT

private slots:
    void largeWindowsKeepTheirPictures_data();
    void largeWindowsKeepTheirPictures();
};

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
    for (const NamedSurface& panel : panels(window)) {
        const QImage picture = panel.surface->image().convertToFormat(QImage::Format_RGB32);
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

QTEST_MAIN(LegibilityTest)
#include "tst_legibility.moc"
