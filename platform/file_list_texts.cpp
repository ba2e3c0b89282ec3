#include "platform/file_list_texts.h"

#include <QFileSystemModel>
#include <QLocale>

namespace trelvix {

namespace {
// The columns of QFileSystemModel.
constexpr int sizeColumn = 1;
constexpr int dateColumn = 3;
} // namespace

QString FileListTexts::sizeText(qint64 bytes) {
    if (bytes < 1024) return tr("%1 байт").arg(bytes);
    const char* const units[] = {QT_TR_NOOP("%1 КБ"), QT_TR_NOOP("%1 МБ"), QT_TR_NOOP("%1 ГБ")};
    double size = bytes / 1024.0;
    int unit = 0;
    for (; unit < 2 && size >= 1024; ++unit)
        size /= 1024;
    return tr(units[unit]).arg(QLocale().toString(size, 'f', 1));
}

QVariant FileListTexts::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || role != Qt::DisplayRole) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == sizeColumn && !files->isDir(source)) return sizeText(files->size(source));
    if (index.column() == dateColumn)
        return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
}

} // namespace trelvix
