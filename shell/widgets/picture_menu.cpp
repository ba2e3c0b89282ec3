#include "shell/widgets/picture_menu.h"

#include "shell/files/experiment_file_texts.h"
#include "shell/files/save_through_dialog.h"
#include "shell/main_window/window_texts.h"
#include "shell/widgets/picture_box.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
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

} // namespace

QByteArray pictureBytes(const PictureBox& panel, const QString& path) {
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    return svg ? svgBytes(panel) : pngBytes(panel.image());
}

void addPictureMenu(PictureBox* panel, const Platform& platform) {
    panel->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* save = new QAction(QStringLiteral("Сохранить изображение…"), panel);
    save->setObjectName(QStringLiteral("savePicture"));
    QObject::connect(save, &QAction::triggered, panel, [panel, platform] {
        const SaveOffer offer{QStringLiteral("Сохранить изображение"),
                              QStringLiteral("график.png"),
                              QStringLiteral("Изображения PNG (*.png);;Рисунки SVG (*.svg)"),
                              {QStringLiteral(".png"), QStringLiteral(".svg")},
                              texts::exportFailed};
        saveThroughDialog(platform, offer,
                          [panel](const QString& path) { return pictureBytes(*panel, path); });
    });
    auto* copy = new QAction(QStringLiteral("Копировать изображение"), panel);
    copy->setObjectName(QStringLiteral("copyPicture"));
    QObject::connect(copy, &QAction::triggered, panel,
                     [panel] { QGuiApplication::clipboard()->setImage(panel->image()); });
    panel->addActions({save, copy});
}

} // namespace trelvix
