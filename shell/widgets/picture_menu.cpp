#include "shell/widgets/picture_menu.h"

#include "shell/files/experiment_file_texts.h"
#include "shell/files/save_through_dialog.h"
#include "shell/main_window/window_texts.h"
#include "shell/widgets/picture_box.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

namespace trelvix {

namespace {

// The SVG drawing is the panel's picture drawn anew by the routines that draw the screen, as
// lines, circles and texts, in the panel's logical pixels.
QByteArray svgBytes(const PictureBox& panel) {
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(panel.size());
    generator.setViewBox(panel.rect());
    generator.setTitle(QStringLiteral("trelvix"));
    QPainter painter(&generator);
    panel.paintPicture(painter);
    painter.end();
    return buffer.data();
}

QByteArray pngBytes(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

// The two items follow the language: the panel hears of a change and the items are named anew.
class PictureMenuTexts : public QObject {
    Q_DECLARE_TR_FUNCTIONS(trelvix::PictureMenu)
public:
    PictureMenuTexts(PictureBox* panel, QAction* save, QAction* copy)
        : QObject(panel), save_(save), copy_(copy) {
        panel->installEventFilter(this);
        retranslate();
    }
    static QString saveTitle() { return tr("Сохранить изображение"); }
    static QString suggestedName() { return tr("график.png"); }
    static QString fileTypes() { return tr("Изображения PNG (*.png);;Рисунки SVG (*.svg)"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) retranslate();
        return QObject::eventFilter(watched, event);
    }

private:
    void retranslate() {
        save_->setText(tr("Сохранить изображение…"));
        copy_->setText(tr("Копировать изображение"));
    }

    QAction* save_;
    QAction* copy_;
};

} // namespace

QByteArray pictureBytes(const PictureBox& panel, const QString& path) {
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    return svg ? svgBytes(panel) : pngBytes(panel.image());
}

void addPictureMenu(PictureBox* panel, const Platform& platform) {
    panel->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* save = new QAction(panel);
    save->setObjectName(QStringLiteral("savePicture"));
    QObject::connect(save, &QAction::triggered, panel, [panel, platform] {
        const SaveOffer offer{PictureMenuTexts::saveTitle(),
                              PictureMenuTexts::suggestedName(),
                              PictureMenuTexts::fileTypes(),
                              {QStringLiteral(".png"), QStringLiteral(".svg")},
                              texts::exportFailed};
        saveThroughDialog(platform, offer,
                          [panel](const QString& path) { return pictureBytes(*panel, path); });
    });
    auto* copy = new QAction(panel);
    copy->setObjectName(QStringLiteral("copyPicture"));
    QObject::connect(copy, &QAction::triggered, panel,
                     [panel] { QGuiApplication::clipboard()->setImage(panel->image()); });
    panel->addActions({save, copy});
    new PictureMenuTexts(panel, save, copy);
}

} // namespace trelvix
