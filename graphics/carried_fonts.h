#pragma once

// The faces the windows, plots and report are drawn with.  The program carries them in its
// resources under family names of its own: asked for by a common name ("Times New Roman",
// "Liberation Serif") they would be whatever the desktop's font configuration substitutes, and
// two versions of Liberation that share their names draw different glyphs.

#include <QFont>
#include <QString>

namespace trelvix::graphics {

enum class Face {
    Serif, // Liberation Serif 1.x, regular and bold: every label, field, plot and the report
    Sans,  // Liberation Sans 1.x, regular: the main window's own font
};

// Registers the carried faces with the application's font database, once; later calls only tell
// how the first went.  A QGuiApplication must exist.  False when a face could not be registered:
// the desktop would then substitute one.
bool registerCarriedFonts();

// The family name of `face`, registered first if it is not yet.
QString carriedFamily(Face face);

// `face` at `points` points, bold or not.
QFont carriedFont(Face face, double points, bool bold = false);

} // namespace trelvix::graphics
