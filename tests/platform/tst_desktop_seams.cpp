// The desktop implementations of the seams: the message boxes as the student sees them, and the
// documents handed to the desktop's viewer.

#include "platform/desktop.h"
#include "platform/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

using namespace trelvix;

namespace {

// Runs `act` on the modal box as soon as it is open.
void whenBoxOpens(std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        act(box);
    });
}

} // namespace

// Receives what QDesktopServices would hand to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestDesktopSeams : public QObject {
    Q_OBJECT

private slots:
    void informShowsTitleTextAndOkOnly() {
        QtMessageBoxes boxes;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Critical;
        int buttons = 0;
        whenBoxOpens([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            QCOMPARE(box->standardButtons(), QMessageBox::Ok);
            box->button(QMessageBox::Ok)->click();
        });
        boxes.inform("Ошибка", "Должно быть больше 0!");
        QCOMPARE(title, "Ошибка");
        QCOMPARE(text, "Должно быть больше 0!");
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
    }

    void askYesNoReturnsTheAnswer_data() {
        QTest::addColumn<int>("answer"); // a standard button, or 0 for closing the box
        QTest::addColumn<bool>("yes");
        QTest::newRow("Да") << int(QMessageBox::Yes) << true;
        QTest::newRow("Нет") << int(QMessageBox::No) << false;
        QTest::newRow("closed") << 0 << false;
    }

    void askYesNoReturnsTheAnswer() {
        QFETCH(int, answer);
        QFETCH(bool, yes);
        QtMessageBoxes boxes;
        QStringList captions;
        whenBoxOpens([&](QMessageBox* box) {
            captions << box->button(QMessageBox::Yes)->text()
                     << box->button(QMessageBox::No)->text();
            if (answer)
                box->button(QMessageBox::StandardButton(answer))->click();
            else
                box->reject();
        });
        QCOMPARE(boxes.askYesNo("На Выход", "Вы абсолютно уверены?"), yes);
        QCOMPARE(captions, (QStringList{"Да", "Нет"}));
    }

    void documentsOpenByAbsoluteFileUrl() {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QFile pdf("spravka.pdf");
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();

        UrlRecorder recorder;
        QDesktopServices::setUrlHandler("file", &recorder, "open");
        QtDesktop desktop;
        desktop.openDocument("spravka.pdf");
        desktop.openDocument("uprav.pdf"); // missing: nothing is opened, nothing is said
        QDesktopServices::unsetUrlHandler("file");
        QDir::setCurrent(previous);

        QCOMPARE(recorder.urls,
                 QList{QUrl::fromLocalFile(QDir(dir.path()).absoluteFilePath("spravka.pdf"))});
    }
};

QTEST_MAIN(TestDesktopSeams)
#include "tst_desktop_seams.moc"
