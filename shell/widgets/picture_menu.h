#pragma once

// The context menu of a drawing panel: save its picture as a PNG image (at the panel's device
// pixels, exactly what the screen shows) or as an SVG drawing, or copy it to the clipboard.

#include <QString>

namespace trelvix {

class FileDialogs;
class MessageBoxes;
class PictureBox;

void addPictureMenu(PictureBox* panel, FileDialogs& files, MessageBoxes& messages);

// Writes the panel's picture to `path`: SVG for a name ending in ".svg", PNG otherwise.  Returns
// an empty text on success, otherwise why the file could not be written.
QString savePicture(const PictureBox& panel, const QString& path);

} // namespace trelvix
