#include "graphics/carried_fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace trelvix::graphics {

namespace {

bool registerAll() {
    bool all = true;
    for (const char* file : {":/fonts/TrelvixSerif-Regular.ttf", ":/fonts/TrelvixSerif-Bold.ttf",
                             ":/fonts/TrelvixSans-Regular.ttf"})
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) all = false;
    if (!all) qWarning("trelvix: the carried fonts could not be registered");
    return all;
}

} // namespace

bool registerCarriedFonts() {
    Q_ASSERT(qobject_cast<QGuiApplication*>(QCoreApplication::instance()));
    static const bool registered = registerAll();
    return registered;
}

QString carriedFamily(Face face) {
    registerCarriedFonts();
    return face == Face::Serif ? QStringLiteral("Trelvix Serif") : QStringLiteral("Trelvix Sans");
}

QFont carriedFont(Face face, double points, bool bold) {
    QFont font(carriedFamily(face));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace trelvix::graphics
