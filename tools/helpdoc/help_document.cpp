#include "help_document.h"

#include <QFont>
#include <QFontDatabase>

namespace trelvix {

namespace {
constexpr int bodyPointSize = 11;
} // namespace

QString cyrillicSerifFamily() {
    const QStringList installed = QFontDatabase::families(QFontDatabase::Cyrillic);
    for (const QString& family :
         {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")})
        if (installed.contains(family)) return family;
    return {};
}

std::unique_ptr<QTextDocument> helpDocument(const QString& html, const QString& styleSheet,
                                            const QString& family) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(family, bodyPointSize));
    // The style sheet only applies to HTML set after it.
    document->setDefaultStyleSheet(styleSheet);
    document->setHtml(html);
    return document;
}

} // namespace trelvix
