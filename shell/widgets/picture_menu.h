#pragma once

// The context menu of a drawing panel: save its picture as a PNG image (at the panel's device
// pixels, exactly what the screen shows) or as an SVG drawing (the panel's picture drawn anew as
// vector paths and texts), or copy it to the clipboard.  The file type follows the extension
// typed, or else the file type chosen in the dialog.

#include <QByteArray>
#include <QString>

namespace trelvix {

class PictureBox;
struct Platform;

// `platform` must outlive the panel.
void addPictureMenu(PictureBox* panel, const Platform& platform);

// The panel's picture as the file `path` holds it: SVG for a name ending in ".svg", PNG
// otherwise.
QByteArray pictureBytes(const PictureBox& panel, const QString& path);

} // namespace trelvix
