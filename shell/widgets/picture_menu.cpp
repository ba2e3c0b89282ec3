#include "shell/widgets/picture_menu.h"

#include "model/experiment_file.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "shell/files/experiment_file_texts.h"
#include "shell/widgets/picture_box.h"
#include "shell/main_window/window_texts.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

namespace trelvix {

namespace {

// The picture is a raster image (the panels keep what the runs drew pixel by pixel), so the SVG
// drawing holds it as an embedded image at full resolution, sized in the panel's logical pixels.
QByteArray svgBytes(const QImage& image, QSize logicalSize) {
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(logicalSize);
    generator.setViewBox(QRect(QPoint(0, 0), logicalSize));
    generator.setTitle(QStringLiteral("trelvix"));
    QPainter painter(&generator);
    painter.drawImage(QRect(QPoint(0, 0), logicalSize), image);
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

// Written to a temporary file and renamed over the old one, as an experiment file is.
QString savePicture(const PictureBox& panel, const QString& path) {
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const QByteArray bytes = svg ? svgBytes(panel.image(), panel.size()) : pngBytes(panel.image());
    const FileStatus status =
        saveFileAtomically(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
    return status.ok ? QString() : QString::fromStdString(status.reason);
}

void addPictureMenu(PictureBox* panel, FileDialogs& files, MessageBoxes& messages) {
    panel->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* save = new QAction(QStringLiteral("Сохранить изображение…"), panel);
    save->setObjectName(QStringLiteral("savePicture"));
    QObject::connect(save, &QAction::triggered, panel, [panel, &files, &messages] {
        QString path =
            files.fileToSave(QStringLiteral("Сохранить изображение"), QStringLiteral("график.png"),
                             QStringLiteral("Изображения PNG (*.png);;Рисунки SVG (*.svg)"));
        if (path.isEmpty()) return;
        if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
            !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
            path += QStringLiteral(".png");
        if (const QString reason = savePicture(*panel, path); !reason.isEmpty())
            messages.inform(texts::errorTitle, texts::exportFailed(path, reason));
    });
    auto* copy = new QAction(QStringLiteral("Копировать изображение"), panel);
    copy->setObjectName(QStringLiteral("copyPicture"));
    QObject::connect(copy, &QAction::triggered, panel,
                     [panel] { QGuiApplication::clipboard()->setImage(panel->image()); });
    panel->addActions({save, copy});
}

} // namespace trelvix
